#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Installs, from Debian's packages, what Zefra needs to build and run ("run"), to make the
# release files ("release"), to build and run every test ("test"), or to run one of the
# benchmarks ("bench-qt", "bench-wine", "bench-web"). Does nothing when all of it is already
# there.
set -euo pipefail

run_packages=(
    cmake ninja-build g++ pkg-config librsvg2-bin python3
    qt6-base-dev libgl-dev
    fonts-comic-neue fonts-liberation2
)
# The release files: the Debian packages for amd64 and arm64 (cross-built, with Debian's Qt for
# arm64 beside the machine's own; CPack finds their libraries' packages with dpkg-dev and file),
# Zefra.exe and its installer, Zefra.html and the source archive.
release_packages=(
    git dpkg-dev file g++-mingw-w64-i686-win32 mingw-w64-i686-dev wixl python3-olefile emscripten
    g++-aarch64-linux-gnu qt6-base-dev:arm64 libgl-dev:arm64
)
# What the Qt program's benchmark and end-to-end tests drive it with: a private X server.
x11_packages=(xvfb xdotool python3-xlib)
# Zefra.exe and a bare window built for 32- and 64-bit Windows, run under Wine.
wine_packages=(
    g++-mingw-w64-i686-win32 mingw-w64-i686-dev g++-mingw-w64-x86-64-posix
    wine wine64 wine32:i386
)
# Zefra.html built and driven in three engines, WebKitGTK's on a private X server.
web_packages=(emscripten nodejs npm chromium firefox-esr webkit2gtk-driver xvfb)
# The tests build the release files too, and install the Debian packages in a throwaway root
# made with debootstrap.
test_packages=(
    "${release_packages[@]}" "${x11_packages[@]}" "${wine_packages[@]}" "${web_packages[@]}"
    googletest libgtest-dev
    clang clang-format libclang-rt-dev
    dbus desktop-file-utils appstream
    at-spi2-core python3-pyatspi qt6-wayland weston orca speech-dispatcher speech-dispatcher-espeak-ng
    g++-mingw-w64-i686-posix
    g++-i686-linux-gnu qemu-user qt6-wayland:arm64
    python3-pefile msitools lintian devscripts reuse
    debootstrap
)

case "${1:-}" in
    run) wanted=("${run_packages[@]}") ;;
    release) wanted=("${run_packages[@]}" "${release_packages[@]}") ;;
    test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
    bench-qt) wanted=("${run_packages[@]}" "${x11_packages[@]}") ;;
    bench-wine) wanted=("${run_packages[@]}" "${x11_packages[@]}" "${wine_packages[@]}") ;;
    bench-web) wanted=("${run_packages[@]}" "${web_packages[@]}") ;;
    *) echo "usage: $0 run|test|release|bench-qt|bench-wine|bench-web" >&2; exit 2 ;;
esac
mapfile -t wanted < <(printf '%s\n' "${wanted[@]}" | sort -u)

# Each package must be installed at a version that Debian's archive has. A package of the same
# name from elsewhere (a machine image's own Node, say) is not what these lists ask for, and is
# replaced by Debian's.
missing=()
installed=()
versions=()
for package in "${wanted[@]}"; do
    # The first of the machine's own and other processors' copies, which go at one version.
    status=$(dpkg-query -W -f='${db:Status-Status} ${Version}\n' "$package" 2>/dev/null |
        head -n 1 || true)
    if [[ $status == "installed "* ]]; then
        installed+=("$package")
        versions+=("${status#installed }")
    else
        missing+=("$package")
    fi
done
# One look-up in the archive for all of them: "name version" a line, without the processor.
archive=$(apt-cache madison "${installed[@]}" 2>/dev/null |
    awk -F'|' '{ gsub(/ /, ""); sub(/:.*/, "", $1); print $1, $2 }')
foreign=()
for i in "${!installed[@]}"; do
    grep -qxF "${installed[i]%%:*} ${versions[i]}" <<<"$archive" || foreign+=("${installed[i]}")
done
[ ${#missing[@]} -eq 0 ] && [ ${#foreign[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]} ${foreign[*]}"
# Packages of other processors need their architecture added first.
for arch in $(printf '%s\n' "${missing[@]}" | sed -n 's/^[^:]*:\([a-z0-9]*\)$/\1/p' | sort -u); do
    dpkg --print-foreign-architectures | grep -qx "$arch" ||
        "${sudo[@]}" dpkg --add-architecture "$arch"
done
# A mirror part-way through a sync fails one index now and then: try again, and then go on with
# the lists that did arrive, since apt-get install says so plainly if a package is not there.
for try in 1 2 3; do
    "${sudo[@]}" apt-get update -q && break
    if [ "$try" -lt 3 ]; then
        sleep 20
    else
        echo "apt-get update failed three times; going on with the package lists it read." >&2
    fi
done
# Debian's own version of each foreign package, newest first in the archive's list.
for package in "${foreign[@]}"; do
    version=$(apt-cache madison "$package" | awk -F'|' 'NR == 1 { gsub(/ /, "", $2); print $2 }')
    missing+=("$package=$version")
done
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --allow-downgrades \
    "${missing[@]}"
