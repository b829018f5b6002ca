#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Runs a command in which every 32-bit x86 Linux program, started by the command or by anything
# it starts, runs under user-mode emulation (Debian's qemu-i386): 32-bit Wine, for one, on a
# machine whose kernel runs no 32-bit programs. The rule that hands such programs to qemu-i386
# is made in a private user and mount namespace with a binfmt_misc of its own (Linux 6.7 and
# later), and goes with it when the command ends: a rule in the machine's own binfmt_misc would
# send every 32-bit program on the machine into qemu, and is never made. The command runs as
# the user who ran this.
#   i386-emulation.sh COMMAND...
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 COMMAND..." >&2; exit 2; }
qemu=$(command -v qemu-i386) || { echo "qemu-i386 is not installed (Debian's qemu-user)." >&2; exit 1; }

# An i386 program or library, matched as qemu's own binfmt configuration matches it: the ELF
# header of a 32-bit little-endian file for machine 3 (i386). Flag F opens qemu-i386 now, so
# that Wine's starts of its own 32-bit helpers find it however their search path reads.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
rule=":zefra-qemu-i386:M::$magic:$mask:$qemu:F"

# The rule is written as the namespace's root, which the binfmt_misc belongs to; the command
# runs in a namespace within it (whose programs the rule reaches too) as the user who ran this,
# with none of that root's capabilities.
exec unshare --user --map-root-user --mount -- bash -c '
    set -e
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    echo "$1" >/proc/sys/fs/binfmt_misc/register
    exec unshare --user --map-user="$2" --map-group="$3" -- "${@:4}"' \
    i386-emulation "$rule" "$(id -u)" "$(id -g)" "$@"
