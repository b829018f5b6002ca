#!/bin/sh
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Runs a Windows program (or one of Wine's own, such as "reg") under Wine and passes on its
# output and exit status. Wine's helper processes inherit standard output and error and outlive
# the program, so the output goes through a file: a pipe from CTest would stay open until they
# end.
machine() {  # the PE machine field: 4c01 for i386, 6486 for x86-64
    [ -f "$1" ] || return
    offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    od -An -tx1 -j$((offset + 4)) -N2 "$1" | tr -d ' '
}
if [ "$(machine "$1")" = 4c01 ] || [ ! -x /usr/lib/wine/wine64 ]; then
    loader=wine
else
    loader=/usr/lib/wine/wine64
fi
output=$(mktemp)
WINEDEBUG=${WINEDEBUG:--all} "$loader" "$@" >"$output" 2>&1 </dev/null
status=$?
cat "$output"
rm -f "$output"
exit $status
