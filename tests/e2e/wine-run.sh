#!/bin/sh
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Runs a Windows program (or one of Wine's own, such as "reg") under Wine and passes on its
# output and exit status. Wine's helper processes inherit standard output and error and outlive
# the program, so the output goes through a file: a pipe from CTest would stay open until they
# end.
loader=$("$(dirname "$0")/../../tools/wine.sh" loader "$1")
output=$(mktemp)
WINEDEBUG=${WINEDEBUG:--all} "$loader" "$@" >"$output" 2>&1 </dev/null
status=$?
cat "$output"
rm -f "$output"
exit $status
