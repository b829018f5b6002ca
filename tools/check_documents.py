# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Keeps README.md and CONTRIBUTING.md true: every repository path, preset, script and its mode,
CMake option and ZEFRA_ setting that they name exists; the release files they name carry the
project's version; CONTRIBUTING's table has a row for each preset and no other; and a size they
quote for a built file is one that a test checks. Run by the test command's format stage.
    check_documents.py"""

import json
import re
import subprocess
import sys

from project import ROOT, project_version

DOCUMENTS = ["README.md", "CONTRIBUTING.md"]
# What the build makes in the source tree, or names the documents give what it makes.
BUILT_FILES = {"NOTICES.txt", "tests/web/node_modules"}
SOURCE_SUFFIXES = (".h", ".cpp", ".py", ".sh", ".js", ".json", ".svg", ".txt", ".wxs", ".wxi",
                   ".in", ".cmake", ".md", ".css")
# The sizes the documents may quote, each with the test that holds the built file to it.
CHECKED_SIZES = {"256 KiB": ("tests/e2e/zefra_exe_identity_test.py", "256 * 1024"),
                 "128 KiB": ("tests/web/chromium_test.js", "128 * 1024")}


def repository_files():
    try:
        listed = subprocess.run(["git", "-C", str(ROOT), "ls-files"], check=True,
                                capture_output=True, text=True).stdout.splitlines()
    except (OSError, subprocess.CalledProcessError):  # a source archive: no git
        listed = [str(p.relative_to(ROOT)) for p in ROOT.rglob("*")
                  if p.is_file() and not p.relative_to(ROOT).parts[0].startswith("build")]
    return set(listed)


def code_spans(text):
    """What the document sets as code: `spans`, and indented or fenced blocks, a line each."""
    spans = re.findall(r"`([^`\n]+)`", text)
    spans += [line.strip() for line in text.splitlines() if line.startswith("    ")
              and not line.lstrip().startswith(("- ", "* "))]
    return spans


def check(document, text, files, problems):
    folders = {name.rsplit("/", 1)[0] for name in files if "/" in name}
    folders |= {f.rsplit("/", i)[0] for f in list(folders) for i in range(1, f.count("/") + 1)}
    top = {name.split("/")[0] for name in files}
    basenames = {name.rsplit("/", 1)[-1] for name in files}
    presets = json.loads((ROOT / "CMakePresets.json").read_text())
    kinds = {kind: {p["name"] for p in presets[f"{kind}Presets"]}
             for kind in ("configure", "build", "test")}
    install_modes = set(re.findall(r"^ +([\w-]+)\) wanted=",
                                   (ROOT / "tools/install-deps.sh").read_text(), re.M))
    elsewhere = "\n".join((ROOT / f).read_text(errors="replace") for f in sorted(files)
                          if f not in DOCUMENTS and (ROOT / f).is_file()
                          and f.endswith(SOURCE_SUFFIXES + ("CMakeLists.txt",)))

    def problem(what):
        problems.append(f"{document}: {what}")

    spans = code_spans(text)
    links = re.findall(r"\]\(([^)#:]+)\)", text) + re.findall(r'src="([^"]+)"', text)
    for token in [t for span in spans for t in span.split()] + links:
        token = token.strip(".,;:()'\"").removeprefix("./")
        if "/" in token and token.split("/")[0] in top:
            path = token.rstrip("/")
            if path not in files and path not in folders and path not in BUILT_FILES:
                problem(f"names {token}, which is not in the repository")
        elif "/" not in token and token.endswith(SOURCE_SUFFIXES) and token not in top:
            if token not in basenames and token not in BUILT_FILES:
                problem(f"names {token}, which no file in the repository is called")
    for span in spans:
        for tool, preset in re.findall(r"\b(cmake|ctest)\b.*?--preset[ =]([\w-]+)", span):
            kind = "test" if tool == "ctest" else "configure"
            if "--build" in span:
                kind = "build"
            if preset not in kinds[kind] and preset != "NAME":
                problem(f"names the {kind} preset {preset}, which CMakePresets.json lacks")
        for mode in re.findall(r"install-deps\.sh ([\w|-]+)", span):
            for one in mode.split("|"):
                if one not in install_modes and not one.isupper():  # MODE: a placeholder
                    problem(f"names install-deps.sh's mode {one}, which it does not have")
    for setting in sorted(set(re.findall(r"\bZEFRA_[A-Z0-9_]+\b", text))):
        if not re.search(rf"\b{setting}\b", elsewhere):
            problem(f"names the setting {setting}, which nothing in the repository reads")
    for option in sorted(set(re.findall(r"-D([A-Z][A-Z0-9_]+)=", text))):
        if not option.startswith("CMAKE_") and not re.search(rf"\b{option}\b", elsewhere):
            problem(f"names the CMake option {option}, which no CMake file has")
    version = project_version()
    for quoted in sorted(set(re.findall(r"[Zz]efra[-_]([0-9]+(?:\.[0-9]+)+)[-_.]", text))):
        if quoted != version:
            problem(f"names release files of version {quoted}; the project is at {version}")
    for size in sorted(set(re.findall(r"\b[0-9][0-9,.]* ?(?:KiB|MiB|KB|MB|kB|bytes)\b", text))):
        if size == "1 MiB" and "echoed 1 MiB question" in text:
            continue  # the benchmark's input, not a built file
        checked = CHECKED_SIZES.get(size)
        if not checked or checked[1] not in (ROOT / checked[0]).read_text():
            problem(f"quotes {size}, a size no test holds a built file to")
    rows = re.findall(r"^\| `([\w-]+)` \|", text, re.M)
    if rows and set(rows) != kinds["configure"]:
        problem(f"the preset table's rows {sorted(rows)} are not the presets "
                f"{sorted(kinds['configure'])}")


def main():
    files = repository_files()
    problems = []
    for document in DOCUMENTS:
        check(document, (ROOT / document).read_text(), files, problems)
    for line in problems:
        print(line, file=sys.stderr)
    if problems:
        sys.exit(f"{len(problems)} thing(s) in the documents are not so")
    print(f"{', '.join(DOCUMENTS)}: every path, preset, mode, setting, version and size they name "
          "is so")


if __name__ == "__main__":
    main()
