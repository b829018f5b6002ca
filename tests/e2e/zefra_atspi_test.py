# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""Zefra through a screen reader. On X, the real one: Orca, started headless beside Zefra,
speaks what a blind user hears while the test uses Zefra by keyboard alone, the Qt window or
the page in Firefox ESR or Chromium. On Wayland, where no keys can be sent, over AT-SPI as a
screen reader reads it: from outside the process, find the window and its named controls, put
a question into the box, press ASK, and read the reply from the message box. Start it under
dbus-run-session.
    zefra_atspi_test.py PROGRAM xcb|wayland   (the Qt program)
    zefra_atspi_test.py Zefra.html firefox|chromium"""

import os
import pathlib
import re
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest

import pyatspi
import x11_desktop
from x11_desktop import EMULATOR, FORM1, MESSAGE_BOX, Desktop

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent.parent / "tools"))
from project import first_replies  # noqa: E402

ZEFRA, PLATFORM = sys.argv.pop(1), sys.argv.pop(1)
FIRST_REPLIES = first_replies()[:2]
PROMPT = "Enter in a question, please."

# How each front end is started on X with its accessibility on, and its window's caption. A
# browser gets a profile of its own in `folder`, which the test throws away.
FRONT_ENDS = {
    "xcb": lambda folder: (EMULATOR + [ZEFRA], FORM1),
    "firefox": lambda folder: (
        ["firefox-esr", "--no-remote", "--profile", firefox_profile(folder),
         pathlib.Path(ZEFRA).resolve().as_uri()], f"{FORM1} — Mozilla Firefox"),
    "chromium": lambda folder: (
        ["chromium", "--force-renderer-accessibility", "--no-sandbox", "--disable-gpu",
         f"--user-data-dir={folder}/chromium", "--no-first-run", "--no-default-browser-check",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--password-store=basic", pathlib.Path(ZEFRA).resolve().as_uri()],
        f"{FORM1} - Chromium"),
}


def firefox_profile(folder):
    """A fresh profile that opens the page alone: no first-run tabs nor questions, and no new
    tab made ready out of sight, whose document Orca can take for the one being read."""
    profile = folder / "firefox"
    profile.mkdir()
    prefs = {"browser.shell.checkDefaultBrowser": "false",
             "browser.startup.homepage_override.mstone": '"ignore"',
             "browser.aboutwelcome.enabled": "false",
             "datareporting.policy.dataSubmissionEnabled": "false",
             "toolkit.telemetry.reportingpolicy.firstRun": "false",
             "browser.tabs.warnOnClose": "false",
             "browser.newtab.preload": "false"}
    (profile / "user.js").write_text(
        "".join(f'user_pref("{name}", {value});\n' for name, value in prefs.items()))
    return profile


def start_display():
    """A display server of the kind asked for, and the environment that reaches it."""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM=PLATFORM)
    if PLATFORM != "wayland":
        desktop = Desktop()
        env.update(DISPLAY=desktop.name, QT_QPA_PLATFORM="xcb", GNOME_ACCESSIBILITY="1")
        return desktop, env
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

    class Weston:
        def close(self):
            weston.terminate()
            weston.wait(10)
    return Weston(), env


def wait_for(find, what, seconds=20):
    # Objects come and go while the program starts.
    return x11_desktop.wait_for(find, what, seconds=seconds, passing=Exception)


def start_group(test, command, env, **streams):
    """Starts a program in a process group of its own, which the test ends whole, children
    included, however the test ends."""
    options = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    process = subprocess.Popen(command, env=env, start_new_session=True, **{**options, **streams})

    def end():
        for sig in (signal.SIGTERM, signal.SIGKILL):
            try:
                os.killpg(process.pid, sig)
            except ProcessLookupError:
                break
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                pass
        process.wait(10)
    test.addCleanup(end)
    return process


class Orca:
    """Orca, started headless on the environment's display and session bus, speaking through a
    speech-dispatcher of its own whose output module, espeak-ng, speaks into ALSA's null
    device, as a machine without a sound card can. What it says is read from its debug output
    as it is written: Python writes to a terminal line by line, to a file only when its buffer
    fills."""

    def __init__(self, test, env, folder):
        self.spoken = []
        self.lines = []
        # Orca refuses to start beside another Orca of the same user, on any display.
        others = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                                capture_output=True, text=True).stdout.split()
        test.assertEqual(others, [], "another Orca of this user is running, and Orca refuses "
                         "to start beside it: end it, then run this test again")
        socket = folder / "speechd.sock"
        env = dict(env, SPEECHD_ADDRESS=f"unix_socket:{socket}")
        start_group(test, ["speech-dispatcher", "--run-single", "--config-dir",
                           self.speech_configuration(folder), "--communication-method",
                           "unix_socket", "--socket-path", socket, "--timeout", "0",
                           "--log-dir", folder], env)
        wait_for(socket.exists, "speech-dispatcher's socket")
        master, terminal = os.openpty()
        test.addCleanup(os.close, master)
        reader = threading.Thread(target=self.read, args=(master,))
        self.orca = start_group(test, ["orca", "--user-prefs", folder, "--disable",
                                       "braille,key-echo", "--debug-file", os.ttyname(terminal)],
                                env, stdout=terminal, stderr=terminal)
        reader.start()
        test.addCleanup(reader.join, 10)
        # The terminal closes, and the reading ends, once Orca and the test have let it go.
        os.close(terminal)
        wait_for(lambda: self.said("Screen reader on") or self.orca.poll() is not None,
                 "Orca to start", seconds=60)
        test.assertIsNone(self.orca.poll(), "Orca ended as it started, saying:\n" +
                          "\n".join(self.lines[-20:]))

    @staticmethod
    def speech_configuration(folder):
        """speech-dispatcher's configuration: espeak-ng speaks into ALSA's null device."""
        configuration = folder / "speech-dispatcher"
        (configuration / "modules").mkdir(parents=True)
        (configuration / "modules" / "espeak-ng.conf").touch()
        (configuration / "speechd.conf").write_text(
            'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
            'DefaultModule espeak-ng\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
        return configuration

    def read(self, master):
        pending = b""
        # An utterance whose text holds a line break goes on over the debug output's next
        # lines, which carry no time of their own.
        unfinished = None
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:  # the terminal closed
                return
            if not chunk:
                return
            *lines, pending = (pending + chunk).split(b"\n")
            for line in lines:
                text = line.decode("utf-8", "replace").rstrip("\r")
                self.lines.append(text)
                if unfinished is not None and not re.match(r"\d+:\d+:[\d.]+ - ", text):
                    text = f"{unfinished} {text.lstrip()}"
                unfinished = None
                spoken = re.search(r"SPEECH OUTPUT: '(.*)'( voice=\w+)? ?(\{.*\})?$", text)
                if spoken:
                    self.spoken.append(spoken.group(1))
                elif "SPEECH OUTPUT: '" in text:
                    unfinished = text

    def said(self, *phrases, since=0):
        """Whether Orca has said the phrases (regular expressions), in order, since the
        `since`-th utterance."""
        words = " ".join(self.spoken[since:])
        return re.search(".*".join(f"(?:{phrase})" for phrase in phrases), words) is not None

    def settle(self):
        """Waits until Orca has been quiet for a second, so that its last words belong to the
        last step; ten seconds at most."""
        for _ in range(10):
            count = len(self.spoken)
            time.sleep(1)
            if len(self.spoken) == count:
                return

    def after(self, step, act, *phrases):
        """Does something and waits until Orca has said the phrases; prints what it said."""
        since = len(self.spoken)
        try:
            act()
            wait_for(lambda: self.said(*phrases, since=since), f"Orca to say {phrases}", 30)
        finally:
            self.settle()
            print(f"{step}: {self.spoken[since:]}", flush=True)


def find(root, role, name=None):
    """The first node under `root` of the role (or of any of a tuple of roles) and name."""
    # Roles by value: their printed names differ between AT-SPI versions.
    roles = role if isinstance(role, tuple) else (role,)
    return pyatspi.findDescendant(
        root, lambda node: node is not None and node.getRole() in roles
        and (name is None or node.name == name))


def question_box(caption):
    """The question box in the window captioned `caption`, once that window shows it."""
    for app in pyatspi.Registry.getDesktop(0):
        for window in app or ():
            if window is not None and window.name == caption:
                # An entry in a browser, a text in the Qt program.
                return find(window, (pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT), "Question")
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


class ZefraThroughAScreenReader(unittest.TestCase):
    def setUp(self):
        self.display, self.env = start_display()
        self.addCleanup(self.display.close)

    def test_a_screen_reader_tells_the_window_the_reply_and_the_prompt(self):
        if PLATFORM == "wayland":
            print("Wayland: no keys can be sent to the program there, so Orca does not run; "
                  "its view over AT-SPI is read directly")
            self.read_over_atspi()
        else:
            self.hear_through_orca()

    def hear_through_orca(self):
        folder = pathlib.Path(tempfile.mkdtemp())
        folder.chmod(0o700)
        self.addCleanup(subprocess.run, ["rm", "-rf", folder])
        # Everything Orca, speech-dispatcher and the browsers keep, in the throwaway folder.
        env = dict(self.env, HOME=str(folder), XDG_RUNTIME_DIR=str(folder),
                   XDG_CONFIG_HOME=f"{folder}/config", XDG_CACHE_HOME=f"{folder}/cache",
                   XDG_DATA_HOME=f"{folder}/data")
        orca = Orca(self, env, folder)
        command, caption = FRONT_ENDS[PLATFORM](folder)
        desktop = self.display
        button = r"(push )?button"
        window = None

        def start():
            nonlocal window
            start_group(self, command, env)
            # A browser takes its time to start beside a screen reader.
            window = desktop.wait_for(lambda: desktop.windows_named(caption),
                                      f'a window captioned "{caption}"', seconds=90)[0]
            desktop.focus_and(window)
            # A page has its caption before its script puts the focus in the box, and a Tab sent
            # in between would only bring the focus to the box.
            box = wait_for(lambda: question_box(caption), "the question box", seconds=60)
            wait_for(lambda: box.getState().contains(pyatspi.STATE_FOCUSED),
                     "the question box to have the focus")

        def key(name):
            return lambda: desktop.xdotool("key", name)

        def close_box():
            # The Qt program's box is a window of its own: once it closes, the focus goes back
            # to Zefra's window, as a window manager gives it.
            own_window = desktop.windows_named(MESSAGE_BOX)
            desktop.xdotool("key", "Return")
            if own_window:
                desktop.wait_for(lambda: not desktop.windows_named(MESSAGE_BOX),
                                 "the box to close")
                desktop.focus_and(window)
        # Whether Orca speaks the focus as a page starts depends on the order in which the
        # browser's events reach it: the first focus in a document it has not seen yet it takes
        # in silence. That the focus starts in the question box shows over AT-SPI and in where
        # Tab takes it; the box's name, once the focus comes back to it.
        orca.after("started", start, r"\bframe\b")
        # Just after it starts, Firefox can keep its own focus outside the page for a moment,
        # though the page's focus is in the box: a Tab then only brings the focus into the page,
        # to the box, as it would for a user, and the next Tab goes on to ASK.
        since = len(orca.spoken)
        orca.after("Tab", key("Tab"), rf"ASK {button}|\bQuestion (text|entry)\b")
        if not orca.said(f"ASK {button}", since=since):
            orca.after("Tab, into the page first", key("Tab"), f"ASK {button}")
        orca.after("Space", key("space"), MESSAGE_BOX, re.escape(FIRST_REPLIES[0]), f"OK {button}")
        orca.after("Enter", close_box, f"ASK {button}")
        orca.after("Space, the box empty", key("space"), MESSAGE_BOX, re.escape(PROMPT),
                   f"OK {button}")
        orca.after("Enter", close_box, f"ASK {button}")
        orca.after("Shift+Tab", key("shift+Tab"), r"\bQuestion (text|entry)\b")

    def read_over_atspi(self):
        zefra = subprocess.Popen(EMULATOR + [ZEFRA], env=self.env, stdout=subprocess.DEVNULL,
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
            # ASK pressed again through its action while the reply is up: no second box, and
            # no reply drawn for it (the next round expects the run's next reply).
            press(button)
            time.sleep(0.5)
            self.assertEqual(len(pyatspi.findAllDescendants(
                app, lambda node: node is not None and node.getRole() == pyatspi.ROLE_ALERT)), 1)
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
