# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Makes the web app's service worker from its template: the files it keeps (the app's folder
itself, which a web server answers with index.html, and each file by name) and a version drawn
from their contents, so that any change to them makes a new worker.
    make_service_worker.py TEMPLATE OUT FILE..."""

import hashlib
import json
import pathlib
import sys


def main():
    template, out, *files = sys.argv[1:]
    version = hashlib.sha256()
    for path in map(pathlib.Path, files):
        version.update(path.name.encode("utf-8") + b"\0" + path.read_bytes())
    names = ["./"] + [pathlib.Path(path).name for path in files]
    worker = (pathlib.Path(template).read_text(encoding="utf-8")
              .replace("@VERSION@", version.hexdigest()[:16])
              .replace("@FILES@", json.dumps(names)))
    pathlib.Path(out).write_text(worker, encoding="utf-8", newline="\n")


if __name__ == "__main__":
    main()
