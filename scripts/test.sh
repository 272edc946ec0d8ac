#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless under AddressSanitizer and
# UndefinedBehaviorSanitizer (the benchmarks built in the same build and each run once), runs each
# fuzz target briefly, and checks the sources' form and static checks (scripts/revisar.sh).
# Here, as in CI, a warning stops every build (ABAT_AVISOS_FATALES).
# One build serves the tests: a second, plain one for the same tests took a third of the run on
# a 2-core machine; the program's own build is scripts/run.sh's.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DABAT_SANITIZE=ON -DABAT_AVISOS_FATALES=ON
# The static checks, the longest stage, run beside the rest from here on: the tests and the fuzz
# runs leave a core idle that they take. Their messages show at the end.
set -m  # the checks in a process group of their own, to stop them all if a later stage fails
revision_registro=$(mktemp)
bash scripts/revisar.sh --cambios build-asan >"$revision_registro" 2>&1 &
revision=$!
trap 'kill -- -"$revision" 2>/dev/null || true; rm -f "$revision_registro"' EXIT
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp \
    ctest --test-dir build-asan --output-on-failure -j2
ABAT_AVISOS_FATALES=ON bash scripts/fuzz.sh 10

estado=0
wait "$revision" || estado=$?
cat "$revision_registro"
exit "$estado"
