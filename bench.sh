#!/bin/bash
# Benchmarks the setup under Wine against floors of our own: time to the first page, the
# installation run, the inflation of the archive, peak memory and executable size. Each
# figure is the median of repeated runs taken alternately with its floor, so that machine
# noise falls on both; one line per figure is printed, with its ratio to the floor.
#   ./bench.sh [--reps N]  N runs per figure (default 7); writes bench/results.md and
#                          bench/results.png
#   ./bench.sh --smoke     one run per figure, no comparison with the targets; the table
#                          and chart stay in the build folder
# RUSPELL_BUILD names another top build folder to build and measure (it needs deps/).
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
BUILD=${RUSPELL_BUILD:-$BUILD}

REPS=7
SMOKE=0
while [ $# -gt 0 ]; do
    case $1 in
        --smoke) SMOKE=1; REPS=1 ;;
        --reps) REPS=${2:?}; shift ;;
        *) echo "usage: $0 [--reps N | --smoke]" >&2; exit 2 ;;
    esac
    shift
done
[[ $REPS =~ ^[1-9][0-9]*$ ]] || { echo "--reps takes a positive number" >&2; exit 2; }

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }
if ! command -v gnuplot >/dev/null; then
    echo "Installing: gnuplot-nox"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        gnuplot-nox >/dev/null
fi

prepare_builds
PRODUCT=$(test_build_dir)
if host_runs_32bit; then ARCH=i686; else ARCH=x86_64; fi
BENCH="$PRODUCT/bench"
if [ ! -f "$BENCH/CMakeCache.txt" ]; then
    cmake -S "$ROOT/bench" -B "$BENCH" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$ARCH.cmake" \
          -DCMAKE_BUILD_TYPE=Release -DRUSPELL_PRODUCT_BUILD="$PRODUCT" >/dev/null
fi
if ! log=$(cmake --build "$BENCH" -j2 -- --no-print-directory 2>&1); then
    echo "$log" >&2
    echo "build of the benchmark failed" >&2
    exit 1
fi
grep -vE '^\[|^-- ' <<<"$log" || true
SHIPPED="$BUILD/RuSpellSetup.exe"
[ -f "$SHIPPED" ] || { echo "no shipped executable $SHIPPED" >&2; exit 1; }
ensure_display

RUN="$BENCH/wine-run.sh"
OUT=$([ $SMOKE = 1 ] && echo "$BENCH/smoke" || echo "$ROOT/bench")
SAMPLES="$BENCH/samples"
rm -rf "$SAMPLES"
mkdir -p "$SAMPLES" "$OUT"

