#!/bin/bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
prepare_builds
"$ROOT/scripts/check-imports.sh" i686-w64-mingw32-objdump "$BUILD/RuSpellSetup.exe"
# A short fuzzing run of the archive loader, so that a regression fails the suite.
mkdir -p "$BUILD/fuzz"
if "$ROOT/fuzz.sh" "${FUZZ_SECONDS:-30}" >"$BUILD/fuzz/last-run.log" 2>&1; then
    echo "fuzzing the archive loader: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$BUILD/fuzz/last-run.log" | grep -o '[0-9]*$') inputs, no finding"
else
    tail -n 40 "$BUILD/fuzz/last-run.log"; echo "fuzzing found a fault (log: build/fuzz/last-run.log)"; exit 1
fi
ensure_display
# One run of every benchmark figure, so that the benchmark keeps working.
"$ROOT/bench.sh" --smoke >"$BUILD/bench-smoke.log" 2>&1 || { tail -n 30 "$BUILD/bench-smoke.log"; echo "benchmark smoke run failed"; exit 1; }
echo "benchmark smoke run: ok"
cd "$(test_build_dir)"
ctest --output-on-failure -j2 "$@"
