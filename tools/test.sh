#!/usr/bin/env bash
# Builds Zefra every way it ships and runs every test: the warnings-as-errors build with the
# window and end-to-end tests, the sanitizer build, the fuzz target, and the Windows builds
# with their tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh test

echo "=== format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

build_and_test() {
    local preset=$1
    shift
    echo "=== $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset" "$@"
}

for preset in ci sanitize fuzz; do
    build_and_test "$preset"
done

# One Wine prefix for the whole run.
wine_home=$(mktemp -d)
export WINEPREFIX=$wine_home/prefix
trap 'wineserver -k 2>/dev/null || true; rm -rf "$wine_home"' EXIT
bash tools/prepare-wine-prefix.sh "$WINEPREFIX"

if wine --version >/dev/null 2>&1; then
    build_and_test windows
else
    # Some kernels are built without 32-bit support, and 32-bit Wine cannot start there.
    echo "This machine cannot run 32-bit programs: Zefra.exe is checked as a file here, and"
    echo "its behaviour is tested in the 64-bit build of the same sources."
    build_and_test windows -R zefra_exe_identity
fi
build_and_test windows64
