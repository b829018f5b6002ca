#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Builds Zefra.exe and a bare Win32 window, then prints their start-up times under Wine on Xvfb:
# 32-bit Wine where this machine runs 32-bit programs, wine64 otherwise.
#   bash bench/bench-wine.sh [runs, 15 by default]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/debian-programs.sh

bash tools/install-deps.sh bench-wine
preset=windows
tools/wine.sh runs-32-bit || preset=windows64
build=build-$preset-bench
cmake --preset "$preset" -B "$build" -DZEFRA_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build"
wine_home=$(mktemp -d)
export WINEPREFIX=$wine_home/prefix
trap 'wineserver -k 2>/dev/null || true; rm -rf "$wine_home"' EXIT
tools/wine.sh prepare "$WINEPREFIX"
/usr/bin/python3 bench/wine_start_bench.py "$build/Zefra.exe" "$build/bench/bare_win32_window.exe" \
    "${1:-15}"