winpath() { local p=${1//\//\\}; echo "Z:$p"; }
bench_tool() { "$RUN" "$BENCH/$1.exe" "${@:2}" | tr -d '\r'; }
value() { awk -v k="$1" '$1 == k { print $2 }'; }   # value KEY < "KEY VALUE" lines
median() {  # median FILE (one number a line)
    sort -g "$1" | awk '{ v[NR] = $1 }
        END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.4f", a / b }'; }
# The median of the ratios of each run to the floor run beside it: the two ran one after
# the other, so a slow moment of the machine falls on both.
paired_ratio() {  # paired_ratio SETUP-FILE FLOOR-FILE
    paste "$1" "$2" | awk '{ print $1 / $2 }' >"$SAMPLES/ratios"
    median "$SAMPLES/ratios"
}
megabytes() { awk -v b="$1" 'BEGIN { printf "%.2f", b / 1e6 }'; }

SETUP=$(winpath "$PRODUCT/RuSpellSetup.exe")
WELCOME="Welcome to the Velmoran Russian Spellchecker"

# Wine's C: drive: the word processor's home folder, both public spellchecker folders (so
# that the installation writes 14 files) and the add-on files unpacked for the copy floor.
"$RUN" cmd /c exit >/dev/null 2>&1   # creates the prefix on first use
DRIVE_C="$BENCH/wineprefix/drive_c"
PUBLIC="$DRIVE_C/ProgramData/Velmoran/Public"
mkdir -p "$DRIVE_C/bench/Velmoran" "$DRIVE_C/bench/unpacked" "$PUBLIC/Spellcheck" \
         "$PUBLIC/Orthographe"
: > "$DRIVE_C/bench/Velmoran/vmr.exe"
for name in Russian.asc hunspell.dll ru_RU.dic ru_RU.aff userdicru.tlx Russian.hyph Russian.thes; do
    src=$(awk -F'\t' -v n="$name" '$1 == n { print $2 }' "$ROOT/payload/manifest.txt")
    src=${src//'${DEPS}'/$BUILD/deps}
    src=${src//'${HUNSPELL}'/$BUILD/deps/hunspell-$ARCH/hunspell.dll}
    [[ $src == /* ]] || src="$ROOT/payload/$src"
    cp "$src" "$DRIVE_C/bench/unpacked/$name"
done
clear_targets() { rm -f "$PUBLIC"/Spellcheck/* "$PUBLIC"/Orthographe/*; }

# Each tool prints one measure as "ms N" and, from the driver, "peak BYTES" lines.
sample() {  # sample NAME OUTPUT: appends the measure to the sample files of NAME
    value ms <<<"$2" >>"$SAMPLES/$1.ms"
    value peak <<<"$2" >>"$SAMPLES/$1.peak"
}
first_page_setup() { bench_tool BenchDriver firstpage --title "$WELCOME" "$SETUP"; }
first_page_floor() { bench_tool BenchDriver firstpage "$(winpath "$BENCH/BlankWindow.exe")"; }
install_setup() { clear_targets; bench_tool BenchDriver install "$SETUP" 'C:\bench\Velmoran'; }
install_floor() {
    clear_targets
    bench_tool CopyFloor 'C:\bench\unpacked' 'C:\ProgramData\Velmoran\Public\Spellcheck' \
        'C:\ProgramData\Velmoran\Public\Orthographe'
}

echo "benchmark: $REPS run(s) per figure, $ARCH build under Wine"
INFLATE=$(bench_tool InflateBench "$(winpath "$PRODUCT/FILES.bin")" "$REPS")
if [ $SMOKE = 0 ]; then   # warm-up: Wine's and the programs' files come into the page cache
    first_page_setup >/dev/null; first_page_floor >/dev/null
    install_setup >/dev/null; install_floor >/dev/null
fi
for _ in $(seq "$REPS"); do
    out=$(first_page_setup); sample first-setup "$out"
    out=$(first_page_floor); sample first-floor "$out"
    out=$(install_setup); sample install-setup "$out"
    out=$(install_floor); sample install-floor "$out"
done
clear_targets

TABLE="$OUT/results.md"
DATA="$SAMPLES/chart.dat"
standing() {  # standing RATIO TARGET
    if [ -z "$2" ]; then echo "-"
    elif [ $SMOKE = 1 ]; then echo "not compared (smoke run)"
    elif awk -v r="$1" -v t="$2" 'BEGIN { exit !(r <= t) }'; then echo "met"
    else echo "MISSED"; fi
}
rounded() { awk -v v="$1" -v d="$2" 'BEGIN { printf "%." d "f", v }'; }  # rounded VALUE DIGITS
# Prints a figure's line and adds it to the table and the chart; TARGET is the largest
# ratio allowed (none when empty).
report() {  # report NAME SHORT-NAME UNIT SETUP FLOOR RATIO FLOOR-IS [TARGET]
    local name=$1 short=$2 unit=$3 setup=$4 floor=$5 r floor_is=$7 target=${8:-}
    local verdict limit=${8:+<= ${8}x} digits=1
    [ "$unit" = MB ] && digits=2
    r=$(awk -v v="$6" 'BEGIN { printf "%.2f", v }')
    verdict=$(standing "$r" "$target")
    printf '%-34s setup %8s %s, floor %8s %s: %5sx floor (target %s: %s)\n' "$name" \
        "$(rounded "$setup" $digits)" "$unit" "$(rounded "$floor" $digits)" "$unit" "$r" \
        "${limit:-none}" "$verdict"
    echo "| $name | $(rounded "$setup" $digits) $unit | $(rounded "$floor" $digits) $unit |" \
         "$floor_is | ${r}x" \
         "| $limit | $verdict |" >>"$TABLE"
    echo "\"$short\" $r ${target:-NaN}" >>"$DATA"
}
# A timed figure from its sample files: medians of both, and the median paired ratio.
report_times() {  # report_times NAME SHORT-NAME SAMPLES FLOOR-SAMPLES FLOOR-IS TARGET
    report "$1" "$2" ms "$(median "$3")" "$(median "$4")" "$(paired_ratio "$3" "$4")" "$5" "$6"
}

WINE_VERSION=$("$RUN" --version | tr -d '\r')
cat >"$TABLE" <<END
# Benchmark results

\`./bench.sh\` of $(date -u '+%Y-%m-%d %H:%M UTC'): the $ARCH build under $WINE_VERSION and Xvfb,
$(nproc) cores; median of $REPS run(s) per figure, each run alternating with its floor.

| Figure | Setup | Floor | Floor is | Ratio | Target | Standing |
|---|---|---|---|---|---|---|
END
: >"$DATA"
INFLATED=$(value inflated <<<"$INFLATE")
COMPRESSED=$(value compressed <<<"$INFLATE")
BLANK_PEAK=$(median "$SAMPLES/first-floor.peak")
SETUP_PEAK=$(median "$SAMPLES/install-setup.peak")
SETUP_SIZE=$(stat -c %s "$SHIPPED")
ARCHIVE_SIZE=$(stat -c %s "$BUILD/FILES.bin")
report_times "time to first page" "first page" "$SAMPLES/first-setup.ms" \
    "$SAMPLES/first-floor.ms" "a blank window of the same size and caption" 1.3
report_times "installation run" "installation" "$SAMPLES/install-setup.ms" \
    "$SAMPLES/install-floor.ms" "CopyFileW of the same 14 files, unpacked" 1.5
report "inflate" "inflate" ms "$(value buffer_ms <<<"$INFLATE")" \
    "$(value uncompress_ms <<<"$INFLATE")" "$(value ratio <<<"$INFLATE")" \
    "zlib's uncompress into a buffer of the known size" 1.1
report "peak memory beyond a blank window" "peak memory" MB \
    "$(megabytes $((SETUP_PEAK - BLANK_PEAK)))" "$(megabytes $((INFLATED + COMPRESSED)))" \
    "$(ratio $((SETUP_PEAK - BLANK_PEAK)) $((INFLATED + COMPRESSED)))" \
    "the inflated plus the compressed archive" 1.5
report "executable size" "exe size" MB "$(megabytes "$SETUP_SIZE")" \
    "$(megabytes "$ARCHIVE_SIZE")" "$(ratio "$SETUP_SIZE" "$ARCHIVE_SIZE")" \
    "the compressed archive it carries"
cat >>"$TABLE" <<END

Times: the median of each, and the median of the ratios of each run to the floor run made
beside it. Peak memory: the setup's peak working set ($(megabytes "$SETUP_PEAK") MB, sampled on the
finish page) less a blank window's ($(megabytes "$BLANK_PEAK") MB), against the inflated archive
($INFLATED bytes) plus its compressed resource ($COMPRESSED bytes). Executable size: the
shipped i686 executable. No third-party installer is measured beside the setup: the project
does not install or run existing installer systems.
END
gnuplot -e "datafile='$DATA'; outfile='$OUT/results.png'" "$ROOT/bench/results.gp"
echo "written: $TABLE, $OUT/results.png"
