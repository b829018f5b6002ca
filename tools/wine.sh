#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# What the tests, the benchmarks and the tools ask about Wine here: which loader runs a Windows
# program, whether 32-bit Wine runs, and a prefix made ready for tests. (The Windows builds'
# tests run their programs through tests/e2e/wine-run.sh, which asks this for the loader.)
#   wine.sh loader PROGRAM   prints the loader for a program: 32-bit Wine for a 32-bit one
#                            (PE machine 4c01), wine64 for any other and for Wine's own tools
#   wine.sh runs-32-bit      succeeds where this machine runs 32-bit programs, and so 32-bit Wine
#   wine.sh prepare PREFIX   makes a Wine prefix for the tests in the folder: windows drawn
#                            without a window manager's frame (otherwise each one stalls on
#                            hiding), and the window's fonts mapped to free look-alikes (Wine
#                            ignores fontconfig's aliases); keeps one it prepared before
set -euo pipefail
wine64=/usr/lib/wine/wine64
[ -x "$wine64" ] || wine64=wine

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
        wine --version >/dev/null 2>&1
        ;;
    prepare)
        prefix=$2
        [ -f "$prefix/.prepared" ] && exit 0
        rm -rf "$prefix"  # one left half-made
        export WINEPREFIX=$prefix WINEDEBUG=-all
        "$wine64" wineboot -i >"$prefix.log" 2>&1
        "$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$prefix.log" 2>&1
        for replacement in 'Comic Sans MS=Comic Neue' 'MS Sans Serif=Liberation Sans'; do
            "$wine64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${replacement%%=*}" \
                /d "${replacement#*=}" /f >>"$prefix.log" 2>&1
        done
        # The registry is written when the server ends; later runs start a fresh one.
        wineserver -w
        touch "$prefix/.prepared"
        ;;
    *)
        echo "usage: $0 loader PROGRAM | runs-32-bit | prepare PREFIX" >&2
        exit 2
        ;;
esac
