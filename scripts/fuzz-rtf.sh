#!/bin/sh
# Builds the RTF reader's libFuzzer target with clang (ASan with leak checks, UBSan) and runs it.
# Usage: scripts/fuzz-rtf.sh [SECONDS]   (default 60; run for hours by hand to search deeper).
# New inputs collect in build-fuzz/corpus; a crash is saved as build-fuzz/crash-*. Add what it
# finds to tests/data/rtf/ and to the malformed-input table of tests/richtext/tst_richtext.cpp.
set -eu
cd "$(dirname "$0")/.."
SECONDS_TO_RUN="${1:-60}"
OUT=build-fuzz
mkdir -p "$OUT/corpus"

# shellcheck disable=SC2046
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -Isrc $(pkg-config --cflags Qt6Gui) \
    src/richtext/*.cpp tests/richtext/fuzz/RtfFuzzer.cpp \
    $(pkg-config --libs Qt6Gui) -o "$OUT/fuzz-rtf"

# libpng reports damaged pictures on stderr by itself; the log keeps everything and the end of it,
# without those lines, is shown (a crash report with its input's name is there).
set +e
QT_QPA_PLATFORM=offscreen "$OUT/fuzz-rtf" \
    -max_total_time="$SECONDS_TO_RUN" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -dict=tests/richtext/fuzz/rtf.dict -artifact_prefix="$OUT/" -print_final_stats=1 \
    "$OUT/corpus" tests/data/rtf > "$OUT/fuzz.log" 2>&1
status=$?
set -e
grep -v '^libpng error' "$OUT/fuzz.log" | tail -n 200
echo "fuzz-rtf: exit status $status (full log: $OUT/fuzz.log)"
exit $status
