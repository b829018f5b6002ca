# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Writes the release files other than the Debian package into a folder: Zefra-1.0-win32.zip,
Zefra-1.0-web.zip, zefra-1.0.tar.gz, and SHA256SUMS over everything there. Every time, owner and
permission in them is fixed, so the same commit always gives the same bytes.
    make_release_files.py OUT SOURCE_DATE_EPOCH"""

import gzip
import hashlib
import io
import pathlib
import subprocess
import sys
import time
import zipfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
VERSION = "1.0"
# The notices of the runtime libraries linked into Zefra.exe, as Debian's packages state them.
RUNTIME_NOTICES = [pathlib.Path("/usr/share/doc/mingw-w64-i686-dev/copyright"),
                   pathlib.Path("/usr/share/doc/gcc-mingw-w64-i686-win32-runtime/copyright")]


def windows_text(text):
    """Plain text as Notepad on Windows 7 shows it: CR LF line breaks."""
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


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
    notices = (ROOT / "packaging/windows/NOTICES-header.txt").read_text()
    for notice in RUNTIME_NOTICES:
        notices += f"\n\n{'=' * 78}\n{notice.parent.name}\n{'=' * 78}\n\n{notice.read_text()}"
    write_zip(out / f"Zefra-{VERSION}-win32.zip", epoch, [
        ("Zefra.exe", (ROOT / "build-windows/Zefra.exe").read_bytes()),
        ("LICENSE.txt", windows_text((ROOT / "LICENSE").read_text())),
        ("README.txt", windows_text((ROOT / "packaging/windows/README.txt").read_text())),
        ("NOTICES.txt", windows_text(notices)),
    ])
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
