# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Pictures of the real programs for the README, in docs/: the Qt window on Linux and Zefra.exe's
window under Wine (its client area: Wine's own frame is not Windows'), each on a private X
server, and the page on a phone-sized screen in Chromium.
    screenshots.py ZEFRA ZEFRA.EXE ZEFRA.HTML   (tools/screenshots.sh builds them and calls this)"""

import os
import pathlib
import struct
import subprocess
import sys
import time
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests/e2e"))
from x11_desktop import Desktop  # noqa: E402

DOCS = ROOT / "docs"


def write_png(path, rows):
    """Rows of (red, green, blue) as an 8-bit RGB PNG file."""
    raw = b"".join(b"\0" + bytes(channel for pixel in row for channel in pixel) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data)))

    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                     chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def window_picture(desktop, command, client_size=None):
    """Starts a program, waits until its window shows the ball and has stopped changing, and
    returns its pixels: the client area of the given size, at the bottom centre of a window
    that has a frame drawn round it, or else the whole window."""
    process = subprocess.Popen(command, env=desktop.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        window = desktop.wait_for_window("Form1")
        desktop.wait_until_painted(window)
        pictures = [desktop.pixels(window)]
        while len(pictures) < 2 or pictures[-1] != pictures[-2]:
            time.sleep(0.3)
            pictures.append(desktop.pixels(window))
    finally:
        process.kill()
        process.wait()
    rows = pictures[-1]
    if client_size:
        width, height = client_size
        border = (len(rows[0]) - width) // 2
        top = len(rows) - height - border
        rows = [row[border:border + width] for row in rows[top:top + height]]
    return rows


def main():
    zefra, zefra_exe, page = sys.argv[1:4]
    DOCS.mkdir(exist_ok=True)
    desktop = Desktop()
    try:
        # Qt's window on a server with no window manager has no frame: it is the client area.
        linux = window_picture(desktop, [zefra])
        write_png(DOCS / "zefra-linux.png", linux)
        windows = window_picture(desktop, [str(ROOT / "tests/e2e/wine-run.sh"), zefra_exe],
                                 (len(linux[0]), len(linux)))
        write_png(DOCS / "zefra-windows.png", windows)
    finally:
        subprocess.run(["wineserver", "-k"], env=desktop.env, stderr=subprocess.DEVNULL)
        desktop.close()
    subprocess.run(["node", str(ROOT / "tools/phone_screenshot.js"), page,
                    str(DOCS / "zefra-phone.png")], check=True,
                   env=dict(os.environ, NODE_PATH=str(ROOT / "tests/web/node_modules")))


if __name__ == "__main__":
    main()
