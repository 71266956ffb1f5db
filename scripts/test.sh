#!/bin/sh
# Installs what is missing, builds, and runs every test (--sanitize: under ASan and UBSan).
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh "$@"
BUILD=build
[ "${1:-}" = "--sanitize" ] && BUILD=build-sanitize
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
