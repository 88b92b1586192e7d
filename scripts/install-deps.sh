#!/bin/bash
# Installs every Debian package the build and the tests need; quick when nothing is missing.
set -euo pipefail

PACKAGES=(cmake make g++ zlib1g-dev g++-mingw-w64-i686 mingw-w64-i686-dev libz-mingw-w64-dev
          g++-mingw-w64-x86-64 mingw-w64-x86-64-dev wine wine32:i386 wine64 xvfb googletest
          imagemagick x11-utils dpkg-dev python3 clang libclang-rt-14-dev binutils-mingw-w64-i686)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    need_update=1
fi

# "apt-get source" needs a deb-src entry; it must carry the same signed-by keyring as the
# existing entry or apt refuses both.
if ! grep -rqs '^\(Types:.*deb-src\|deb-src\)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    mirror=$(awk '/^URIs:/{print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
    mirror=${mirror:-http://deb.debian.org/debian}
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main" |
        as_root tee /etc/apt/sources.list.d/ruspell-src.list >/dev/null
    need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_update = 1 ]; then
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
