#!/usr/bin/env bash
# The code's form and its static checks: every source formatted as .clang-format says, and
# clang-tidy (.clang-tidy) quiet, a warning an error. Needs a build folder configured by
# scripts/build.sh (its compile_commands.json). By default clang-tidy reads the plain C++
# libraries (model, archivos, estudio, calc, chart, sig), a few minutes on two cores;
# `scripts/revisar.sh build todo` reads every library, the windows' too (some ten minutes).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
alcance=${2:-nucleo}
git ls-files 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' 'bench/*.h' 'bench/*.cpp' |
    xargs clang-format --dry-run -Werror
if [ "$alcance" = todo ]; then
    carpetas='src/'
else
    carpetas='src/(model|archivos|estudio|calc|chart|sig)/'
fi
registro=$(mktemp)
trap 'rm -f "$registro"' EXIT
if ! run-clang-tidy -p "$build" -j "$(nproc)" -quiet \
        "$PWD/$carpetas" >"$registro" 2>&1; then
    grep -E "(warning|error):" "$registro" | sort -u | head -40
    echo "clang-tidy: warnings in the sources above" >&2
    exit 1
fi
echo "clang-format and clang-tidy: clean ($alcance)"
