#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Installs, from Debian's packages, what Zefra needs to build and run ("run"), to make the
# release files ("release"), or to build and run every test ("test"). Does nothing when all of
# it is already there.
set -euo pipefail

run_packages=(
    cmake ninja-build g++ pkg-config librsvg2-bin python3
    qt6-base-dev libgl-dev
    fonts-comic-neue fonts-liberation2
)
# The release files: the Debian package, Zefra.exe, Zefra.html and the source archive.
release_packages=(
    git dpkg-dev g++-mingw-w64-i686-win32 mingw-w64-i686-dev emscripten
)
# The tests build the release files too.
test_packages=(
    "${release_packages[@]}"
    googletest libgtest-dev
    clang clang-format libclang-rt-14-dev
    xvfb xdotool python3-xlib dbus
    desktop-file-utils appstream
    at-spi2-core python3-pyatspi qt6-wayland weston
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    g++-i686-linux-gnu qemu-user
    wine wine64 wine32:i386 python3-pefile
    lintian devscripts reuse chromium
)

case "${1:-}" in
    run) wanted=("${run_packages[@]}") ;;
    release) wanted=("${run_packages[@]}" "${release_packages[@]}") ;;
    test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 run|test|release" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q \
    "${missing[@]}"
