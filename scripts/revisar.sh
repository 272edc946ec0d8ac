#!/usr/bin/env bash
# The code's form and its static checks: every source formatted as .clang-format says, and
# clang-tidy (.clang-tidy) quiet, a warning an error, over every library, the windows' included.
# Needs a build folder configured and built by scripts/build.sh (its compile_commands.json, and
# the files the windows' sources include that the build generates).
# clang-tidy reads each source of src/ once, as many at a time as there are cores; a header is
# read through the sources that include it (.clang-tidy's HeaderFilterRegex), and the generated
# sources (moc) are not read. `scripts/revisar.sh build model calc` reads only those libraries.
# `scripts/revisar.sh --cambios build` (scripts/test.sh, hence CI) reads only the sources changed
# since the commit that .ci/revisado names, the last one whose every source a full run found quiet,
# and every source if a header, a CMakeLists.txt or .clang-tidy changed since (or that commit is not
# in the history): reading them all takes some 20 minutes of a 2-core machine's time. A full run
# that finds nothing on a tree with no uncommitted change names HEAD there, to commit.
set -euo pipefail
cd "$(dirname "$0")/.."
cambios=false
if [ "${1:-}" = --cambios ]; then
    cambios=true
    shift
fi
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
completa=true
base=$(cat .ci/revisado 2>/dev/null || true)
if $cambios && [ -n "$base" ] && git cat-file -e "$base^{commit}" 2>/dev/null; then
    cambiados=$( (git diff --name-only "$base" -- src .clang-tidy '*CMakeLists.txt'
        git ls-files --others --exclude-standard src) | sort -u)
    if ! grep -qE '(\.h|CMakeLists\.txt|\.clang-tidy)$' <<<"$cambiados"; then
        completa=false
        fuentes=$(grep -Fxf <(sed "s|^|$PWD/|" <<<"$cambiados") <<<"$fuentes" || true)
    fi
fi
fuentes=$(grep -v '^$' <<<"$fuentes" | sort -u || true)
registro=$(mktemp -d)
trap 'rm -rf "$registro"' EXIT
# Each source's messages in a file of its own, so that two runs at once do not mix their lines.
if ! xargs -r -P "$(nproc)" -I{} sh -c 'clang-tidy -p "$1" --quiet "$2" >"$3/$(echo "$2" | tr / _)" 2>&1' \
            _ "$build" {} "$registro" <<<"$fuentes"; then
    cat "$registro"/* | grep -E "(warning|error):" | sort -u | head -40
    echo "clang-tidy: warnings in the sources above" >&2
    exit 1
fi
leidas=$(grep -c . <<<"$fuentes" || true)
if $completa; then
    echo "clang-format and clang-tidy: clean ($leidas sources of src/)"
    if [ $# -eq 0 ] && [ -z "$(git status --porcelain)" ]; then git rev-parse HEAD >.ci/revisado; fi
else
    echo "clang-format and clang-tidy: clean ($leidas sources of src/ changed since $(cut -c1-7 .ci/revisado))"
fi
