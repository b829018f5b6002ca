#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Runs the test command again in a fresh Debian 13 root (tools/debian-root.sh), then installs
# there the Debian package that this machine's build made and runs the installed-program test
# against it. Run after tools/test.sh, from a git checkout, as root. The root's Debian archive is
# the one the machine's apt uses, or MIRROR. The root and its mounts are removed when this ends,
# however it ends; a root a mount keeps busy is left in place, and named.
#   tools/test-on-debian13.sh [MIRROR]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/debian-programs.sh
[ $# -eq 0 ] || export ZEFRA_DEBIAN_MIRROR=$1

stage_started=$SECONDS
stage_name=
# Each stage's name when it starts, and its own time when it ends.
stage() {
    [ -z "$stage_name" ] || echo "=== Debian 13: $stage_name done in $((SECONDS - stage_started)) s"
    stage_name=$1
    stage_started=$SECONDS
    [ -z "$stage_name" ] || echo "=== Debian 13: $stage_name"
}

# Making the root and mounting in it take root.
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
[ -d build-ci ] || { echo "Run tools/test.sh first: the package comes from its build." >&2; exit 1; }

stage "making the root"
root=$(mktemp -d /var/tmp/zefra-debian13.XXXXXX)
trap 'tools/debian-root.sh remove "$root"' EXIT
tools/debian-root.sh make trixie "$root" git
git clone -q --no-hardlinks . "$root/root/zefra"
[ -z "$(git status --porcelain --untracked-files=no)" ] ||
    echo "Tracked files differ from the commit: the root tests the commit, the package is built from them."

# The root is a throwaway system: the test command's installed-program tests install the
# package straight into its package database, with no root of their own inside it.
stage "the test command, in the root"
tools/debian-root.sh run "$root" bash /root/zefra/tools/test.sh

stage "the package built on Debian $(cut -d. -f1 /etc/debian_version) installed there"
package_folder=$(mktemp -d "$root/root/package.XXXXXX")
(cd build-ci && cpack -G DEB -B "$package_folder" >/dev/null)
package=$(find "$package_folder" -maxdepth 1 -name 'zefra_*.deb' -print -quit)
tools/debian-root.sh run "$root" env ZEFRA_DEB="${package#"$root"}" \
    ctest --test-dir /root/zefra/build-ci -R '^zefra_install$' --verbose
stage ""
echo "=== Debian 13: the whole stage took $SECONDS s"
