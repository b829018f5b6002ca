#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Makes the README's pictures anew from the real programs (run it when the window changes):
# docs/zefra-linux.png, docs/zefra-windows.png and docs/zefra-phone.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/debian-programs.sh

bash tools/install-deps.sh test
npm ci --prefix tests/web --no-audit --no-fund >/dev/null
cmake --preset default >/dev/null
cmake --build --preset default --target Zefra
# The 64-bit build draws the same window, and runs where 32-bit programs cannot.
cmake --preset windows64 >/dev/null
cmake --build --preset windows64 --target Zefra
cmake --preset web >/dev/null
cmake --build --preset web --target zefra_page

wine_home=$(mktemp -d)
export WINEPREFIX=$wine_home/prefix
trap 'wineserver -k 2>/dev/null || true; rm -rf "$wine_home"' EXIT
tools/wine.sh prepare "$WINEPREFIX"
/usr/bin/python3 tools/screenshots.py build/Zefra build-windows64/Zefra.exe build-web/Zefra.html
ls -l docs/*.png
