#!/bin/sh
# Installs what is missing, builds, creates demo databases and list files in build/run
# with a config.ini beside the program when they are missing, and starts Vorkast.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh

BIN="$PWD/build/bin"
RUN="$PWD/build/run"
mkdir -p "$RUN"
if [ ! -f "$RUN/testy.tsb" ] && [ ! -f "$RUN/resultaty.tsb" ]; then
    "$BIN/vorkast-admin" init --tests "$RUN/testy.tsb" --results "$RUN/resultaty.tsb" \
        --admin admin --password vorkast --demo
fi
"$BIN/vorkast-admin" lists "$RUN"
if [ ! -f "$BIN/config.ini" ]; then
    printf '[ConnectionString]\r\nPath1=%s\r\nPath2=%s\r\n' "$RUN/resultaty.tsb" "$RUN/testy.tsb" > "$BIN/config.ini"
fi
echo "Administrator login: admin  password: vorkast  (databases and lists in $RUN)"
cd "$RUN"
exec "$BIN/vorkast"
