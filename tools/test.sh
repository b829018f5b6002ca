#!/usr/bin/env bash
# Builds Zefra every way it ships and runs every test: the warnings-as-errors build with the
# window and end-to-end tests, the sanitizer build and the fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh test

for preset in ci sanitize fuzz; do
    echo "=== $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
