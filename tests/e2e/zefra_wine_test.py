# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""Zefra.exe under Wine on a private X server: the window "Form1" comes up with the ball
painted, a typed question and a press of ASK bring a message box captioned "Zefra" with the
reply, dismissing it empties the question box, an empty box brings the prompt, a one-character
question is a question, the echo repeats the question exactly, and closing the window ends the
program. And its installer, in a prefix of its own: installed, started from its shortcut,
upgraded, refused as a downgrade and removed without a trace.
    zefra_wine_test.py ZEFRA.EXE PROBE.EXE [TEST CLASS]
ZEFRA_ICON names the program's icon, which the installer test builds its packages with."""

import os
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest

import windows_package  # the release's own way of building the installer
from project import centre_of, control_box, first_replies
from x11_desktop import FORM1, MESSAGE_BOX, Desktop, wait_for

ZEFRA, PROBE = sys.argv.pop(1), sys.argv.pop(1)
HERE = pathlib.Path(__file__).resolve().parent
WINE_RUN = str(HERE / "wine-run.sh")
WINE = str(HERE.parent.parent / "tools/wine.sh")

QUESTION_BOX = control_box("Text1")
ASK_BUTTON_CENTRE = centre_of("Command1")
FIRST_REPLIES = first_replies()
FIRST_ECHO = 22  # the 22nd reply of a fresh start repeats the question
PROMPT = "Enter in a question, please."
INITIAL_QUESTION = "What do you want to know? \r\n"
# MSAA roles, from oleacc.h.
ROLE_SYSTEM_CLIENT, ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_TEXT, ROLE_SYSTEM_PUSHBUTTON = 10, 41, 42, 43


