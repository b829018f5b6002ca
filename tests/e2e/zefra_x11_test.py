# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""The real program on a real X server: it opens its window whatever its arguments, answers
typed questions in message boxes, and ends cleanly when closed."""

import hashlib
import sys
import time
import unittest

from project import centre_of, control_box
from x11_desktop import FORM1, MESSAGE_BOX, Desktop

ZEFRA = sys.argv.pop(1)

# Where things are in the window, in pixels.
QUESTION_BOX = control_box("Text1")
ASK_BUTTON_CENTRE = centre_of("Command1")
# Arguments that Qt acts on where it is shown them: the first window's caption, size and place,
# another style, right to left. The program takes no command line, so none of them may count.
ARGUMENTS = ["--help", "-qwindowtitle", "Other", "-qwindowgeometry", "200x100+0+0",
             "-style", "windows", "-reverse"]


class ZefraOnX11(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

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
        box = desktop.wait_for_window(MESSAGE_BOX)
        # The question stays in the box while the reply is up.
        self.assertFalse(self.question_box_is_empty(window))
        picture = desktop.wait_for(lambda: self.settled_picture(box), "the box to be painted")
        desktop.dismiss_message_box()
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

    def test_replies_and_ends_cleanly_whatever_its_arguments(self):
        process = self.desktop.start(self, [ZEFRA, *ARGUMENTS])
        window = self.desktop.wait_for_window(FORM1)
        self.desktop.wait_until_painted(window)
        geometry = window.get_geometry()
        self.assertEqual((geometry.width, geometry.height), (432, 431))
        pictures = [self.ask(window, question)
                    for question in ["Will it rain?", "Is it late?", "Shall we go?"]]
        self.assertEqual(len(set(pictures)), 3, "the first three replies differ")
        self.desktop.request_close(window)
        self.assertEqual(process.wait(10), 0)


if __name__ == "__main__":
    unittest.main()
