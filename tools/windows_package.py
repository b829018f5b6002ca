# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""What Zefra ships for Windows: the program with its licence, readme and notices (the zip's
members), and the installer built from packaging/windows/zefra.wxs with Debian's wixl, for any
Zefra.exe, 32- or 64-bit, and any version. The same inputs always give the same bytes."""

import hashlib
import os
import pathlib
import re
import struct
import subprocess
import tempfile
import uuid

import olefile

from project import ROOT, project_version

WINDOWS = ROOT / "packaging/windows"
# The notices of the runtime libraries linked into Zefra.exe, as Debian's packages state them.
RUNTIME_NOTICES = [pathlib.Path("/usr/share/doc/mingw-w64-i686-dev/copyright"),
                   pathlib.Path("/usr/share/doc/gcc-mingw-w64-i686-win32-runtime/copyright")]


def windows_text(text):
    """Plain text as Notepad on Windows 7 shows it: CR LF line breaks."""
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def program_files(exe):
    """Zefra.exe and the texts that go beside it, by name."""
    notices = (WINDOWS / "NOTICES-header.txt").read_text()
    for notice in RUNTIME_NOTICES:
        notices += f"\n\n{'=' * 78}\n{notice.parent.name}\n{'=' * 78}\n\n{notice.read_text()}"
    readme = (WINDOWS / "README.txt").read_text().replace("@VERSION@", project_version())
    return {"Zefra.exe": pathlib.Path(exe).read_bytes(),
            "LICENSE.txt": windows_text((ROOT / "LICENSE").read_text()),
            "README.txt": windows_text(readme),
            "NOTICES.txt": windows_text(notices)}


def installer_files(exe):
    """What the installer puts in place: the program and its notices (the readme is the zip's)."""
    files = program_files(exe)
    del files["README.txt"]
    return files


def pe_is_64_bit(program):
    """Whether a Windows program is built for x86-64, from its PE header's machine field."""
    header = program[struct.unpack_from("<I", program, 0x3C)[0]:]
    return struct.unpack_from("<H", header, 4)[0] == 0x8664


def upgrade_code():
    text = (WINDOWS / "upgrade-code.wxi").read_text()
    return uuid.UUID(re.search(r'UpgradeCode = "\{([0-9A-F-]+)\}"', text).group(1))


def installer_version(version):
    """Windows Installer's three-part product version: 1.0 is 1.0.0."""
    parts = version.split(".")
    return ".".join(parts + ["0"] * (3 - len(parts)))


def product_code(version, win64):
    """Each version's own product code, the same every time that version is built."""
    return msi_guid(uuid.uuid5(upgrade_code(), f"Zefra {version} {'x64' if win64 else 'x86'}"))


def msi_guid(value):
    return "{" + str(value).upper() + "}"


def build_msi(out, files, icon, version, epoch):
    """Builds the installer of `files` (program_files' names and bytes) into `out`."""
    win64 = pe_is_64_bit(files["Zefra.exe"])
    code = product_code(version, win64)
    with tempfile.TemporaryDirectory() as staging:
        staging = pathlib.Path(staging)
        contents = dict(files, **{"zefra.ico": pathlib.Path(icon).read_bytes()})
        for name, data in contents.items():
            path = staging / name
            path.write_bytes(data)
            # The cabinet inside keeps each file's time.
            os.utime(path, (epoch, epoch))
        # wixl takes the files' names relative to the folder it runs in.
        wixl = subprocess.run(
            ["wixl", "--arch", "x64" if win64 else "x86", "-I", str(WINDOWS),
             "-D", f"Version={installer_version(version)}", "-D", f"ProductCode={code}",
             "-D", f"Win64={'yes' if win64 else 'no'}", "-o", str(pathlib.Path(out).resolve()),
             str(WINDOWS / "zefra.wxs")], cwd=staging, capture_output=True, text=True)
        if wixl.returncode != 0 or wixl.stderr:
            raise RuntimeError(f"wixl failed on {WINDOWS / 'zefra.wxs'}:\n{wixl.stderr}")
    # The package code names these very bytes, so it is derived from everything that goes in.
    digest = hashlib.sha256(repr(sorted(contents.items())).encode() + version.encode())
    settle_summary(out, msi_guid(uuid.uuid5(upgrade_code(), digest.hexdigest())), epoch)


# The summary information stream (a property set, [MS-OLEPS]) is where wixl writes the time of
# the build and a package code of its own each run: both are set to fixed values here.
SUMMARY_STREAM = "\x05SummaryInformation"
PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM = 9, 12, 13
VT_LPSTR, VT_FILETIME = 30, 64
FILETIME_EPOCH_OFFSET = 11644473600  # seconds from 1601-01-01 to 1970-01-01


def settle_summary(msi, package_code, epoch):
    with olefile.OleFileIO(str(msi), write_mode=True) as ole:
        data = bytearray(ole.openstream(SUMMARY_STREAM).read())
        # After the 28-byte header, the first property set's format id and then its offset.
        section = struct.unpack_from("<I", data, 44)[0]
        count = struct.unpack_from("<I", data, section + 4)[0]
        settled = set()
        for index in range(count):
            pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * index)
            at = section + offset
            kind = struct.unpack_from("<H", data, at)[0]
            if pid == PID_REVNUMBER and kind == VT_LPSTR:
                size = struct.unpack_from("<I", data, at + 4)[0]
                value = package_code.encode("ascii").ljust(size, b"\0")
                if len(value) != size:
                    raise ValueError(f"{msi}: the package code's place holds {size} bytes")
                data[at + 8:at + 8 + size] = value
            elif pid in (PID_CREATE_DTM, PID_LASTSAVE_DTM) and kind == VT_FILETIME:
                struct.pack_into("<Q", data, at + 4, (epoch + FILETIME_EPOCH_OFFSET) * 10**7)
            else:
                continue
            settled.add(pid)
        if settled != {PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM}:
            raise ValueError(f"{msi}: wixl wrote no package code or dates where expected")
        ole.write_stream(SUMMARY_STREAM, bytes(data))

