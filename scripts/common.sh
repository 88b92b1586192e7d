# Shared by run.sh and test.sh: dependencies, the builds, Wine and the display.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

# Builds one architecture into a folder: i686 is the product, x86_64 its twin for hosts
# that cannot execute 32-bit code.
build_arch() {  # ARCH DIR
    local arch=$1 dir=$2
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" \
              -DCMAKE_BUILD_TYPE=Release -DRUSPELL_DEPS_DIR="$BUILD/deps" >/dev/null
    fi
    if ! cmake --build "$dir" -j"$(nproc)" >"$dir/last-build.log" 2>&1; then
        grep -E 'error|Error' "$dir/last-build.log" | head -n 40 >&2
        echo "build of $arch failed (log: $dir/last-build.log)" >&2
        exit 1
    fi
}

# The 32-bit Wine needs a kernel that runs 32-bit code; some virtual machines have it off.
host_runs_32bit() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The folder whose executables run under this host's Wine.
test_build_dir() {
    if host_runs_32bit; then echo "$BUILD"; else echo "$BUILD/x64"; fi
}

prepare_builds() {
    "$ROOT/scripts/install-deps.sh"
    build_arch i686 "$BUILD"
    if ! host_runs_32bit; then
        echo "note: this kernel cannot run 32-bit programs, so 32-bit Wine cannot start here;" \
             "the same sources are also built for x86_64 and run under 64-bit Wine."
        build_arch x86_64 "$BUILD/x64"
    fi
}

# Starts Xvfb when there is no display; it ends with the calling script.
ensure_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
    local fifo n
    fifo=$(mktemp -u) && mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'kill $XVFB_PID 2>/dev/null' EXIT
    read -r -t 20 n <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
    rm -f "$fifo"
    export DISPLAY=":$n"
    echo "no display: using Xvfb on $DISPLAY"
}
