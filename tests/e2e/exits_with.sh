#!/bin/sh
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Passes where a command exits with the given status and says what it should, on standard output
# or error: a program that ends through the fatal-failure path must both say so and fail.
#   exits_with.sh STATUS PATTERN COMMAND...   (PATTERN as grep takes it)
expected=$1 pattern=$2
shift 2
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ "$status" != "$expected" ]; then
    echo "exited with status $status, not $expected"
    exit 1
fi
printf '%s\n' "$output" | grep -q -e "$pattern" || { echo "said nothing like: $pattern"; exit 1; }
