#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Runs the test command again in a fresh Debian 13 root made with debootstrap, then installs
# there the Debian package that this machine's build made and runs the installed-program test
# against it. Run after tools/test.sh, from a git checkout, as root. The root and everything
# mounted in it are gone when this ends, however it ends.
#   tools/test-on-debian13.sh [MIRROR]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/debian-programs.sh
mirror=${1:-http://deb.debian.org/debian}

stage_started=$SECONDS
stage() {
    echo "=== Debian 13: $1 (the stage before took $((SECONDS - stage_started)) s)"
    stage_started=$SECONDS
}

# Making the root and mounting in it take root.
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
[ -d build-ci ] || { echo "Run tools/test.sh first: the package comes from its build." >&2; exit 1; }

stage "making the root"
command -v debootstrap >/dev/null || apt-get install -y -q debootstrap
root=$(mktemp -d /var/tmp/zefra-debian13.XXXXXX)
mounted=()
# Processes left running in the root (a bus, an X server, a wineserver) would keep its mounts
# busy: they are ended first. The root is removed only when nothing is mounted in it, so that
# a mount that would not go can never take the machine's /dev with it.
leave_root() {
    local pid
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && kill -9 "${pid#/proc/}" 2>/dev/null
    done
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}"
    done
    if grep -qF " $root/" /proc/self/mounts; then
        echo "Left in place, as something is still mounted in it: $root" >&2
        return 1
    fi
    rm -rf --one-file-system "$root"
}
trap leave_root EXIT
mount_in_root() {
    local target=$root$1
    shift
    mount "$@" "$target"
    mounted+=("$target")
}

debootstrap --variant=minbase trixie "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
    tail -n 30 "$root.debootstrap.log" >&2
    rm -f "$root.debootstrap.log"
    exit 1
}
rm -f "$root.debootstrap.log"
cat >"$root/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: trixie trixie-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: ${mirror%/debian}/debian-security
Suites: trixie-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
rm -f "$root/etc/apt/sources.list"

mount_in_root /proc -t proc proc
# The machine's /dev, kept from passing mounts back to it.
mount_in_root /dev --bind /dev
mount --make-private "$root/dev"
mount_in_root /dev/pts --bind /dev/pts
mount_in_root /dev/shm -t tmpfs -o mode=1777 tmpfs

# Behind a TLS-inspecting proxy the machine trusts certificates that a fresh system lacks: its
# own additions, and the file npm is told to trust, go in with it.
mkdir -p "$root/usr/local/share/ca-certificates"
cp -a /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
cafile=$(npm config get cafile 2>/dev/null || true)
npm_environment=()
if [ -n "$cafile" ] && [ "$cafile" != null ] && [ -f "$cafile" ]; then
    cp "$cafile" "$root/etc/npm-cafile.pem"
    npm_environment=(npm_config_cafile=/etc/npm-cafile.pem)
fi
in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        PATH=/usr/bin:/bin:/usr/sbin:/sbin "${npm_environment[@]}" "$@"
}
in_root apt-get update -q
in_root apt-get install -y -q --no-install-recommends ca-certificates git
in_root update-ca-certificates >/dev/null

git clone -q --no-hardlinks . "$root/root/zefra"
stage "the test command, in the root"
in_root bash /root/zefra/tools/test.sh

stage "the package built on Debian $(cut -d. -f1 /etc/debian_version) installed there"
package_folder=$(mktemp -d "$root/root/package.XXXXXX")
(cd build-ci && cpack -G DEB -B "$package_folder" >/dev/null)
package=$(find "$package_folder" -maxdepth 1 -name 'zefra_*.deb' -print -quit)
in_root env ZEFRA_DEB="${package#"$root"}" \
    ctest --test-dir /root/zefra/build-ci -R '^zefra_install$' --verbose
echo "=== Debian 13: done, the whole stage took $SECONDS s"
