#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Makes the release files of the checked-out commit in release/: the Debian packages, the zip
# and the installer for Windows, the page for browsers, the web app's zip, the source archive
# and SHA256SUMS over them. Two runs on the same commit give the same bytes, wherever the
# checkout is and whoever runs them.
#   bash tools/release.sh [folder, release/ by default]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/debian-programs.sh
# The files are for everyone to read, and the package's own headers take their modes from them.
umask 022
out=$(realpath -m "${1:-release}")

bash tools/install-deps.sh release
git rev-parse --git-dir >/dev/null 2>&1 || {
    echo "The release files are made from a git checkout." >&2
    exit 1
}

cmake --preset default >/dev/null
cmake --build --preset default
cmake --preset arm64 -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset arm64
cmake --preset windows >/dev/null
cmake --build --preset windows --target Zefra
cmake --preset web >/dev/null
cmake --build --preset web --target zefra_page zefra_web_app

rm -rf "$out"
mkdir -p "$out"
cpack_work=$(mktemp -d)
trap 'rm -rf "$cpack_work"' EXIT
for build in build build-arm64; do
    (cd "$build" && cpack -G DEB -B "$cpack_work" >/dev/null)
done
cp "$cpack_work"/zefra_*.deb "$out/"

/usr/bin/python3 tools/make_release_files.py "$out" "$(cat build/source-date-epoch)"
echo "Release files in $out:"
(cd "$out" && cat SHA256SUMS)