class WineDesktopTest(unittest.TestCase):
    """A private X server for Wine's windows, and Zefra's window read and driven there: in the
    prefix of WINEPREFIX, or in a throwaway prefix where the class asks for one of its own
    (`own_prefix`) or WINEPREFIX is not set."""

    own_prefix = False

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()
        cls.work = None
        if cls.own_prefix or "WINEPREFIX" not in os.environ:
            if not cls.own_prefix:
                print("WINEPREFIX is not set: the test prepares a Wine prefix of its own.",
                      file=sys.stderr)
            cls.work = pathlib.Path(tempfile.mkdtemp(prefix="zefra-wine-"))
            cls.prefix = cls.work / "prefix"
            # No menu entries written for the desktop outside the prefix.
            cls.desktop.env.update(WINEPREFIX=str(cls.prefix),
                                   WINEDLLOVERRIDES="winemenubuilder.exe=d")
        # A Wine session started earlier without this display would keep its windows off it.
        cls.end_wine_session()
        if cls.work:
            subprocess.run([WINE, "prepare", cls.prefix], env=cls.desktop.env, check=True,
                           timeout=300)

    @classmethod
    def tearDownClass(cls):
        cls.end_wine_session()
        cls.desktop.close()
        if cls.work:
            shutil.rmtree(cls.work, ignore_errors=True)

    @classmethod
    def end_wine_session(cls):
        subprocess.run(["wineserver", "-k"], env=cls.desktop.env, timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=cls.desktop.env, timeout=60)

    def wine(self, *args, timeout=120):
        """Runs a Windows program, or one of Wine's own, on this desktop: its exit status and its
        output, line breaks as they came."""
        done = subprocess.run([WINE_RUN, *map(str, args)], env=self.desktop.env,
                              timeout=timeout, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        return done.returncode, done.stdout.decode("utf-8", "replace")

    def probe(self, *args):
        for _ in range(2):
            status, output = self.wine(PROBE, *args, timeout=60)
            # Every way the probe fails says why; a silent failure is Wine's, now and then
            # under load, before the probe ran, and is tried once more.
            if status == 0 or output:
                break
        self.assertEqual(status, 0, output)
        return output

    def start_zefra(self, *command):
        """Starts a Zefra.exe (with any arguments) and waits for its window: the process, and
        Form1's X window. Clicks are then relative to Form1's client area."""
        zefra = self.desktop.start(self, [WINE_RUN, *(command or [ZEFRA])])
        # A case that fails before closing it would leave Zefra.exe running, beyond the reach of
        # the process started here, for the next case's probe to find: its Wine session ends.
        self.addCleanup(lambda: zefra.poll() is None and self.end_wine_session())
        form = self.desktop.wait_for_window(FORM1)
        self.origin = tuple(map(int, self.probe("client-origin").split()))
        return zefra, form

    def close_zefra(self, zefra):
        """Closes Form1 as its close button does: the program ends cleanly."""
        self.probe("close")
        self.assertEqual(zefra.wait(30), 0)

    def wait_until_question_is(self, expected):
        wait_for(lambda: self.probe("question") == expected,
                 f"the question box to hold {expected!r}")

    def click(self, x, y):
        self.desktop.xdotool("mousemove", self.origin[0] + x, self.origin[1] + y, "click", "1")

    def read_reply(self, question_meanwhile):
        """The message box's text once it is up, then the box dismissed with Return. The
        question stays in the box while the reply is up."""
        reply = self.probe("message")
        self.assertEqual(self.probe("question"), question_meanwhile)
        self.desktop.dismiss_message_box()
        return reply

    def press_ask_and_read_reply(self, question_meanwhile):
        self.click(*ASK_BUTTON_CENTRE)
        return self.read_reply(question_meanwhile)

    def start_and_ask(self, program):
        """Starts a Zefra.exe, presses ASK on its first question, and closes it: the reply."""
        zefra, _ = self.start_zefra(program)
        reply = self.press_ask_and_read_reply(INITIAL_QUESTION)
        self.close_zefra(zefra)
        return reply


class ZefraUnderWine(WineDesktopTest):
    def assert_ball_painted(self, form):
        """The ball as the X server shows it, in black and in the system's colours."""
        face, field, text = (tuple(map(int, line.split()))
                             for line in self.probe("colours").splitlines())
        left, top = self.desktop.position(form)

        def client():  # rows of pixels
            return self.desktop.pixels(form, self.origin[0] - left, self.origin[1] - top, 432, 431)

        pixels = self.desktop.wait_for(
            lambda: (seen := client())[216][40] == (0, 0, 0) and seen, "the black ball")
        # Above the question box, a corner outside the ball, the inner disc.
        self.assertEqual([pixels[20][216], pixels[1][1], pixels[224][150]],
                         [(0, 0, 0), face, field])
        eight = [pixel for row in pixels[160:289] for pixel in row[184:241]]
        self.assertGreater(eight.count(text), 300, "the 8 in button text")

    def test_asks_replies_and_closes(self):
        zefra, form = self.start_zefra(ZEFRA, "--ignored", "argument")
        self.assert_ball_painted(form)
        initial = INITIAL_QUESTION
        self.assertEqual(self.probe("question"), initial)

        # Type at the end of the box's text.
        self.click(QUESTION_BOX[0] + QUESTION_BOX[2] - 8, QUESTION_BOX[1] + QUESTION_BOX[3] - 8)
        self.desktop.xdotool("type", "--delay", "20", "Will it rain?")
        self.wait_until_question_is(initial + "Will it rain?")
        self.assertEqual(self.press_ask_and_read_reply(initial + "Will it rain?"),
                         FIRST_REPLIES[0])
        self.wait_until_question_is("")

        # An empty box brings the prompt.
        self.assertEqual(self.press_ask_and_read_reply(""), PROMPT)
        self.assertEqual(self.probe("question"), "")

        # A second press while the reply is up, through a screen reader's action, is ignored:
        # no second box, and no reply drawn for it.
        self.click(QUESTION_BOX[0] + 20, QUESTION_BOX[1] + 10)
        self.desktop.xdotool("type", "--delay", "20", "Is it late?")
        self.wait_until_question_is("Is it late?")
        boxes, way = self.probe("press-twice").split()
        self.assertIn(way, ("msaa", "message"))
        if way != "msaa":
            print("Wine's accessibility proxy has no action for a button: the second press is a"
                  " click message from another program.", file=sys.stderr)
        self.assertEqual(boxes, "1", "message boxes up")
        self.probe("close")  # nor does the window close meanwhile
        self.assertEqual(self.read_reply("Is it late?"), FIRST_REPLIES[1])
        self.wait_until_question_is("")

        # A question of one character is a question like any other; then the echo repeats the
        # question exactly. The probe asks these itself: typing each would take minutes.
        replies = self.probe("ask", "?", FIRST_ECHO - 3).split("\0")
        self.assertEqual(replies[:len(FIRST_REPLIES) - 2], FIRST_REPLIES[2:])
        self.assertNotIn("?", replies, "no echo before the 22nd reply")
        question = "\ufeff\ufffeWill it\u00a0rain?\r\nOr snow? \U0001F327"
        self.assertEqual(self.probe("ask", question), question)
        self.close_zefra(zefra)

    def test_keyboard(self):
        zefra, form = self.start_zefra()
        initial = self.probe("question")
        # The focus starts in the question box, with the caret at its start; Enter types a line
        # break there and Escape does nothing; neither asks.
        self.desktop.focus_and(form, "type", "--delay", "20", "ab")
        self.desktop.xdotool("key", "--delay", "20", "Return", "Escape")
        typed = "ab\r\n" + initial
        self.wait_until_question_is(typed)
        time.sleep(0.5)
        self.assertEqual(self.desktop.windows_named(MESSAGE_BOX), [])
        # Tab moves the focus to the button and types nothing; Space there asks.
        self.desktop.xdotool("key", "--delay", "50", "Tab", "space")
        self.assertEqual(self.read_reply(typed), FIRST_REPLIES[0])
        self.wait_until_question_is("")
        # The focus is back on the button, where Enter and the keypad's Enter press it too.
        for key in ("Return", "KP_Enter"):
            self.desktop.focus_and(form, "key", key)
            self.assertEqual(self.read_reply(""), PROMPT)
        # Shift+Tab goes back to the question box.
        self.desktop.xdotool("key", "--delay", "50", "shift+Tab", "c")
        self.wait_until_question_is("c")
        self.close_zefra(zefra)

    def test_screen_readers_learn_names_and_roles(self):
        zefra, _ = self.start_zefra()
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
        self.desktop.dismiss_message_box()
        self.close_zefra(zefra)

    def test_a_window_that_cannot_be_built_shows_its_failure_until_dismissed(self):
        failed = self.desktop.start(self, [WINE_RUN, os.environ["ZEFRA_BUILD_FAILURE"]])
        self.desktop.wait_for_window(MESSAGE_BOX)
        self.assertEqual(self.probe("message"), "a control could not be created")
        time.sleep(1)
        self.assertIsNone(failed.poll(), "the program ended with its failure box up")
        self.desktop.dismiss_message_box()
        self.assertEqual(failed.wait(30), 1)
        self.assertEqual(self.desktop.windows_named(FORM1), [])

    def test_scales_with_the_screen_resolution(self):
        self.set_screen_dpi(144)
        self.addCleanup(self.set_screen_dpi, 96)
        zefra, _ = self.start_zefra()
        self.assertEqual(self.probe("client-size"), "648 647")
        self.close_zefra(zefra)

    def set_screen_dpi(self, dpi):
        status, output = self.wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v",
                                   "LogPixels", "/t", "REG_DWORD", "/d", dpi, "/f")
        self.assertEqual(status, 0, output)


