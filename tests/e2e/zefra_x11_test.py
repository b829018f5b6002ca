# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""The real program on a real X server: it opens its window, answers typed questions in
message boxes, replies in the same order in every run, and ends cleanly when closed."""

import hashlib
import pathlib
import sys
import time
import unittest

from x11_desktop import Desktop

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent.parent / "tools"))
from project import centre_of, control_box  # noqa: E402

ZEFRA = sys.argv.pop(1)

# Where things are in the window, in pixels.
QUESTION_BOX = control_box("Text1")
ASK_BUTTON_CENTRE = centre_of("Command1")


class ZefraOnX11(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def start(self):
        # Arguments change nothing: the program takes no command line.
        process = self.desktop.start(self, [ZEFRA, "--help", "-style", "windows"])
        window = self.desktop.wait_for_window("Form1")
        self.desktop.wait_until_painted(window)
        return process, window

    def question_box_is_empty(self, window):
        inside = self.desktop.pixels(window, QUESTION_BOX[0] + 3, QUESTION_BOX[1] + 3,
                                     QUESTION_BOX[2] - 6, QUESTION_BOX[3] - 6)
        return len({pixel for row in inside for pixel in row}) == 1

    def ask(self, window, question):
        """Types a question, presses ASK, and returns a digest of the message box's picture."""
        desktop = self.desktop
        desktop.click(window, QUESTION_BOX[0] + 130, QUESTION_BOX[1] + 25)
        desktop.xdotool("type", "--delay", "15", question)
        desktop.wait_for(lambda: not self.question_box_is_empty(window), "the typed question")
        desktop.click(window, *ASK_BUTTON_CENTRE)
        box = desktop.wait_for_window("Zefra")
        # The question stays in the box while the reply is up.
        self.assertFalse(self.question_box_is_empty(window))
        picture = desktop.wait_for(lambda: self.settled_picture(box), "the box to be painted")
        desktop.focus_and(box, "key", "Return")
        desktop.wait_for(lambda: not desktop.windows_named("Zefra"), "the box to go")
        desktop.wait_for(lambda: self.question_box_is_empty(window), "the question box to empty")
        return picture

    def settled_picture(self, window):
        """A digest of the window's pixels once two looks a quarter of a second apart agree: on
        a busy machine, a box half painted can look the same twice in a row."""
        first = self.desktop.pixels(window)
        time.sleep(0.25)
        if first != self.desktop.pixels(window) or len(first) < 10:
            return None
        return hashlib.sha256(repr(first).encode()).hexdigest()

    def run_once(self, questions):
        process, window = self.start()
        pictures = [self.ask(window, question) for question in questions]
        self.desktop.request_close(window)
        self.assertEqual(process.wait(10), 0)
        return pictures

    def test_two_runs_reply_alike_and_end_cleanly(self):
        questions = ["Will it rain?", "Is it late?", "Shall we go?"]
        first = self.run_once(questions)
        second = self.run_once(questions)
        self.assertEqual(first, second, "a second run replies in the same order")
        self.assertGreater(len(set(first)), 1, "the replies differ from each other")


if __name__ == "__main__":
    unittest.main()
