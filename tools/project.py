# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Facts about the project that the release, its tools and its tests share."""

import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parent.parent


def project_version():
    """The version of the CMake project, the one place it is written."""
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(Zefra VERSION ([0-9.]+)", text).group(1)
