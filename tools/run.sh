#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Installs what Zefra needs, builds it, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/debian-programs.sh

bash tools/install-deps.sh run
cmake --preset default >/dev/null
cmake --build --preset default --target Zefra
exec ./build/Zefra
