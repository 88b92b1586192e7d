#!/bin/bash
# Cross-compiles the Hunspell library from Debian's pinned "hunspell" source package into a
# self-contained Windows DLL: BUILD_DIR/deps/hunspell-ARCH/hunspell.dll (plus an import
# library libhunspell.dll.a and the C headers in include/). Cached: rebuilds only when the
# DLL is missing or this script, the pinned source, its files or the compiler changed.
#
# Usage: scripts/build-hunspell.sh BUILD_DIR ARCH      (ARCH: i686 or x86_64)
set -euo pipefail

if [ $# -ne 2 ] || [ -z "$1" ]; then
    echo "usage: $0 BUILD_DIR i686|x86_64" >&2
    exit 2
fi
ARCH=$2
case $ARCH in i686|x86_64) ;; *) echo "build-hunspell: ARCH must be i686 or x86_64, not '$ARCH'" >&2; exit 2 ;; esac

die() { echo "build-hunspell: error: $*" >&2; exit 1; }

SCRIPT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/$(basename "${BASH_SOURCE[0]}")
VERSIONS="$(dirname "$SCRIPT")/../payload/versions.txt"
[ -f "$VERSIONS" ] || die "missing $VERSIONS"
SRC_PIN=$(sed -n 's/^[[:space:]]*hunspell-src[[:space:]]*=[[:space:]]*\([^[:space:]]*\).*/\1/p' "$VERSIONS" | tail -n 1)
[ -n "$SRC_PIN" ] || die "no 'hunspell-src=VERSION' pin in $VERSIONS"

mkdir -p "$1/deps"
DEPS=$(cd "$1/deps" && pwd)
SRC="$DEPS/src"
SRC_TREE="$SRC/hunspell-$SRC_PIN"       # unpacked, Debian patches applied
OUT="$DEPS/hunspell-$ARCH"
DLL="$OUT/hunspell.dll"
STAMP="$OUT/build.stamp"

HOST=$ARCH-w64-mingw32
CXX=$HOST-g++-win32                     # win32 thread model: no libwinpthread dependency
command -v "$CXX" >/dev/null 2>&1 || CXX=$HOST-g++
command -v "$CXX" >/dev/null 2>&1 || die "$HOST-g++ not found (install g++-mingw-w64-${ARCH/_/-})"
OBJDUMP=$HOST-objdump
command -v "$OBJDUMP" >/dev/null 2>&1 || die "$OBJDUMP not found (binutils-mingw-w64)"

EXPORTS=(Hunspell_create Hunspell_spell Hunspell_suggest Hunspell_destroy Hunspell_free_list)
# DLLs present on every Windows installation; anything else would have to be shipped.
SYSTEM_DLLS='^(KERNEL32|msvcrt|USER32|ADVAPI32|api-ms-win-[a-z0-9-]+)\.dll$'

