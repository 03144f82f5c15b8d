#!/bin/bash
# Installs everything the build and the tests need on a Debian 12 machine.
# Safe to run again: it only installs what is missing, so a second run takes seconds.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi

need_i386=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    need_i386=1
fi

packages=(
    cmake g++ make ninja-build pkg-config
    g++-mingw-w64-i686 mingw-w64-i686-dev libz-mingw-w64-dev
    zlib1g-dev libbz2-dev
    googletest libgtest-dev
    wine wine32:i386
    xvfb xauth x11-utils imagemagick
    locales fonts-wqy-microhei
    libstorm-dev smpq
    clang libclang-rt-14-dev
    zip unzip
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -q
    $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
: "$need_i386"

if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
    echo "setup: generating zh_CN.UTF-8"
    if ! grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    fi
    $SUDO locale-gen >/dev/null
fi
