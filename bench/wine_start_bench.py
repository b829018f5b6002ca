# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""Zefra.exe against the barest Win32 window of the same size, under Wine on a private X
server with its Wine server kept running, observed from outside: the time from starting the
program to its first painted frame. Runs alternate between the two programs.
    wine_start_bench.py ZEFRA_EXE BARE_EXE [RUNS]"""

import functools
import os
import statistics
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from x11_desktop import Desktop  # noqa: E402

ZEFRA, BARE = sys.argv[1], sys.argv[2]
RUNS = int(sys.argv[3]) if len(sys.argv) > 3 else 15


@functools.cache
def loader(exe):
    """The Wine loader for a program, as tools/wine.sh chooses it, asked once before any start
    is timed. (The tests' wine-run.sh would add its shell and output file to every start.)"""
    wine = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "wine.sh")
    return [subprocess.run([wine, "loader", exe], check=True, capture_output=True,
                           text=True).stdout.strip()]


def one_run(desktop, exe, caption):
    process, window, to_paint = desktop.start_until_painted([*loader(exe), exe], caption)
    desktop.request_close(window)
    try:
        process.wait(20)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
    return to_paint


def main():
    desktop = Desktop()
    env = dict(desktop.env, WINEDEBUG="-all")
    desktop.env = env
    # A Wine server started now stays up between runs, as it does on a desktop in use.
    subprocess.run(["wineserver", "-k"], env=env, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-w"], env=env)
    subprocess.run(["wineserver", "-p"], env=env, check=True)
    try:
        one_run(desktop, BARE, "Bare")  # the first start fills the caches for both
        zefra, bare = [], []
        for _ in range(RUNS):
            bare.append(one_run(desktop, BARE, "Bare"))
            zefra.append(one_run(desktop, ZEFRA, "Form1"))
    finally:
        subprocess.run(["wineserver", "-k"], env=env, stderr=subprocess.DEVNULL)
        desktop.close()
    z, b = statistics.median(zefra) * 1000, statistics.median(bare) * 1000
    print(f"under {' '.join(loader(ZEFRA))}, median of {RUNS} runs each")
    print(f"start to first paint (ms)  Zefra.exe {z:7.1f}  bare window {b:7.1f}  ratio {z / b:5.2f}")


if __name__ == "__main__":
    main()
