#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Builds Zefra every way it ships and runs every test: the warnings-as-errors build with the
# window and end-to-end tests, the sanitizer build, the fuzz target, the benchmarks (built, not
# run), the Windows builds with their tests under Wine, the arm64 build with its tests under
# emulation, the web build with its browser test, and last the release checks. It changes
# nothing on the machine but the packages it installs: the Debian packages are installed only in
# a throwaway root, and Wine runs in the builds' own prefixes.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/debian-programs.sh

# Each stage says its own time when it ends, so that a slow one stands out.
stage_started=$SECONDS
stage_name=
stage() {
    [ -z "$stage_name" ] || echo "=== $stage_name done in $((SECONDS - stage_started)) s"
    stage_name=$1
    stage_started=$SECONDS
    [ -z "$stage_name" ] || echo "=== $stage_name"
}

stage "installing what the tests need"
bash tools/install-deps.sh test

in_git_checkout=false
git rev-parse --git-dir >/dev/null 2>&1 && in_git_checkout=true

# The installed-program tests (ci and arm64) install the Debian packages in a throwaway root:
# this very system where it is one, else a root of this machine's Debian release, made in the
# background while the first builds run.
package_root=
package_root_maker=
if tools/debian-root.sh inside; then
    echo "This system is a throwaway root: the installed-program tests install the packages in it."
elif [ "$(id -u)" -eq 0 ]; then
    package_root=$(mktemp -d /var/tmp/zefra-package-root.XXXXXX)
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "The installed-program tests install the packages in a throwaway Debian $release root," \
        "$package_root, made meanwhile (log: $package_root.log); none in this machine's own."
    setsid bash -c 'set -e
        tools/debian-root.sh make "$1" "$2" python3 python3-xlib xvfb xdotool qemu-user
        tools/debian-root.sh run "$2" dpkg --add-architecture arm64
        tools/debian-root.sh run "$2" apt-get update -q
        tools/debian-root.sh share "$2" "$PWD" /zefra-source' \
        make-root "$release" "$package_root" >"$package_root.log" 2>&1 &
    package_root_maker=$!
    export ZEFRA_PACKAGE_ROOT=$package_root
else
    echo "Not root: the installed-program tests check the Debian packages as files, and install" \
        "them nowhere."
fi
leave() {
    if [ -n "$package_root_maker" ]; then
        kill -- "-$package_root_maker" 2>/dev/null || true
        wait "$package_root_maker" 2>/dev/null || true
    fi
    [ -z "$package_root" ] || { tools/debian-root.sh remove "$package_root" && rm -f "$package_root.log"; }
}
trap leave EXIT
wait_for_package_root() {
    [ -n "$package_root_maker" ] || return 0
    wait "$package_root_maker" || {
        tail -n 30 "$package_root.log" >&2
        echo "Making the throwaway root failed (log above)." >&2
        exit 1
    }
    package_root_maker=
}

stage format
if $in_git_checkout; then
    git ls-files '*.cpp' '*.h'
else
    find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print
fi | xargs clang-format --dry-run --Werror
/usr/bin/python3 tools/check_documents.py

build() {
    stage "$1"
    cmake --preset "$1"
    cmake --build --preset "$1"
}
build_and_test() {
    local preset=$1
    shift
    build "$preset"
    case $preset in ci | arm64) wait_for_package_root ;; esac
    ctest --preset "$preset" "$@"
}

for preset in ci sanitize fuzz; do
    build_and_test "$preset"
done
# The benchmarks must build; their figures come from bench/, run by hand.
build bench

# The 32-bit tests run in every run, and the line below says how and why (tools/wine.sh route):
# natively under 32-bit Wine where the kernel runs 32-bit programs; where it does not, under
# 32-bit Wine on qemu-i386 in a private namespace (tools/i386-emulation.sh), which makes the
# tests' Wine prefixes there too; and where neither can run, as an i686 Linux build of the core
# tests under qemu-i386, with Zefra.exe checked as a file and its installer installed and
# removed by 64-bit Wine, and its behaviour tested in the 64-bit build. Each Wine build's tests
# run in a Wine prefix of its own, in its build folder.
wine32_route=$(tools/wine.sh route)
echo "The 32-bit route is $wine32_route"
case $wine32_route in
    native:*)
        build_and_test windows-core
        build_and_test windows
        ;;
    emulated:*)
        for preset in windows-core windows; do
            build "$preset"
            tools/i386-emulation.sh ctest --preset "$preset"
        done
        ;;
    *)
        build_and_test i686
        build_and_test windows -R 'zefra_exe_identity|zefra_installer_e2e'
        ;;
esac
# The 64-bit build's tests run on every route: where the 32-bit ones run too, they keep
# Zefra.exe's source honest as a 64-bit program (a twin that broke would go unseen until the
# 32-bit route was lost), for a few minutes.
build_and_test windows64

# The Qt program for 64-bit ARM: its core, window, end-to-end and installed-package tests, run
# under user-mode emulation.
echo "The arm64 build's tests run under qemu-aarch64, on this machine's $(uname -m) processor."
build_and_test arm64

# The browser tests drive Debian's Chromium, Firefox ESR and WebKitGTK, with drivers and axe-core
# from the npm registry as locked.
npm ci --prefix tests/web --no-audit --no-fund
build_and_test web

stage release
if $in_git_checkout; then
    [ -z "$(git status --porcelain --untracked-files=no)" ] ||
        echo "Tracked files differ from the commit: the release checks test the commit, not them."
    ctest --preset release
else
    echo "Not a git checkout: the release files are made and compared from git checkouts, so"
    echo "the release checks (REUSE, lintian, reproducibility, source archive) run there."
fi
stage ""
echo "=== The whole test command took $SECONDS s"
