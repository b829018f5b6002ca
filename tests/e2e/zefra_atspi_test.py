# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""Zefra through the eyes of a screen reader, over AT-SPI: from outside the process, find the
window and its named controls, put a question into the box, press ASK, and read the reply
from the message box. Runs on X (Xvfb) or on Wayland (weston's headless backend); start it
under dbus-run-session."""

import os
import pathlib
import subprocess
import sys
import tempfile
import time
import unittest

import pyatspi
import x11_desktop
from x11_desktop import EMULATOR, Desktop

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent.parent / "tools"))
from project import first_replies  # noqa: E402

ZEFRA, PLATFORM = sys.argv.pop(1), sys.argv.pop(1)
FIRST_REPLIES = first_replies()[:2]


def start_display():
    """A display server of the kind asked for, and the environment that reaches it."""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM=PLATFORM)
    if PLATFORM == "xcb":
        desktop = Desktop()
        env.update(DISPLAY=desktop.name)
        return desktop.close, env
    runtime = tempfile.mkdtemp()
    os.chmod(runtime, 0o700)
    env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="zefra-test")
    env.pop("DISPLAY", None)
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=zefra-test",
                               "--idle-time=0"], env=env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    socket = os.path.join(runtime, "zefra-test")
    deadline = time.monotonic() + 20
    while not os.path.exists(socket):
        if time.monotonic() > deadline or weston.poll() is not None:
            raise RuntimeError("weston did not start")
        time.sleep(0.05)

    def stop():
        weston.terminate()
        weston.wait(10)
    return stop, env


def wait_for(find, what):
    # Objects come and go while the program starts.
    return x11_desktop.wait_for(find, what, seconds=20, passing=Exception)


def find(root, role, name=None):
    # Roles by value: their printed names differ between AT-SPI versions.
    return pyatspi.findDescendant(
        root, lambda node: node is not None and node.getRole() == role
        and (name is None or node.name == name))


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


class ZefraOverAtSpi(unittest.TestCase):
    def test_a_screen_reader_can_ask_and_hear_the_reply(self):
        stop_display, env = start_display()
        self.addCleanup(stop_display)
        zefra = subprocess.Popen(EMULATOR + [ZEFRA], env=env, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: zefra.poll() is None and zefra.kill())

        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for(lambda: next((a for a in desktop if a and a.name == "Zefra"), None),
                       "Zefra on the accessibility bus")
        frame = wait_for(lambda: find(app, pyatspi.ROLE_FRAME, "Form1"), "the frame Form1")
        question = find(frame, pyatspi.ROLE_TEXT, "Question")
        button = find(frame, pyatspi.ROLE_PUSH_BUTTON, "ASK")
        label = find(frame, pyatspi.ROLE_LABEL, "8")
        self.assertIsNotNone(question)
        self.assertIsNotNone(button)
        self.assertIsNotNone(label)
        self.assertEqual(question.queryText().getText(0, -1), "What do you want to know? \n")

        for expected in FIRST_REPLIES:
            question.queryEditableText().setTextContents("Will it rain?")
            press(button)
            alert = wait_for(lambda: find(app, pyatspi.ROLE_ALERT, "Zefra"), "the message box")
            self.assertIsNotNone(find(alert, pyatspi.ROLE_LABEL, expected),
                                 f"a label saying {expected!r}")
            # The question stays in the box while the reply is up.
            self.assertEqual(question.queryText().getText(0, -1), "Will it rain?")
            press(find(alert, pyatspi.ROLE_PUSH_BUTTON, "OK"))
            wait_for(lambda: question.queryText().getText(0, -1) == "", "the box to empty")

        # An empty box brings the prompt.
        press(button)
        alert = wait_for(lambda: find(app, pyatspi.ROLE_ALERT, "Zefra"), "the prompt")
        self.assertIsNotNone(find(alert, pyatspi.ROLE_LABEL, "Enter in a question, please."))
        press(find(alert, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        wait_for(lambda: find(app, pyatspi.ROLE_ALERT, "Zefra") is None, "the prompt to go")

        zefra.terminate()
        zefra.wait(10)


if __name__ == "__main__":
    unittest.main()
