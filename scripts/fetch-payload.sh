#!/bin/bash
# Fetches the Russian dictionaries (hunspell-ru, hyphen-ru, mythes-ru) as pinned Debian
# packages and unpacks them into BUILD_DIR/deps/root. Cached: a second run is a no-op.
#
# Usage: scripts/fetch-payload.sh BUILD_DIR
set -euo pipefail

if [ $# -ne 1 ] || [ -z "$1" ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi

SCRIPT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
VERSIONS="$SCRIPT_DIR/../payload/versions.txt"
PACKAGES=(hunspell-ru hyphen-ru mythes-ru)
# Files the build consumes, relative to deps/root.
RESULT_FILES=(usr/share/hunspell/ru_RU.dic
              usr/share/hunspell/ru_RU.aff
              usr/share/hyphen/hyph_ru_RU.dic
              usr/share/mythes/th_ru_RU_v2.dat)

die() { echo "fetch-payload: error: $*" >&2; exit 1; }

mkdir -p "$1/deps"
DEPS=$(cd "$1/deps" && pwd)
DEBS="$DEPS/debs"
ROOT="$DEPS/root"
STAMP="$DEPS/payload.stamp"

[ -f "$VERSIONS" ] || die "missing $VERSIONS"

pin_of() {  # pin_of PACKAGE -> pinned version from versions.txt
    local v
    v=$(sed -n "s/^[[:space:]]*$1[[:space:]]*=[[:space:]]*\([^[:space:]]*\).*/\1/p" "$VERSIONS" | tail -n 1)
    [ -n "$v" ] || die "no pin for '$1' in $VERSIONS"
    printf '%s\n' "$v"
}

# Stamp content: the pinned versions plus this script's checksum, so changing either refetches.
expected_stamp() {
    local p
    for p in "${PACKAGES[@]}"; do echo "$p=$(pin_of "$p")"; done
    echo "script=$(sha256sum < "${BASH_SOURCE[0]}" | cut -d' ' -f1)"
}

all_results_present() {
    local f
    for f in "${RESULT_FILES[@]}"; do [ -f "$ROOT/$f" ] || return 1; done
}

EXPECTED=$(expected_stamp)

# Fast path, no lock needed.
if [ -f "$STAMP" ] && [ "$(cat "$STAMP")" = "$EXPECTED" ] && all_results_present; then
    echo "fetch-payload: up to date ($ROOT)"
    exit 0
fi

# Serialise concurrent runs on the same BUILD_DIR.
exec 9>"$DEPS/.fetch-payload.lock"
flock 9
if [ -f "$STAMP" ] && [ "$(cat "$STAMP")" = "$EXPECTED" ] && all_results_present; then
    echo "fetch-payload: up to date ($ROOT)"
    exit 0
fi

mkdir -p "$DEBS"
LOG="$DEPS/fetch-payload.log"
: > "$LOG"

APT_OPTS=(-q)
# As root, apt drops to the _apt user to download; that user usually cannot write into
# BUILD_DIR, so download as root directly (no sudo involved either way).
[ "$(id -u)" = 0 ] && APT_OPTS+=(-o APT::Sandbox::User=root)

deb_field() { dpkg-deb -f "$1" "$2"; }

# find_deb PACKAGE VERSION -> path of an already-downloaded matching .deb, or nothing
find_deb() {
    local f
    for f in "$DEBS/$1"_*.deb; do
        [ -f "$f" ] || continue
        if [ "$(deb_field "$f" Package 2>/dev/null)" = "$1" ] &&
           [ "$(deb_field "$f" Version 2>/dev/null)" = "$2" ]; then
            echo "$f"; return 0
        fi
    done
    return 0
}

declare -A DEB_FOR
for pkg in "${PACKAGES[@]}"; do
    ver=$(pin_of "$pkg")
    deb=$(find_deb "$pkg" "$ver")
    if [ -z "$deb" ]; then
        # Remove stale downloads of other versions, then fetch the pinned one.
        rm -f "$DEBS/$pkg"_*.deb
        tmp=$(mktemp -d "$DEBS/.dl.XXXXXX")
        if ! (cd "$tmp" && apt-get "${APT_OPTS[@]}" download "$pkg=$ver") >>"$LOG" 2>&1; then
            rm -rf "$tmp"
            cat "$LOG" >&2
            die "apt-get download $pkg=$ver failed. The pinned version must be available from the" \
                "configured Debian 12 archive (check 'apt-cache policy $pkg'; run 'apt-get update'" \
                "or scripts/install-deps.sh), or update the pin in payload/versions.txt."
        fi
        got=("$tmp"/*.deb)
        if [ ${#got[@]} -ne 1 ] || [ ! -f "${got[0]}" ]; then
            rm -rf "$tmp"; die "apt-get download $pkg=$ver produced no single .deb"
        fi
        mv -f "${got[0]}" "$DEBS/"
        deb="$DEBS/$(basename "${got[0]}")"
        rm -rf "$tmp"
    fi
    got_pkg=$(deb_field "$deb" Package)
    got_ver=$(deb_field "$deb" Version)
    [ "$got_pkg" = "$pkg" ] || die "$deb is package '$got_pkg', expected '$pkg'"
    if [ "$got_ver" != "$ver" ]; then
        die "version mismatch for $pkg: downloaded $deb has Version '$got_ver' but" \
            "payload/versions.txt pins '$ver'"
    fi
    DEB_FOR[$pkg]=$deb
done

# Unpack into a fresh tree, then swap it in, so deps/root never holds a mix of versions.
NEW_ROOT=$(mktemp -d "$DEPS/.root.XXXXXX")
trap 'rm -rf "$NEW_ROOT"' EXIT
for pkg in "${PACKAGES[@]}"; do
    dpkg-deb -x "${DEB_FOR[$pkg]}" "$NEW_ROOT" || die "dpkg-deb -x ${DEB_FOR[$pkg]} failed"
done

# Make every result a real file inside the tree: a symlink (absolute targets are taken
# relative to the unpacked root, as dpkg would install them) is replaced by a copy of
# the file it finally points to ("/.." stays at the root, as for dpkg). A dangling link
# is an error.
materialize() {  # materialize REL
    local rel=$1 cur=$1 target hops=0
    while [ -L "$NEW_ROOT/$cur" ]; do
        hops=$((hops + 1))
        [ $hops -le 20 ] || die "symlink loop at /$rel"
        target=$(readlink "$NEW_ROOT/$cur")
        case $target in
            /*) cur=${target#/} ;;
            *)  cur=$(dirname "$cur")/$target ;;
        esac
        cur=$(realpath -m --relative-to=/ "/$cur")   # normalise "..", not following links
    done
    [ -f "$NEW_ROOT/$cur" ] || die "/$rel (-> /$cur) is missing after unpacking ${PACKAGES[*]}"
    if [ "$cur" != "$rel" ]; then
        cp --remove-destination -- "$NEW_ROOT/$cur" "$NEW_ROOT/$rel"
    fi
}
for f in "${RESULT_FILES[@]}"; do materialize "$f"; done

rm -f "$STAMP"
rm -rf "$ROOT.old"
[ -e "$ROOT" ] && mv "$ROOT" "$ROOT.old"
mv "$NEW_ROOT" "$ROOT"
trap - EXIT
rm -rf "$ROOT.old"
chmod 755 "$ROOT"

all_results_present || die "result files missing under $ROOT"
printf '%s\n' "$EXPECTED" > "$STAMP"
echo "fetch-payload: unpacked ${PACKAGES[*]} into $ROOT"
