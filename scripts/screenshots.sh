#!/bin/bash
# Saves a picture of every wizard page, DIR/page0.png to DIR/page5.png. Walker.exe drives
# the setup under Wine, page by page, inside a Wine desktop window (which draws the title
# bars that a bare X display lacks) on an X display of its own (Xvfb); for each page it
# writes the wizard's rectangle on that desktop to DIR/pageN.rect, and this script cuts
# that rectangle out of the desktop window. With BUILD, the executables of that build
# folder are used as they are; otherwise the builds are brought up to date first, as for
# run.sh.
set -euo pipefail
[ $# = 1 ] || [ $# = 2 ] || { echo "usage: $0 DIR [BUILD]" >&2; exit 2; }
source "$(dirname "$0")/common.sh"
out=$(realpath -m "$1")
mkdir -p "$out"
rm -f "$out"/page[0-5].png "$out"/page[0-5].rect "$out"/page[0-5].part

if [ $# = 2 ]; then
    dir=$(realpath "$2")
else
    prepare_builds
    dir=$(test_build_dir)
fi

# A display of its own, even when the caller has one: nothing else may cover the wizard.
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb=$!
walker=
trap 'kill $walker $xvfb 2>/dev/null; rm -f "$number_file"' EXIT
for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
[ -s "$number_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$number_file")"

desktop=RuSpellSetupScreenshots
walker_exe="Z:$(echo "$dir/tests/e2e/Walker.exe" | tr / '\\')"
RUSPELL_WINEPREFIX="$dir/run-prefix" "$dir/wine-run.sh" explorer "/desktop=$desktop,800x600" "$walker_exe" --screenshots "$out" &
walker=$!
for n in 0 1 2 3 4 5; do
    rect="$out/page$n.rect"
    while [ ! -f "$rect" ]; do
        if ! kill -0 "$walker" 2>/dev/null; then
            echo "the walk stopped before page $n" >&2
            exit 1
        fi
        sleep 0.2
    done
    read -r x y w h <"$rect"
    import -window "$desktop - Wine desktop" -crop "${w}x${h}+${x}+${y}" +repage "$out/page$n.part.png"
    mv "$out/page$n.part.png" "$out/page$n.png"
    rm -f "$rect"
done
wait "$walker" || true
walker=
echo "screenshots in $out"
