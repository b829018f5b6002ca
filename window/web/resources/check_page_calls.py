# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Checks that the C++ side's declarations of the page's functions (page.h) and the page's
JavaScript (page_library.js) name the same functions with the same parameters in the same
order: Emscripten passes arguments by position and checks none of them, so a parameter added,
dropped or swapped on one side only would otherwise reach a user. Touches STAMP when they agree.
    check_page_calls.py PAGE_H PAGE_LIBRARY_JS STAMP"""

import pathlib
import re
import sys


def parameters(listed):
    """The parameters' names, from "int left, const char* name" or "left, name"."""
    return [re.findall(r"\w+", part)[-1] for part in listed.split(",") if part.strip()]


def main():
    header, library, stamp = map(pathlib.Path, sys.argv[1:4])
    declared = {name: parameters(listed) for name, listed in
                re.findall(r"\b(zefra_\w+)\(([^)]*)\);", header.read_text())}
    defined = {name: parameters(listed) for name, listed in
               re.findall(r"^  (zefra_\w+): function \(([^)]*)\)", library.read_text(), re.M)}
    faults = [f"{name}: page.h has ({', '.join(declared.get(name, ['missing']))}), "
              f"page_library.js ({', '.join(defined.get(name, ['missing']))})"
              for name in sorted(declared.keys() | defined.keys())
              if declared.get(name) != defined.get(name)]
    if faults or not declared:
        sys.exit("The page's functions differ between C++ and JavaScript:\n  " +
                 "\n  ".join(faults or ["no functions found"]))
    stamp.write_text(f"{len(declared)} functions agree\n")


if __name__ == "__main__":
    main()
