# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""A private X server for end-to-end tests, and the few things the tests do on it: find a
window by its exact caption, read back its pixels, drive it with xdotool, close it as a window
manager would."""

import os
import shlex
import subprocess
import time

from Xlib import X, display, error, protocol

# What a program built for another processor runs under (ZEFRA_EMULATOR, "qemu-aarch64" say);
# nothing for the machine's own.
EMULATOR = shlex.split(os.environ.get("ZEFRA_EMULATOR", ""))
# The captions of Zefra's main window and of its message boxes, on every platform.
FORM1 = "Form1"
MESSAGE_BOX = "Zefra"


def wait_for(condition, what, seconds=15, passing=()):
    """Asks `condition` until it gives something true, and returns that; fails after `seconds`.
    An exception of a kind in `passing` counts as not yet."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            result = condition()
        except passing:
            result = None
        if result:
            return result
        time.sleep(0.02)
    raise AssertionError(f"timed out waiting for {what}")


class Desktop:
    def __init__(self):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
             "-noreset", "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as announced:
            self.name = ":" + announced.readline().strip()
        self.x = display.Display(self.name)
        self.env = dict(os.environ, DISPLAY=self.name, QT_QPA_PLATFORM="xcb",
                        DBUS_SESSION_BUS_ADDRESS="disabled:")
        self.env.pop("WAYLAND_DISPLAY", None)

    def close(self):
        self.x.close()
        self.server.terminate()
        self.server.wait(10)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, timeout=20,
                       stdout=subprocess.DEVNULL)

    def windows_named(self, caption):
        """The mapped top-level windows whose caption is exactly `caption`."""
        found = []
        for window in self.x.screen().root.query_tree().children:
            try:
                if (window.get_attributes().map_state == X.IsViewable
                        and self.caption_of(window) == caption):
                    found.append(window)
            except Exception:  # a window that went away meanwhile
                continue
        return found

    def caption_of(self, window):
        """The window's caption: its UTF-8 name where it has one, as Wine's windows do."""
        name = window.get_full_property(self.x.intern_atom("_NET_WM_NAME"),
                                        self.x.intern_atom("UTF8_STRING"))
        return name.value.decode("utf-8") if name else window.get_wm_name()

    def wait_for(self, condition, what, seconds=15):
        return wait_for(condition, what, seconds)

    def wait_for_window(self, caption):
        return self.wait_for(lambda: self.windows_named(caption),
                             f'a window captioned "{caption}"')[0]

    def start(self, test, command):
        """Starts a program on this display; the test kills it if it is still running at the end."""
        process = subprocess.Popen(EMULATOR + list(command), env=self.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        test.addCleanup(lambda: process.poll() is None and process.kill())
        return process

    def shows_ball(self, window):
        """Whether the window shows the black of the ball yet (at a point inside it, frame or
        no frame): mapped is not yet painted."""
        return self.pixels(window, 40, 216, 1, 1)[0][0] == (0, 0, 0)

    def start_until_painted(self, command, caption):
        """Starts a program and times it as its user sees it, to the ball painted in its window
        captioned `caption`: gives the process, the window and the seconds. Asks as fast as the
        server answers, since the benchmarks time it."""
        started = time.perf_counter()
        process = subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        while True:
            windows = self.windows_named(caption)
            try:
                if windows and self.shows_ball(windows[0]):
                    return process, windows[0], time.perf_counter() - started
            except error.XError:  # mapped, but not yet ready to be read
                pass

    def wait_until_painted(self, window):
        self.wait_for(lambda: self.shows_ball(window), "the ball to be painted")

    def pixels(self, window, left=0, top=0, width=None, height=None):
        """The window's pixels as rows of (red, green, blue)."""
        geometry = window.get_geometry()
        width = width or geometry.width
        height = height or geometry.height
        data = window.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF).data
        return [[(data[i + 2], data[i + 1], data[i])
                 for i in range(row * width * 4, (row + 1) * width * 4, 4)]
                for row in range(height)]

    def position(self, window):
        translated = window.translate_coords(self.x.screen().root, 0, 0)
        return -translated.x, -translated.y

    def click(self, window, x, y):
        left, top = self.position(window)
        self.xdotool("mousemove", left + x, top + y, "click", "1")

    def focus_and(self, window, *xdotool_args):
        self.xdotool("windowfocus", "--sync", window.id, *xdotool_args)

    def dismiss_message_box(self):
        """Presses Return in Zefra's message box, as its user would, and waits until it is gone."""
        self.focus_and(self.wait_for_window(MESSAGE_BOX), "key", "Return")
        self.wait_for(lambda: not self.windows_named(MESSAGE_BOX), "the message box to go")

    def request_close(self, window):
        """What a window manager sends when the user closes a window."""
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event)
        self.x.flush()
