# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Writes the notices of the runtime parts that Emscripten compiles into the page: its
JavaScript runtime and allocator (MIT), its C library from musl (MIT) and its C++ libraries from
LLVM (Apache-2.0 WITH LLVM-exception), with their licence texts as Debian's packages ship them.
The web app carries them as NOTICES.txt; the page in a comment at its end, without the Apache
License's own text, which under the LLVM exception parts compiled into a program need not carry
(and which would take a tenth of the page's size limit).
    make_notices.py EMSCRIPTEN_ROOT NOTICES.txt PAGE_NOTICES.txt"""

import glob
import pathlib
import sys

RULE = "=" * 78
APACHE = pathlib.Path("/usr/share/common-licenses/Apache-2.0")
LLVM_EXCEPTION = "---- LLVM Exceptions to the Apache 2.0 License ----"


def paragraphs(copyright_file):
    """A Debian copyright file's paragraphs, each as {field: value}, continuation lines
    unfolded (" ." is an empty line)."""
    result = []
    for block in pathlib.Path(copyright_file).read_text(encoding="utf-8").split("\n\n"):
        fields, name = {}, None
        for line in block.splitlines():
            if line.startswith((" ", "\t")) and name:
                text = line[1:]
                fields[name] += "\n" + ("" if text.strip() == "." else text)
            elif ":" in line:
                name, value = line.split(":", 1)
                fields[name] = value.strip()
        result.append(fields)
    return result


def licence_text(copyright_file, *names):
    """The text of a licence that a copyright file states once, in a paragraph of its own, under
    the first of its names that it uses."""
    for name in names:
        for fields in paragraphs(copyright_file):
            if list(fields) == ["License"] and fields["License"].startswith(name + "\n"):
                return fields["License"].split("\n", 1)[1].strip("\n")
    sys.exit(f"{copyright_file} states no licence text for {' or '.join(names)}")


def section(title, text):
    return f"{RULE}\n{title}\n{RULE}\n\n{text.strip()}\n"


def notices(emscripten_root, apache_text):
    emscripten_root = pathlib.Path(emscripten_root)
    version = (emscripten_root / "emscripten-version.txt").read_text().strip().strip('"')
    debian_copyright = pathlib.Path("/usr/share/doc/emscripten/copyright")
    (everything,) = [p for p in paragraphs(debian_copyright) if p.get("Files") == "\n*"]
    grant = everything.get("License-Grant", "").strip()
    runtime = (f"Copyright {everything['Copyright'].strip()}\n\n"
               + (f"{grant}\n\n" if grant else "")
               + licence_text(debian_copyright, "Expat", "MIT"))
    musl = (emscripten_root / "system/lib/libc/musl/COPYRIGHT").read_text(encoding="utf-8")
    # The exception's text, as Debian's LLVM packages state it (Emscripten's compiler is LLVM).
    for llvm_copyright in sorted(glob.glob("/usr/share/doc/llvm-*/copyright")):
        text = pathlib.Path(llvm_copyright).read_text(encoding="utf-8")
        if LLVM_EXCEPTION in text:
            exception = text.split(LLVM_EXCEPTION, 1)[1].split("\n\n", 1)[0]
            exception = "\n".join("" if line.strip() == "." else line[1:]
                                  for line in exception.splitlines()).strip("\n")
            break
    else:
        sys.exit("No Debian LLVM package here states the LLVM exception's text")
    llvm = ("Part of the LLVM Project, under the Apache License v2.0 with LLVM Exceptions\n"
            "(in SPDX terms, Apache-2.0 WITH LLVM-exception).\n\n"
            f"{LLVM_EXCEPTION}\n\n{exception}\n\n{apache_text}")
    return (
        f"Zefra's page is one self-contained file: besides Zefra's own code (MIT), it holds\n"
        f"parts of the runtime that Emscripten {version} compiled into it. Their copyright and\n"
        f"licence notices follow, as Debian's packages ship them: Emscripten's JavaScript\n"
        f"runtime and memory allocator, its C library (from musl) and its C++ libraries\n"
        f"(libc++ and libc++abi, from LLVM).\n\n"
        + section(f"Emscripten {version}: the JavaScript runtime and the allocator", runtime) + "\n"
        + section("musl, Emscripten's C library", musl) + "\n"
        + section("libc++ and libc++abi, Emscripten's C++ libraries", llvm))


def main():
    root, whole, page = sys.argv[1:]
    pathlib.Path(whole).write_text(notices(root, APACHE.read_text(encoding="utf-8")),
                                   encoding="utf-8")
    text = notices(root, "The Apache License 2.0's text: NOTICES.txt in the web app (Zefra's\n"
                         "-web.zip release), and https://www.apache.org/licenses/LICENSE-2.0\n")
    # The page holds them in a comment, which these would end or open early.
    for marker in ("-->", "<!--", "--!>"):
        if marker in text:
            sys.exit(f"The notices hold {marker!r}, which a comment in the page cannot")
    pathlib.Path(page).write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
