#!/bin/bash
# Installs what is missing, builds, and starts the setup wizard under Wine.
# "--screenshots DIR" instead walks the wizard headless and saves DIR/page0.png ... page5.png.
set -euo pipefail
if [ "${1:-}" = "--screenshots" ]; then
    exec "$(dirname "$0")/scripts/screenshots.sh" "${2:?usage: run.sh --screenshots DIR}"
fi
source "$(dirname "$0")/scripts/common.sh"
prepare_builds
ensure_display
dir=$(test_build_dir)
exec "$dir/wine-run.sh" "$dir/RuSpellSetup.exe" "$@"
