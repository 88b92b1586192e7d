#!/bin/bash
# Installs what is missing, builds, and starts the setup wizard under Wine.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
prepare_builds
ensure_display
dir=$(test_build_dir)
exec "$dir/wine-run.sh" "$dir/RuSpellSetup.exe" "$@"
