# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Writes the AppStream metainfo: the template with its releases, newest first, made from the
Debian changelog's entries, so that a release's version, day and notes are written down once.
    make_metainfo.py TEMPLATE CHANGELOG OUT"""

import email.utils
import html
import re
import sys

ENTRY = re.compile(r"^zefra \(([^)-]+)\)[^\n]*\n(.*?)^ -- [^\n]*?  (.+?)$", re.M | re.S)


def releases(changelog):
    written = []
    for version, body, signed in ENTRY.findall(changelog):
        day = email.utils.parsedate_to_datetime(signed).date().isoformat()
        notes = "".join(f"\n        <p>{html.escape(' '.join(item.split()), quote=False)}</p>"
                        for item in re.split(r"^  \* ", body, flags=re.M)[1:])
        written.append(f'    <release version="{version}" date="{day}">\n'
                       f"      <description>{notes}\n      </description>\n    </release>")
    if not written:
        sys.exit("the changelog has no entry")
    return "\n".join(written)


def main():
    template, changelog, out = sys.argv[1:]
    with open(template, encoding="utf-8") as f, open(changelog, encoding="utf-8") as c:
        metainfo = f.read().replace("@RELEASES@", releases(c.read()))
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write(metainfo)


if __name__ == "__main__":
    main()
