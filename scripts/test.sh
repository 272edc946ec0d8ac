#!/usr/bin/env bash
# Installs what is missing, builds, runs every test headless, runs each fuzz target briefly,
# then builds and runs the tests again with AddressSanitizer and UndefinedBehaviorSanitizer;
# meanwhile checks the sources' form and static checks (scripts/revisar.sh).
# Here, as in CI, a warning stops every build (ABAT_AVISOS_FATALES).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

# Without debugging information, which took a third of this build's time and no test reads.
bash scripts/build.sh build -DABAT_AVISOS_FATALES=ON -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG"
# The static checks, the longest stage, run beside the rest from here on: the fuzz runs, the
# walks and the links leave a core idle that they take. Their messages show at the end.
set -m  # the checks in a process group of their own, to stop them all if a later stage fails
revision_registro=$(mktemp)
bash scripts/revisar.sh build >"$revision_registro" 2>&1 &
revision=$!
trap 'kill -- -"$revision" 2>/dev/null || true; rm -f "$revision_registro"' EXIT
ctest --test-dir build --output-on-failure -j2
ABAT_AVISOS_FATALES=ON bash scripts/fuzz.sh 10

bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DABAT_SANITIZE=ON -DABAT_BENCHMARKS=OFF \
    -DABAT_AVISOS_FATALES=ON
# The walk a third as long there: it took a tenth of the whole run, and walks in full above.
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp WALK_ACTIONS=500 \
    ctest --test-dir build-asan --output-on-failure -j2

estado=0
wait "$revision" || estado=$?
cat "$revision_registro"
exit "$estado"
