#!/usr/bin/env bash
# Configures and builds into the folder given (default: build), with extra CMake options after it.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
    "$@" >/dev/null
cmake --build "$dir"
