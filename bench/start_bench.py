# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""Zefra against a bare Qt Widgets window of the same size, and against the same bare window
drawing one line of text, on a private X server, observed from outside: the time from starting
the program to its first painted frame, and its peak resident memory; and, for Zefra, the time
from a click on ASK to the message box being shown. Runs alternate between the programs.
    start_bench.py ZEFRA BARE_WINDOW [RUNS]"""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from project import centre_of  # noqa: E402
from x11_desktop import Desktop  # noqa: E402
from Xlib import X  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

ZEFRA, BARE = sys.argv[1], sys.argv[2]
RUNS = int(sys.argv[3]) if len(sys.argv) > 3 else 15


def peak_resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def one_run(desktop, command, caption, click):
    process, window, to_paint = desktop.start_until_painted(command, caption)
    time.sleep(0.3)  # let start-up settle before reading the peak
    peak = peak_resident_kib(process.pid)
    to_box = None
    if click:
        left, top = desktop.position(window)
        x, y = centre_of("Command1")
        desktop.xdotool("mousemove", left + x, top + y)
        # The click itself through XTEST: the xdotool command takes about 0.1 s to come back.
        clicked = time.perf_counter()
        xtest.fake_input(desktop.x, X.ButtonPress, 1)
        xtest.fake_input(desktop.x, X.ButtonRelease, 1)
        desktop.x.sync()
        while not desktop.windows_named("Zefra"):
            pass
        to_box = time.perf_counter() - clicked
        box = desktop.windows_named("Zefra")[0]
        desktop.focus_and(box, "key", "Return")
        desktop.wait_for(lambda: not desktop.windows_named("Zefra"), "the box to go")
    desktop.request_close(window)
    process.wait(10)
    return to_paint, peak, to_box


def main():
    desktop = Desktop()
    try:
        zefra, bare, text = [], [], []
        for _ in range(RUNS):
            bare.append(one_run(desktop, [BARE], "Bare", click=False))
            text.append(one_run(desktop, [BARE, "--text"], "Bare", click=False))
            zefra.append(one_run(desktop, [ZEFRA], "Form1", click=True))
    finally:
        desktop.close()

    def median(runs, field):
        return statistics.median(run[field] for run in runs)

    rows = [("start to first paint (ms)", 0, 1000), ("peak resident memory (MiB)", 1, 1 / 1024)]
    print(f"median of {RUNS} runs each          Zefra    bare  ratio   bare+text  ratio")
    for label, field, scale in rows:
        z, b, t = (median(runs, field) * scale for runs in (zefra, bare, text))
        print(f"{label:28} {z:9.2f} {b:7.2f} {z / b:6.3f} {t:11.2f} {z / t:6.3f}")
    print(f"{'click on ASK to box shown (ms)':28} {median(zefra, 2) * 1000:9.2f}")

if __name__ == "__main__":
    main()
