#!/bin/sh
# Configures and builds into build/ (or build-sanitize/ with --sanitize).
set -eu
cd "$(dirname "$0")/.."

BUILD=build
EXTRA=""
if [ "${1:-}" = "--sanitize" ]; then
    BUILD=build-sanitize
    EXTRA="-DVORKAST_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"
fi
LAUNCHER=""
command -v ccache >/dev/null 2>&1 && LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
# shellcheck disable=SC2086
cmake -S . -B "$BUILD" -G Ninja $LAUNCHER $EXTRA >/dev/null
cmake --build "$BUILD"