class ZefraInstallerUnderWine(WineDesktopTest):
    """The installer built around ZEFRA, in a fresh prefix, as a user and an administrator's
    silent deployment meet it."""

    own_prefix = True

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        files = windows_package.installer_files(ZEFRA)
        cls.win64 = windows_package.pe_is_64_bit(files["Zefra.exe"])
        cls.packages = {}
        for version in ("1.0", "1.0.1"):
            cls.packages[version] = cls.work / f"Zefra-{version}.msi"
            windows_package.build_msi(cls.packages[version], files, os.environ["ZEFRA_ICON"],
                                      version, 315532800)
        # A 32-bit Zefra.exe runs only where the kernel runs 32-bit programs.
        cls.runs = cls.win64 or subprocess.run([WINE, "runs-32-bit"]).returncode == 0
        print("The installed program is started and asked." if cls.runs else
              "This machine cannot run 32-bit programs: the 32-bit package is installed and removed"
              " with 64-bit Wine's msiexec and checked as files and entries; the 64-bit build's"
              " test starts an installed copy.", file=sys.stderr)

    def msiexec(self, *args):
        return self.wine("msiexec", *args, "/qn")[0]

    def registry_key(self, key, *options):
        """A registry key's values by name, or None where there is no such key."""
        status, output = self.wine("reg", "query", key, *options)
        if status != 0:
            return None
        return dict(line.strip().split(maxsplit=2)[::2] for line in output.splitlines()
                    if "REG_" in line and len(line.split()) >= 3)

    def entry(self, version):
        """The Apps & Features entry of a version of the package, or None."""
        return self.registry_key(
            r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
            f"\\{windows_package.product_code(version, self.win64)}",
            "/reg:64" if self.win64 else "/reg:32")

    def profile(self):
        (user,) = (p for p in (self.prefix / "drive_c/users").iterdir() if p.name != "Public")
        return user

    def folders(self):
        """The folders of the user's profile, but Windows Installer's own."""
        return {folder for folder, _, _ in os.walk(self.profile())
                if "Microsoft/Installer" not in folder}

    def shortcut_target(self):
        """The target of the Start-menu shortcut, from the local path in its link information
        ([MS-SHLLINK])."""
        link = (self.profile() / "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/"
                "Zefra.lnk").read_bytes()
        flags = struct.unpack_from("<I", link, 0x14)[0]
        at = 0x4C + (2 + struct.unpack_from("<H", link, 0x4C)[0] if flags & 1 else 0)
        self.assertTrue(flags & 2, "the shortcut has link information")
        base = at + struct.unpack_from("<I", link, at + 16)[0]
        windows_path = link[base:link.index(b"\0", base)].decode("ascii")
        return self.wine("winepath", "-u", windows_path)[1].strip()

    def traces(self):
        """Everything of Zefra's in the prefix: paths and registry lines that name it."""
        subprocess.run(["wineserver", "-w"], env=self.desktop.env, timeout=60)
        names = {"zefra"} | {windows_package.product_code(version, self.win64).lower()[1:-1]
                             for version in self.packages}
        # drive_c alone: the prefix's drive links lead out of it.
        found = [os.path.join(folder, name) for folder, folders, files in
                 os.walk(self.prefix / "drive_c") for name in folders + files
                 if "zefra" in name.lower()]
        for hive in self.prefix.glob("*.reg"):
            found += [f"{hive.name}: {line}" for line in hive.read_text(errors="replace").lower()
                      .splitlines() if any(name in line for name in names)]
        return found

    def test_installs_upgrades_refuses_a_downgrade_and_removes_everything(self):
        folders_before = self.folders()
        self.assertEqual(self.traces(), [])
        self.assertEqual(self.msiexec("/i", self.packages["1.0"]), 0)
        installed = self.profile() / "AppData/Local/Programs/Zefra"
        self.assertEqual(sorted(p.name for p in installed.iterdir()),
                         ["LICENSE.txt", "NOTICES.txt", "Zefra.exe"])
        self.assertEqual((installed / "Zefra.exe").read_bytes(), pathlib.Path(ZEFRA).read_bytes())
        target = self.shortcut_target()
        self.assertTrue(os.path.samefile(target, installed / "Zefra.exe"), target)
        entry = self.entry("1.0")
        self.assertEqual((entry["DisplayName"], entry["Publisher"], entry["DisplayVersion"]),
                         ("Zefra", "Zefra developers", "1.0.0"))
        self.assertEqual((entry["NoModify"], entry["NoRepair"]), ("0x1", "0x1"))
        # The entry's icon, as Windows Installer keeps it for the user's products.
        code = windows_package.product_code("1.0", self.win64)[1:-1].replace("-", "")
        packed = code[7::-1] + code[11:7:-1] + code[15:11:-1] + "".join(
            code[i + 1] + code[i] for i in range(16, 32, 2))
        icon = self.registry_key(
            rf"HKCU\Software\Microsoft\Installer\Products\{packed}")["ProductIcon"]
        self.assertEqual(pathlib.Path(self.wine("winepath", "-u", icon)[1].strip())
                         .read_bytes(), pathlib.Path(os.environ["ZEFRA_ICON"]).read_bytes())
        if self.runs:
            self.assertEqual(self.start_and_ask(target), FIRST_REPLIES[0])

        # A later version replaces the earlier: one entry, the same place.
        self.assertEqual(self.msiexec("/i", self.packages["1.0.1"]), 0)
        self.assertIsNone(self.entry("1.0"))
        self.assertEqual(self.entry("1.0.1")["DisplayVersion"], "1.0.1")
        self.assertEqual(self.shortcut_target(), target)
        # An earlier one over it is refused (1603, fatal error, in 8 bits) and changes nothing.
        self.assertEqual(self.msiexec("/i", self.packages["1.0"]), 1603 % 256)
        self.assertIsNone(self.entry("1.0"))
        self.assertIsNotNone(self.entry("1.0.1"))

        self.assertEqual(self.msiexec("/x", self.packages["1.0.1"]), 0)
        self.assertEqual(self.traces(), [])
        # Windows Installer's own folder may stay; nothing else that was not there before.
        self.assertEqual(self.folders() - folders_before, set())


if __name__ == "__main__":
    unittest.main()
