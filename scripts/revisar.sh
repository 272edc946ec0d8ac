#!/usr/bin/env bash
# The code's form and its static checks: every source formatted as .clang-format says, and
# clang-tidy (.clang-tidy) quiet, a warning an error, over every library, the windows' included.
# Needs a build folder configured and built by scripts/build.sh (its compile_commands.json, and
# the files the windows' sources include that the build generates).
# clang-tidy reads each source of src/ once, as many at a time as there are cores; a header is
# read through the sources that include it (.clang-tidy's HeaderFilterRegex), and the generated
# sources (moc) are not read. `scripts/revisar.sh build model calc` reads only those libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
git ls-files 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' 'bench/*.h' 'bench/*.cpp' |
    xargs clang-format --dry-run -Werror
carpetas=$(IFS='|'; echo "${*:-[a-z]+}")
fuentes=$(python3 - "$build/compile_commands.json" "$PWD/src/($carpetas)/[^/]+\.cpp$" <<'EOF'
import json, os, re, sys
patron = re.compile(sys.argv[2])
for e in json.load(open(sys.argv[1])):
    ruta = os.path.normpath(os.path.join(e["directory"], e["file"]))
    if patron.fullmatch(ruta):
        print(ruta)
EOF
)
registro=$(mktemp -d)
trap 'rm -rf "$registro"' EXIT
# Each source's messages in a file of its own, so that two runs at once do not mix their lines.
if ! sort -u <<<"$fuentes" |
        xargs -P "$(nproc)" -I{} sh -c 'clang-tidy -p "$1" --quiet "$2" >"$3/$(echo "$2" | tr / _)" 2>&1' \
            _ "$build" {} "$registro"; then
    cat "$registro"/* | grep -E "(warning|error):" | sort -u | head -40
    echo "clang-tidy: warnings in the sources above" >&2
    exit 1
fi
echo "clang-format and clang-tidy: clean ($(wc -l <<<"$fuentes") sources of src/)"
