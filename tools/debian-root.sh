#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Throwaway Debian systems made with debootstrap, for what must not touch the machine's own: the
# Debian 13 stage and the installed-program test. Debian's archive is the one the machine's apt
# uses (its sources.list and .sources files, as apt itself reads them), or ZEFRA_DEBIAN_MIRROR.
# Run as root:
#   debian-root.sh make SUITE ROOT [PACKAGE...]  makes ROOT (a new or empty folder) a Debian SUITE
#                                                with /proc and /dev, the machine's CA certificates
#                                                and npm's cafile, apt's lists and PACKAGE...
#   debian-root.sh share ROOT FOLDER TARGET      shows FOLDER read-only at TARGET in the root
#   debian-root.sh run ROOT COMMAND...           runs COMMAND in the root, in a clean environment
#                                                and namespaces of its own; all that it started
#                                                ends with it
#   debian-root.sh remove ROOT                   ends the root's processes, unmounts and removes
#                                                it; leaves it, and says so, if a mount stays
#   debian-root.sh mirror                        prints the archive and security archive apt uses
#   debian-root.sh inside                        succeeds on a system that is such a root
set -euo pipefail

# What marks a root as made here: a test may install packages in the package database of a
# system that carries it, and in no other.
marker=/etc/zefra-throwaway-root

# The Debian archive and its security archive, as apt has them: the first package list of each
# whose Release file says Origin Debian, label Debian or Debian-Security. Needs apt's lists.
apt_archives() {
    apt-cache policy | awk '
        /^ *[0-9]+ [a-z]+:\/\// { uri = $2; next }
        /^ *release / && /o=Debian,/ && uri != "" {
            if (/l=Debian-Security,/ && security == "") security = uri
            else if (/l=Debian,/ && archive == "") archive = uri
            uri = ""
        }
        END { print archive; print security }'
}

# COMMAND runs with the root as the root of a mount namespace of its own, not in a chroot: the
# kernel lets no chrooted process make a user namespace, which the emulated 32-bit Wine tests
# need (tools/i386-emulation.sh). The root's mounts are carried in, and nothing mounted in the
# namespace reaches the machine. It is a process namespace of its own too, with a /proc of its
# own: whatever the command leaves running (a bus, an X server, a wineserver) ends with it.
in_root() {
    local root
    root=$(realpath "$1")
    shift
    local npm=()
    [ -f "$root/etc/npm-cafile.pem" ] && npm=(npm_config_cafile=/etc/npm-cafile.pem)
    unshare --mount --propagation private --pid --fork --kill-child -- bash -c '
        set -e
        root=$1
        shift
        mount --rbind "$root" "$root"
        old=$(mktemp -d "$root/tmp/machine-root.XXXXXX")
        cd "$root"
        pivot_root . "${old#"$root/"}"
        cd /
        umount -l "${old#"$root"}"
        rmdir "${old#"$root"}"
        mount -t proc proc /proc
        # The command runs as a child of this shell, not in its place: the first process of
        # a process namespace takes no signal it has no handler for, such as a Ctrl-C.
        "$@" || exit
        exit 0' enter-root "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        PATH=/usr/bin:/bin:/usr/sbin:/sbin "${npm[@]}" "$@"
}

# Processes left running in the root (a bus, an X server, a wineserver) would keep its mounts
# busy: they are ended first. The root is removed only when nothing is mounted in it, so that a
# mount that would not go can never take the machine's /dev with it.
remove_root() {
    local root pid target
    root=$(realpath -m "$1")
    [ -d "$root" ] || return 0
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && kill -9 "${pid#/proc/}" 2>/dev/null
    done
    # The deepest mounts first.
    for target in $(awk -v root="$root/" 'index($2, root) == 1 { print $2 }' /proc/self/mounts |
        sort -r); do
        umount "$target" 2>/dev/null || umount -l "$target"
    done
    if grep -qF " $root/" /proc/self/mounts; then
        echo "Left in place, as something is still mounted in it: $root" >&2
        return 1
    fi
    rm -rf --one-file-system "$root"
}

make_root() {
    local suite=$1 root
    root=$(realpath -m "$2")
    shift 2
    local archive security
    { read -r archive; read -r security; } < <(apt_archives)
    archive=${ZEFRA_DEBIAN_MIRROR:-$archive}
    if [ -z "$archive" ]; then
        echo "apt knows no Debian archive here: run apt-get update, or set ZEFRA_DEBIAN_MIRROR." >&2
        exit 1
    fi
    command -v debootstrap >/dev/null || apt-get install -y -q debootstrap
    mkdir -p "$root"
    echo "Making a Debian $suite root in $root from $archive"
    local log
    log=$(mktemp)
    debootstrap --variant=minbase "$suite" "$root" "$archive" >"$log" 2>&1 || {
        tail -n 30 "$log" >&2
        rm -f "$log"
        exit 1
    }
    rm -f "$log"
    echo "A throwaway root made by tools/debian-root.sh: its packages may be installed and removed." \
        >"$root$marker"
    {
        printf 'Types: deb\nURIs: %s\nSuites: %s %s-updates\nComponents: main\n' \
            "$archive" "$suite" "$suite"
        printf 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'
        if [ -n "$security" ]; then
            printf '\nTypes: deb\nURIs: %s\nSuites: %s-security\nComponents: main\n' \
                "$security" "$suite"
            printf 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'
        fi
    } >"$root/etc/apt/sources.list.d/debian.sources"
    rm -f "$root/etc/apt/sources.list"

    mount -t proc proc "$root/proc"
    # The machine's /dev, kept from passing mounts back to it.
    mount --bind /dev "$root/dev"
    mount --make-private "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"

    # Behind a TLS-inspecting proxy the machine trusts certificates that a fresh system lacks:
    # its own additions, and the file npm is told to trust, go in with it.
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp -a /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
    local cafile
    cafile=$(npm config get cafile 2>/dev/null || true)
    if [ -n "$cafile" ] && [ "$cafile" != null ] && [ -f "$cafile" ]; then
        cp "$cafile" "$root/etc/npm-cafile.pem"
    fi
    in_root "$root" apt-get update -q
    in_root "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
        --no-install-recommends ca-certificates "$@"
    in_root "$root" update-ca-certificates >/dev/null
}

share() {
    local root=$1 folder=$2 target=$1$3
    mkdir -p "$target"
    mount --bind "$folder" "$target"
    mount --make-private "$target"
    mount -o remount,bind,ro "$target"
}

usage() {
    echo "usage: $0 make SUITE ROOT [PACKAGE...] | share ROOT FOLDER TARGET | run ROOT COMMAND..." \
        "| remove ROOT | mirror | inside" >&2
    exit 2
}
case "${1:-}" in
    make) [ $# -ge 3 ] || usage; make_root "${@:2}" ;;
    share) [ $# -eq 4 ] || usage; share "${@:2}" ;;
    run) [ $# -ge 3 ] || usage; in_root "${@:2}" ;;
    remove) [ $# -eq 2 ] || usage; remove_root "$2" ;;
    mirror) apt_archives ;;
    inside) [ -f "$marker" ] ;;
    *) usage ;;
esac