# ---------------------------------------------------------------- source package (shared)
fetch_source() {
    local src_stamp="$SRC/hunspell-src.stamp"
    if [ -f "$src_stamp" ] && [ "$(cat "$src_stamp")" = "$SRC_PIN" ] && [ -d "$SRC_TREE/src/hunspell" ]; then
        return 0
    fi
    mkdir -p "$SRC"
    exec 8>"$SRC/.hunspell-src.lock"
    flock 8                              # i686 and x86_64 builds may run side by side
    if [ -f "$src_stamp" ] && [ "$(cat "$src_stamp")" = "$SRC_PIN" ] && [ -d "$SRC_TREE/src/hunspell" ]; then
        exec 8>&-; return 0
    fi
    rm -f "$src_stamp"
    local log="$SRC/hunspell-src.log" dsc="" apt_opts=(-q)
    : > "$log"
    # As root apt would download as the _apt user, which usually cannot write here.
    [ "$(id -u)" = 0 ] && apt_opts+=(-o APT::Sandbox::User=root)
    local upstream=${SRC_PIN#*:}; upstream=${upstream%-*}
    dsc="$SRC/hunspell_${SRC_PIN#*:}.dsc"
    if [ ! -f "$dsc" ] || ! ls "$SRC/hunspell_$upstream".orig.tar.* >/dev/null 2>&1; then
        if ! (cd "$SRC" && apt-get "${apt_opts[@]}" source --download-only "hunspell=$SRC_PIN") >>"$log" 2>&1; then
            cat "$log" >&2
            die "apt-get source --download-only hunspell=$SRC_PIN failed. It needs a deb-src entry" \
                "(scripts/install-deps.sh adds one) and the pinned version in the archive" \
                "(check 'apt-cache showsrc hunspell'), or update hunspell-src in payload/versions.txt."
        fi
    fi
    [ -f "$dsc" ] || die "expected $dsc after apt-get source"
    local got
    got=$(sed -n 's/^Version:[[:space:]]*//p' "$dsc" | head -n 1)
    [ "$got" = "$SRC_PIN" ] || die "version mismatch: $dsc has Version '$got' but payload/versions.txt pins hunspell-src=$SRC_PIN"
    [ "$(sed -n 's/^Source:[[:space:]]*//p' "$dsc" | head -n 1)" = hunspell ] || die "$dsc is not the hunspell source package"
    rm -rf "$SRC_TREE" "$SRC_TREE.tmp"
    if ! dpkg-source -x "$dsc" "$SRC_TREE.tmp" >>"$log" 2>&1; then
        cat "$log" >&2
        die "dpkg-source -x $dsc failed"
    fi
    got=$(dpkg-parsechangelog -l "$SRC_TREE.tmp/debian/changelog" -S Version 2>/dev/null || true)
    [ "$got" = "$SRC_PIN" ] || die "unpacked source has version '$got', expected $SRC_PIN"
    mv "$SRC_TREE.tmp" "$SRC_TREE"
    echo "$SRC_PIN" > "$src_stamp"
    exec 8>&-
}

# ---------------------------------------------------------------- cache key
build_key() {
    echo "arch=$ARCH"
    echo "hunspell-src=$SRC_PIN"
    echo "script=$(sha256sum < "$SCRIPT" | cut -d' ' -f1)"
    echo "cxx=$("$CXX" --version | head -n 1)"
    echo "sources=$(cd "$SRC_TREE/src/hunspell" && LC_ALL=C sha256sum -- *.cxx *.hxx *.h *.in | sha256sum | cut -d' ' -f1)"
}

check_dll() {  # check_dll DLL -> fails with a message unless imports/exports are as expected
    local dll=$1 pe name bad=() missing=() e
    pe=$("$OBJDUMP" -p "$dll") || die "$OBJDUMP -p $dll failed"
    while read -r name; do
        [[ $name =~ $SYSTEM_DLLS ]] || bad+=("$name")
    done < <(sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' <<<"$pe")
    [ ${#bad[@]} -eq 0 ] || die "$dll imports non-system DLLs: ${bad[*]}"
    for e in "${EXPORTS[@]}"; do
        grep -Eq "^[[:space:]]*\[[[:space:]]*[0-9]+\][[:space:]]+$e\$" <<<"$pe" || missing+=("$e")
    done
    [ ${#missing[@]} -eq 0 ] || die "$dll does not export: ${missing[*]}"
}

fetch_source

KEY=$(build_key)
if [ -f "$DLL" ] && [ -f "$STAMP" ] && [ "$(cat "$STAMP")" = "$KEY" ]; then
    echo "build-hunspell: up to date ($DLL)"
    exit 0
fi

# ---------------------------------------------------------------- build
mkdir -p "$OUT"
exec 9>"$OUT/.build.lock"
flock 9
if [ -f "$DLL" ] && [ -f "$STAMP" ] && [ "$(cat "$STAMP")" = "$KEY" ]; then
    echo "build-hunspell: up to date ($DLL)"
    exit 0
fi
rm -f "$STAMP"

WORK="$OUT/build"
rm -rf "$WORK"
mkdir -p "$WORK"
# Private copy of the library sources so the generated headers below take precedence
# over the ones shipped in the tarball ("" includes search the source's own directory).
cp -- "$SRC_TREE"/src/hunspell/*.cxx "$SRC_TREE"/src/hunspell/*.hxx "$SRC_TREE"/src/hunspell/*.h "$WORK/"
rm -f "$WORK/hunvisapi.h"
# On Windows the visibility test is never reached; 0 keeps the #elif well-formed.
sed 's/@HAVE_VISIBILITY@/0/g' "$SRC_TREE/src/hunspell/hunvisapi.h.in" > "$WORK/hunvisapi.h"
grep -q '@[A-Z_]*@' "$WORK/hunvisapi.h" && die "unsubstituted placeholder left in hunvisapi.h"
PKG_VERSION=${SRC_PIN#*:}; PKG_VERSION=${PKG_VERSION%-*}
cat > "$WORK/config.h" <<CONFIG
/* Minimal config.h for building the Hunspell library alone with mingw-w64. */
#ifndef HUNSPELL_MINGW_CONFIG_H
#define HUNSPELL_MINGW_CONFIG_H
#define PACKAGE "hunspell"
#define PACKAGE_NAME "hunspell"
#define PACKAGE_VERSION "$PKG_VERSION"
#define VERSION "$PKG_VERSION"
#define PACKAGE_STRING "hunspell $PKG_VERSION"
#define HAVE_STDINT_H 1
#define HAVE_STDLIB_H 1
#define HAVE_STRING_H 1
#define HAVE_SYS_STAT_H 1
#define HAVE_SYS_TYPES_H 1
#define HAVE_WCHAR_H 1
#define STDC_HEADERS 1
#endif
CONFIG

CXXFLAGS=(-O2 -DBUILDING_LIBHUNSPELL -DHAVE_CONFIG_H -I.)
# shellcheck disable=SC2054  # the commas belong to -Wl options
LDFLAGS=(-O2 -shared -static-libgcc -static-libstdc++ -s
         -Wl,--no-insert-timestamp "-Wl,--out-implib,libhunspell.dll.a")
LOG="$OUT/build.log"
: > "$LOG"
(
    cd "$WORK"
    printf '%s\n' *.cxx | sed 's/\.cxx$//' |
        xargs -P 2 -I{} "$CXX" "${CXXFLAGS[@]}" -c {}.cxx -o {}.o
    "$CXX" "${LDFLAGS[@]}" -o hunspell.dll ./*.o
) >>"$LOG" 2>&1 || { cat "$LOG" >&2; die "compiling hunspell for $HOST failed (log: $LOG)"; }

check_dll "$WORK/hunspell.dll"

rm -rf "$OUT/include"
mkdir -p "$OUT/include"
cp -- "$WORK/hunspell.h" "$WORK/hunvisapi.h" "$OUT/include/"
mv -f "$WORK/libhunspell.dll.a" "$OUT/libhunspell.dll.a"
mv -f "$WORK/hunspell.dll" "$DLL"
rm -rf "$WORK"
printf '%s\n' "$KEY" > "$STAMP"
echo "build-hunspell: built $DLL ($(stat -c %s "$DLL") bytes, hunspell $SRC_PIN, $CXX)"
