#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Makes the release files of the checked-out commit: the Debian packages, the zip and the
# installer for Windows, the page for browsers, the web app's zip, the source archive and
# SHA256SUMS over them. Two runs on the same commit give the same bytes, wherever the checkout is
# and whoever runs them. It refuses a working tree whose tracked files differ from the commit,
# so that what is released is the commit; and it writes into a new or empty folder, or replaces
# the files of a release folder it made before, and removes nothing else.
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
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "The working tree differs from the commit it checks out; commit or stash first:" >&2
    git status --short --untracked-files=no >&2
    exit 1
fi
# A folder that was here before is either empty or a release: SHA256SUMS and the files it names.
previous=()
if [ -d "$out" ] && [ -n "$(ls -A "$out")" ]; then
    if [ -f "$out/SHA256SUMS" ]; then
        mapfile -t previous < <(sed -n 's/^[0-9a-f]\{64\}  \([^/]*\)$/\1/p' "$out/SHA256SUMS")
        previous+=(SHA256SUMS)
    fi
    for entry in "$out"/* "$out"/.[!.]*; do
        [ -e "$entry" ] || [ -L "$entry" ] || continue
        name=${entry##*/}
        if [ -L "$entry" ] || [ ! -f "$entry" ] || ! printf '%s\n' "${previous[@]}" | grep -qxF -- "$name"; then
            echo "$out holds $name, which no release there made: choose a new or empty folder." >&2
            exit 1
        fi
    done
fi
echo "Releasing commit $(git rev-parse HEAD) into $out"

cmake --preset default >/dev/null
cmake --build --preset default
cmake --preset arm64 -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset arm64
cmake --preset windows -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset windows --target Zefra
# Without the tests, which need GoogleTest and node's drivers; the presets turn them on again.
cmake --preset web -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset web --target zefra_page zefra_web_app

for name in "${previous[@]}"; do
    rm -f "$out/$name"
done
mkdir -p "$out"
cpack_work=$(mktemp -d)
trap 'rm -rf "$cpack_work"' EXIT
for build in build build-arm64; do
    (cd "$build" && cpack -G DEB -B "$cpack_work" >/dev/null)
done
cp "$cpack_work"/zefra_*.deb "$out/"

/usr/bin/python3 tools/make_release_files.py "$out" "$(cat build/source-date-epoch)"
echo "Release files of commit $(git rev-parse --short HEAD) in $out:"
(cd "$out" && cat SHA256SUMS)
