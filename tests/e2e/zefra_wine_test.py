# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""Zefra.exe under Wine on a private X server: the window "Form1" comes up, a typed question and
a press of ASK bring a message box captioned "Zefra" with the reply, dismissing it empties the
question box, an empty box brings the prompt, and closing the window ends the program."""

import os
import subprocess
import sys
import time
import unittest

from x11_desktop import Desktop

ZEFRA, PROBE = sys.argv.pop(1), sys.argv.pop(1)
WINE_RUN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "wine-run.sh")

QUESTION_BOX = (88, 72, 265, 49)
ASK_BUTTON_CENTRE = (220, 344)
# The first replies of every run, on every platform.
FIRST_REPLIES = ["It's a secret.", "Maybe"]
PROMPT = "Enter in a question, please."
# MSAA roles, from oleacc.h.
ROLE_SYSTEM_CLIENT, ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_TEXT, ROLE_SYSTEM_PUSHBUTTON = 10, 41, 42, 43


class ZefraUnderWine(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if "WINEPREFIX" not in os.environ:
            raise unittest.SkipTest("needs a prepared Wine prefix in WINEPREFIX "
                                    "(tools/prepare-wine-prefix.sh)")
        cls.desktop = Desktop()
        # A Wine session started earlier without this display would keep its windows off it.
        cls.end_wine_session()

    @classmethod
    def tearDownClass(cls):
        cls.end_wine_session()
        cls.desktop.close()

    @classmethod
    def end_wine_session(cls):
        subprocess.run(["wineserver", "-k"], env=cls.desktop.env, timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=cls.desktop.env, timeout=60)

    def probe(self, *args):
        done = subprocess.run([WINE_RUN, PROBE, *args], env=self.desktop.env, timeout=60,
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.assertEqual(done.returncode, 0, done.stdout)
        return done.stdout.decode("utf-8")

    def wait_until_question_is(self, expected):
        deadline = time.monotonic() + 15
        while (text := self.probe("question")) != expected:
            self.assertLess(time.monotonic(), deadline, f"the question box holds {text!r}")
            time.sleep(0.1)

    def click(self, x, y):
        self.desktop.xdotool("mousemove", self.origin[0] + x, self.origin[1] + y, "click", "1")

    def press_ask_and_read_reply(self, question_meanwhile):
        self.click(*ASK_BUTTON_CENTRE)
        reply = self.probe("message")
        # The question stays in the box while the reply is up.
        self.assertEqual(self.probe("question"), question_meanwhile)
        box = self.desktop.wait_for_window("Zefra")
        self.desktop.focus_and(box, "key", "Return")
        self.desktop.wait_for(lambda: not self.desktop.windows_named("Zefra"), "the box to go")
        return reply

    def test_asks_replies_and_closes(self):
        zefra = self.desktop.start(self, [WINE_RUN, ZEFRA, "--ignored", "argument"])
        self.desktop.wait_for_window("Form1")
        self.origin = tuple(map(int, self.probe("client-origin").split()))
        initial = "What do you want to know? \r\n"
        self.assertEqual(self.probe("question"), initial)

        # Type at the end of the box's text.
        self.click(QUESTION_BOX[0] + QUESTION_BOX[2] - 8, QUESTION_BOX[1] + QUESTION_BOX[3] - 8)
        self.desktop.xdotool("type", "--delay", "20", "Will it rain?")
        self.wait_until_question_is(initial + "Will it rain?")
        self.assertEqual(self.press_ask_and_read_reply(initial + "Will it rain?"),
                         FIRST_REPLIES[0])
        self.wait_until_question_is("")

        # An empty box brings the prompt and draws nothing.
        self.assertEqual(self.press_ask_and_read_reply(""), PROMPT)
        self.assertEqual(self.probe("question"), "")

        self.click(QUESTION_BOX[0] + 20, QUESTION_BOX[1] + 10)
        self.desktop.xdotool("type", "--delay", "20", "Is it late?")
        self.wait_until_question_is("Is it late?")
        self.assertEqual(self.press_ask_and_read_reply("Is it late?"), FIRST_REPLIES[1])
        self.wait_until_question_is("")

        self.probe("close")
        self.assertEqual(zefra.wait(30), 0)

    def test_keyboard(self):
        zefra = self.desktop.start(self, [WINE_RUN, ZEFRA])
        form = self.desktop.wait_for_window("Form1")
        initial = self.probe("question")
        # The focus starts in the question box, with the caret at its start; Enter types a line
        # break there and Escape does nothing; neither asks.
        self.desktop.focus_and(form, "type", "--delay", "20", "ab")
        self.desktop.xdotool("key", "--delay", "20", "Return", "Escape")
        typed = "ab\r\n" + initial
        self.wait_until_question_is(typed)
        time.sleep(0.5)
        self.assertEqual(self.desktop.windows_named("Zefra"), [])
        # Tab moves the focus to the button and types nothing; Space there asks.
        self.desktop.xdotool("key", "--delay", "50", "Tab", "space")
        self.assertEqual(self.probe("message"), FIRST_REPLIES[0])
        self.assertEqual(self.probe("question"), typed)
        self.desktop.focus_and(self.desktop.wait_for_window("Zefra"), "key", "Return")
        self.wait_until_question_is("")
        # The focus is back on the button, where Enter and the keypad's Enter press it too.
        for key in ("Return", "KP_Enter"):
            self.desktop.focus_and(form, "key", key)
            self.assertEqual(self.probe("message"), PROMPT)
            self.desktop.focus_and(self.desktop.wait_for_window("Zefra"), "key", "Return")
            self.desktop.wait_for(lambda: not self.desktop.windows_named("Zefra"), "the box to go")
        # Shift+Tab goes back to the question box.
        self.desktop.xdotool("key", "--delay", "50", "shift+Tab", "c")
        self.wait_until_question_is("c")
        self.probe("close")
        self.assertEqual(zefra.wait(30), 0)

    def test_screen_readers_learn_names_and_roles(self):
        zefra = self.desktop.start(self, [WINE_RUN, ZEFRA])
        self.desktop.wait_for_window("Form1")
        self.origin = tuple(map(int, self.probe("client-origin").split()))
        self.assertEqual(self.probe("accessible", "question"), f"Question\t{ROLE_SYSTEM_TEXT}")
        name, role = self.probe("accessible", "button").split("\t")
        self.assertEqual(name, "ASK")
        # Windows' proxy gives a push button its own role; Wine 8's gives every button the
        # generic client role, so there the button's kind is what the proxy would go by.
        self.assertIn(int(role), (ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_CLIENT))
        self.assertEqual(self.probe("button-style"), "push button")
        self.click(*ASK_BUTTON_CENTRE)
        name, role = self.probe("accessible", "message").split("\t")
        self.assertEqual(name, FIRST_REPLIES[0])
        self.assertIn(int(role), (ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_CLIENT))
        self.desktop.focus_and(self.desktop.wait_for_window("Zefra"), "key", "Return")
        self.desktop.wait_for(lambda: not self.desktop.windows_named("Zefra"), "the box to go")
        self.probe("close")
        self.assertEqual(zefra.wait(30), 0)

    def test_scales_with_the_screen_resolution(self):
        self.set_screen_dpi(144)
        self.addCleanup(self.set_screen_dpi, 96)
        zefra = self.desktop.start(self, [WINE_RUN, ZEFRA])
        self.desktop.wait_for_window("Form1")
        self.assertEqual(self.probe("client-size"), "648 647")
        self.probe("close")
        self.assertEqual(zefra.wait(30), 0)

    def set_screen_dpi(self, dpi):
        subprocess.run([WINE_RUN, "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                        "/t", "REG_DWORD", "/d", str(dpi), "/f"], env=self.desktop.env,
                       check=True, timeout=60, stdout=subprocess.DEVNULL)


if __name__ == "__main__":
    unittest.main()
