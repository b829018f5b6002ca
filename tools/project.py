# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Facts about the project that the release, its tools and its tests share."""

import json
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parent.parent


def project_version():
    """The version of the CMake project, the one place it is written."""
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(Zefra VERSION ([0-9.]+)", text).group(1)


def first_replies():
    """The first replies of every fresh start, in order (tests/first_replies.txt)."""
    lines = (ROOT / "tests/first_replies.txt").read_text(encoding="utf-8").splitlines()
    return [line.split("\t", 1)[1] for line in lines if line and not line.startswith("#")]


def control_box(name):
    """A control's box in the main window, (left, top, width, height) in pixels at 96 dots
    per inch, from the window's description (tests/form1_layout.json)."""
    controls = json.loads((ROOT / "tests/form1_layout.json").read_text())["controls"]
    box = controls[name]
    return box["left"], box["top"], box["width"], box["height"]


def centre_of(name):
    left, top, width, height = control_box(name)
    return left + width // 2, top + height // 2
