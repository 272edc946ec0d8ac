#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for SECONDS, starting from the seed corpus in tests/fuzz/corpus; without SECONDS,
# the long run: 1,000,000 executions of each.
# What a run finds stays out of the repository: a failing input is written to build-fuzz/hallazgos.
# ABAT_AVISOS_FATALES=ON in the environment has a warning stop the build, as scripts/test.sh asks.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then limite=(-max_total_time="$1"); else limite=(-runs=1000000); fi
bash scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DABAT_FUZZ=ON -DABAT_AVISOS_FATALES="${ABAT_AVISOS_FATALES:-OFF}" >/dev/null
# The build's steps stay quiet; a failed build shows the compiler's messages and stops here.
mkdir -p build-fuzz/hallazgos
if ! cmake --build build-fuzz >build-fuzz/construccion.log 2>&1; then
    cat build-fuzz/construccion.log >&2
    echo "fuzz: the fuzz targets do not build" >&2
    exit 1
fi
fallos=0
for semillas in tests/fuzz/corpus/*/; do
    nombre=$(basename "$semillas")
    programa=build-fuzz/tests/fuzz/fuzz_$nombre
    trabajo=$(mktemp -d)
    cp tests/fuzz/corpus/"$nombre"/* "$trabajo"/
    registro=build-fuzz/hallazgos/$nombre.log
    if QT_QPA_PLATFORM=offscreen "$programa" "$trabajo" "${limite[@]}" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build-fuzz/hallazgos/"$nombre"- \
        >"$registro" 2>&1; then
        resultado=passed
    else
        resultado=FAILED
        fallos=$((fallos + 1))
        grep -E "ERROR|property broken|SUMMARY|Test unit written" "$registro" | head -5
    fi
    ejecuciones=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro" | tail -1)
    segundos=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$registro" | tail -1)
    printf 'fuzz %-13s %s: %s executions in %s s\n' "$nombre" "$resultado" "${ejecuciones:-?}" \
        "${segundos:-?}"
    rm -rf "$trabajo"
done
total=$(ls -d tests/fuzz/corpus/*/ | wc -l)
echo "fuzz: $((total - fallos)) passed, $fallos failed"
[ "$fallos" -eq 0 ]
