# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Writes the release files other than the Debian packages into a folder: for Windows the zip
and the installer, the page for browsers, the web app's zip, the source archive, and SHA256SUMS
over everything there. Every time, owner and permission in them is fixed, so the same commit
always gives the same bytes.
    make_release_files.py OUT SOURCE_DATE_EPOCH"""

import gzip
import hashlib
import io
import pathlib
import shutil
import subprocess
import sys
import time
import zipfile

from project import ROOT, project_version
from windows_package import build_msi, installer_files, program_files

VERSION = project_version()


def write_zip(path, epoch, members):
    stamp = time.gmtime(max(epoch, 315532800))[:6]  # a zip cannot hold a time before 1980
    with zipfile.ZipFile(path, "w") as archive:
        for name, data in members:
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3
            info.external_attr = 0o100644 << 16
            archive.writestr(info, data, compresslevel=9)


def source_archive(path):
    """The checked-out commit's tracked files, as git archive gives them (it writes the commit's
    time into packaging/source-date-epoch), compressed with no name or time in the header."""
    prefix = f"zefra-{VERSION}/"
    # Folders and files readable by all and writable by their owner only.
    tar = subprocess.run(["git", "-C", str(ROOT), "-c", "tar.umask=022", "archive",
                          "--format=tar", f"--prefix={prefix}", "HEAD"],
                         check=True, capture_output=True).stdout
    with open(path, "wb") as raw:
        with gzip.GzipFile(filename="", mode="wb", fileobj=raw, compresslevel=9, mtime=0) as out:
            out.write(tar)


def main():
    out, epoch = pathlib.Path(sys.argv[1]), int(sys.argv[2])
    exe, icon = ROOT / "build-windows/Zefra.exe", ROOT / "build-windows/window/win32/zefra.ico"
    write_zip(out / f"Zefra-{VERSION}-win32.zip", epoch, list(program_files(exe).items()))
    build_msi(out / f"Zefra-{VERSION}.msi", installer_files(exe), icon, VERSION, epoch)
    shutil.copyfile(ROOT / "build-web/Zefra.html", out / f"Zefra-{VERSION}.html")
    # The web app's files, to be put as they are into a folder of a web server.
    web_app = ROOT / "build-web/web-app"
    write_zip(out / f"Zefra-{VERSION}-web.zip", epoch,
              [(path.name, path.read_bytes()) for path in sorted(web_app.iterdir())])
    source_archive(out / f"zefra-{VERSION}.tar.gz")
    sums = io.StringIO()
    for path in sorted(p for p in out.iterdir() if p.name != "SHA256SUMS"):
        sums.write(f"{hashlib.sha256(path.read_bytes()).hexdigest()}  {path.name}\n")
    (out / "SHA256SUMS").write_text(sums.getvalue())


if __name__ == "__main__":
    main()
