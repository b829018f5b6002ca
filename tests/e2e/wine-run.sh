#!/bin/sh
# Runs a Windows program under Wine and passes on its output and exit status. Wine's helper
# processes inherit standard output and error and outlive the program, so the output goes
# through a file: a pipe from CTest would stay open until they end.
# The 64-bit loader runs 64-bit programs; "wine" picks the loader for 32-bit ones.
case "$(od -An -tx1 -j"$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')" -N6 "$1" | tr -d ' ')" in
    50450000648*) loader=/usr/lib/wine/wine64 ;;  # "PE\0\0" then machine 0x8664
    *) loader=wine ;;
esac
output=$(mktemp)
WINEDEBUG=${WINEDEBUG:--all} "$loader" "$@" >"$output" 2>&1 </dev/null
status=$?
cat "$output"
rm -f "$output"
exit $status
