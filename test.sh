#!/bin/bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
prepare_builds
"$ROOT/scripts/check-imports.sh" i686-w64-mingw32-objdump "$BUILD/RuSpellSetup.exe"
ensure_display
cd "$(test_build_dir)"
ctest --output-on-failure -j2 "$@"
