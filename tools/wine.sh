#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# What the tests, the benchmarks and the tools ask about Wine here: which loader runs a Windows
# program, whether and how 32-bit Wine runs, and a prefix made ready for tests. (The Windows
# builds' tests run their programs through tests/e2e/wine-run.sh, which asks this for the loader.)
#   wine.sh loader PROGRAM   prints the loader for a program: 32-bit Wine for a 32-bit one
#                            (PE machine 4c01), wine64 for any other and for Wine's own tools
#   wine.sh runs-32-bit      succeeds where 32-bit Wine runs: where this machine runs 32-bit
#                            programs, or under tools/i386-emulation.sh
#   wine.sh route            prints, on one line, how the 32-bit Windows builds' tests run here
#                            and why, its first word one of: "native" (32-bit Wine as it is),
#                            "emulated" (32-bit Wine under tools/i386-emulation.sh: where the
#                            kernel runs no 32-bit programs, or where ZEFRA_WINE32_ROUTE=emulated
#                            asks for it, which fails where it cannot run) or "twin" (neither
#                            runs: the 64-bit build's tests stand in)
#   wine.sh prepare PREFIX   makes a Wine prefix for the tests in the folder: windows drawn
#                            without a window manager's frame (otherwise each one stalls on
#                            hiding), and the window's fonts mapped to free look-alikes (Wine
#                            ignores fontconfig's aliases); keeps one it prepared before, unless
#                            32-bit Wine runs now and did not then (the prefix lacks its half)
set -euo pipefail
wine64=/usr/lib/wine/wine64
[ -x "$wine64" ] || wine64=wine
emulation=$(dirname "$0")/i386-emulation.sh
# The first qemu-user quick enough for Wine, of those measured: Debian 12's 7.2 took 65-79 s to
# start a console program under 32-bit Wine, Debian 13's 10.0 0.2-1.4 s. None between was tried.
quick_qemu=10

# 32-bit Wine runs here as things stand: natively, or under the emulation this runs in.
runs_32_bit() {
    wine --version >/dev/null 2>&1
}

route() {
    local asked=${ZEFRA_WINE32_ROUTE:-}
    case $asked in
        '' | emulated) ;;
        *) echo "ZEFRA_WINE32_ROUTE is \"$asked\"; the one route it can ask for is \"emulated\"." >&2
           return 2 ;;
    esac
    if [ -z "$asked" ] && runs_32_bit; then
        echo "native: this machine runs 32-bit programs, so 32-bit Wine runs the 32-bit builds."
        return
    fi
    local why="this machine runs no 32-bit programs"
    [ -z "$asked" ] || why="ZEFRA_WINE32_ROUTE=emulated asks for it"
    local version no=
    version=$(qemu-i386 --version 2>/dev/null | sed -n '1s/^qemu-i386 version \([0-9.]*\).*/\1/p')
    if [ -z "$version" ]; then
        no="no qemu-i386 is installed (Debian's qemu-user)"
    elif [ "${version%%.*}" -lt "$quick_qemu" ]; then
        no="qemu-i386 $version is too slow for Wine ($quick_qemu or later is quick)"
    elif ! "$emulation" wine --version >/dev/null 2>&1; then
        no="32-bit Wine does not start under qemu-i386 in a private namespace (Linux 6.7 or later,"
        no+=" user namespaces outside a chroot and wine32:i386 are needed; see"
        no+=" tools/i386-emulation.sh wine --version)"
    fi
    if [ -z "$no" ]; then
        echo "emulated: $why, so 32-bit Wine runs the 32-bit builds under qemu-i386 $version," \
            "in a private namespace."
    elif [ -n "$asked" ]; then
        echo "ZEFRA_WINE32_ROUTE=emulated, but $no." >&2
        return 1
    else
        echo "twin: $why and $no, so the i686 core tests run as a Linux build under qemu-i386," \
            "Zefra.exe is checked as a file and installed by 64-bit Wine, and the 64-bit build's" \
            "tests stand in for its behaviour."
    fi
}

machine() {  # the PE machine field: 4c01 for i386, 6486 for x86-64
    [ -f "$1" ] || return 0
    local offset
    offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    od -An -tx1 -j$((offset + 4)) -N2 "$1" | tr -d ' '
}

case "${1:-}" in
    loader)
        if [ "$(machine "$2")" = 4c01 ]; then echo wine; else echo "$wine64"; fi
        ;;
    runs-32-bit)
        runs_32_bit
        ;;
    route)
        route
        ;;
    prepare)
        prefix=$(realpath -m "$2")  # absolute, as Wine sees it on its drive Z:
        # Which Wine the prefix was made with: its 32-bit half is made only where 32-bit Wine runs.
        made_with=64-bit
        runs_32_bit && made_with=32-bit
        [ -f "$prefix/.prepared" ] &&
            { [ $made_with = 64-bit ] || [ "$(cat "$prefix/.prepared")" = 32-bit ]; } && exit 0
        rm -rf "$prefix"  # one left half-made
        trap 'echo "wine.sh prepare: \"$BASH_COMMAND\" failed; the end of $prefix.log:" >&2
              tail -n 20 "$prefix.log" >&2' ERR
        export WINEPREFIX=$prefix WINEDEBUG=-all
        # One Wine process makes the prefix and writes every setting. With one for each step, a
        # CI run once saw the third of four fail to start ("ShellExecuteEx failed"): each
        # process started is one more start that can fail.
        printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
            '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
            '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
            '"Comic Sans MS"="Comic Neue"' '"MS Sans Serif"="Liberation Sans"' >"$prefix.reg"
        trap 'rm -f "$prefix.reg"' EXIT
        "$wine64" reg import "Z:${prefix//\//\\}.reg" >"$prefix.log" 2>&1
        # The registry is written when the server ends; later runs start a fresh one.
        wineserver -w
        echo $made_with >"$prefix/.prepared"
        ;;
    *)
        echo "usage: $0 loader PROGRAM | runs-32-bit | route | prepare PREFIX" >&2
        exit 2
        ;;
esac
