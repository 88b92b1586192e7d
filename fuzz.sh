#!/bin/bash
# Fuzzes the archive loader (inflating and listing the archive) natively with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer.
#
#   ./fuzz.sh [seconds]     default 60; exits non-zero when the fuzzer finds a fault
#
# Needs clang with its libFuzzer and sanitizer runtimes (Debian: clang, libclang-rt-14-dev)
# and zlib1g-dev. Everything goes to build/fuzz: the target, the seeds, the growing corpus
# and the inputs of any finding (crash-*, timeout-*, oom-*).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
SECONDS_TO_RUN=${1:-60}
OUT="$ROOT/build/fuzz"
mkdir -p "$OUT/corpus" "$OUT/seeds" "$OUT/findings"

clang++ -std=c++17 -O1 -g -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$ROOT/src" \
    "$ROOT/tests/fuzz/ArchiveFuzzer.cpp" \
    "$ROOT/src/AttachFiles/ArchiveInflate.cpp" "$ROOT/src/AttachFiles/ArchiveImage.cpp" \
    "$ROOT/src/InstUtils/DateTime.cpp" \
    -lz -o "$OUT/ArchiveFuzzer"

python3 "$ROOT/tests/fuzz/make_seeds.py" "$OUT/seeds"

cd "$OUT"
exec ./ArchiveFuzzer -max_total_time="$SECONDS_TO_RUN" -rss_limit_mb=2048 -timeout=30 \
    -artifact_prefix="$OUT/findings/" -print_final_stats=1 corpus seeds
