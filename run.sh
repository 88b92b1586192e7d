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
export RUSPELL_WINEPREFIX="$dir/run-prefix"
drive_c="$RUSPELL_WINEPREFIX/drive_c"
[ -f "$RUSPELL_WINEPREFIX/system.reg" ] || "$dir/wine-run.sh" cmd /c ver >/dev/null 2>&1

# A stand-in word processor in the default home folder, so that the wizard has something
# to install into.
home="$drive_c/Program Files/Velmoran"
if [ ! -f "$home/vmr.exe" ]; then
    mkdir -p "$home" && cp "$dir/fixtures/vmr/vmr.exe" "$home/"
    echo 'prepared a stand-in word processor: C:\Program Files\Velmoran\vmr.exe'
fi

code=0
"$dir/wine-run.sh" "$dir/RuSpellSetup.exe" "$@" || code=$?
echo "the setup ended with exit code $code"
shared="$drive_c/ProgramData/Velmoran"
if [ -d "$shared/Public" ]; then
    echo "installed under C:\ProgramData\Velmoran\Public:"
    (cd "$shared/Public" && find . -type f | sort | sed 's|^\./|  |')
fi
if [ -f "$shared/Update.log" ]; then
    echo 'C:\ProgramData\Velmoran\Update.log:'
    tr -d '\r' <"$shared/Update.log" | sed 's/^/  /'
fi
exit $code
