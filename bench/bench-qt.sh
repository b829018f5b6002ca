#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Builds the optimised program and the benchmarks, then prints the figures: start-up and memory
# against a bare Qt window on Xvfb, the click and 1 MiB echo times, and a soak of presses.
#   bash bench/bench-qt.sh [runs, 15 by default] [presses in the soak, 100000 by default]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/debian-programs.sh

bash tools/install-deps.sh bench-qt
cmake --preset bench >/dev/null
cmake --build --preset bench
export DBUS_SESSION_BUS_ADDRESS=disabled:
/usr/bin/python3 bench/start_bench.py build-bench/Zefra build-bench/bench/bare_window "${1:-15}"
build-bench/bench/window_bench "${2:-100000}"
