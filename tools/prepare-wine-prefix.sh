#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Makes a Wine prefix for the Windows tests in the given folder: windows drawn without a window
# manager's frame (otherwise each one stalls on hiding), and the window's fonts mapped to free
# look-alikes (Wine ignores fontconfig's aliases).
set -euo pipefail
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=-all
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=wine

"$wine" wineboot -i >"$prefix.log" 2>&1
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$prefix.log" 2>&1
for replacement in 'Comic Sans MS=Comic Neue' 'MS Sans Serif=Liberation Sans'; do
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${replacement%%=*}" \
        /d "${replacement#*=}" /f >>"$prefix.log" 2>&1
done
# The registry is written when the server ends; later runs start a fresh one.
wineserver -w
