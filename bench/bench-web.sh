#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Builds Zefra.html, then prints the time from navigation to the ball's first paint in headless
# Chromium and Firefox ESR and in WebKitGTK's MiniBrowser, each against a bare page with the same
# elements, the time until Zefra is ready to answer, and where Zefra's time goes in Chromium.
#   bash bench/bench-web.sh [runs, 15 by default] [engine: chromium, firefox or webkit ...]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/debian-programs.sh

bash tools/install-deps.sh bench-web
npm ci --prefix tests/web --no-audit --no-fund >/dev/null
cmake --preset web -B build-web-bench -DBUILD_TESTING=OFF >/dev/null
cmake --build build-web-bench --target zefra_page
node bench/web_start_bench.js build-web-bench/Zefra.html "${1:-15}" "${@:2}"
