# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""The release, checked as a packager and a user would: the sources are REUSE-compliant, the
Debian package is lintian-clean with a hardened program in it, the Windows installer installs
the zip's program for the user alone and agrees with its version record, two release builds of
the same commit in different folders, under a different umask, time zone and locale, give the
same bytes, and the source archive builds and passes the core tests with no git anywhere near.
    release_test.py   (from a git checkout; the checked-out commit is what is tested)
ZEFRA_KEEP_RELEASE_TEST=1 keeps the two clones and their builds for a closer look."""

import filecmp
import gzip
import os
import pathlib
import shutil
import subprocess
import sys
import tarfile
import tempfile
import unittest
import zipfile

import pefile

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
sys.path.insert(0, str(ROOT / "tools"))
import windows_package  # noqa: E402
from project import project_version  # noqa: E402

VERSION = project_version()
RELEASE_FILES = ["SHA256SUMS", f"Zefra-{VERSION}-web.zip", f"Zefra-{VERSION}-win32.zip",
                 f"Zefra-{VERSION}.html", f"Zefra-{VERSION}.msi", f"zefra-{VERSION}.tar.gz",
                 f"zefra_{VERSION}_amd64.deb", f"zefra_{VERSION}_arm64.deb"]


def run(command, cwd, env=None, umask=None):
    done = subprocess.run(command, cwd=cwd, env=env, capture_output=True, text=True,
                          preexec_fn=(lambda: os.umask(umask)) if umask is not None else None)
    if done.returncode != 0:
        raise AssertionError(f"{command} failed:\n{done.stdout[-4000:]}\n{done.stderr[-4000:]}")
    return done.stdout


class Release(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = pathlib.Path(tempfile.mkdtemp(prefix="zefra-release-"))
        # Two clones of the commit, at paths of different lengths, released by people with
        # different habits; neither sets SOURCE_DATE_EPOCH.
        cls.clones = [cls.work / "a", cls.work / "a-much-longer-folder-name" / "zefra"]
        settings = [("0022", "UTC", "C.UTF-8"), ("0077", "Pacific/Auckland", "POSIX")]
        for clone, (umask, zone, locale) in zip(cls.clones, settings):
            run(["git", "clone", "--quiet", "--no-hardlinks", str(ROOT), str(clone)], cls.work)
            env = {k: v for k, v in os.environ.items() if k != "SOURCE_DATE_EPOCH"}
            env.update(TZ=zone, LC_ALL=locale, LANG=locale)
            run(["bash", "tools/release.sh"], clone, env, umask=int(umask, 8))

    @classmethod
    def tearDownClass(cls):
        if not os.environ.get("ZEFRA_KEEP_RELEASE_TEST"):
            shutil.rmtree(cls.work, ignore_errors=True)

    def test_reuse_compliant(self):
        run(["reuse", "lint"], self.clones[0])

    def test_debian_packages_clean_and_hardened(self):
        for arch in ("amd64", "arm64"):
            with self.subTest(arch):
                self.check_package(arch)

    def check_package(self, arch):
        package = self.clones[0] / "release" / f"zefra_{VERSION}_{arch}.deb"
        run(["lintian", "--fail-on", "error,warning", str(package)], self.work)
        self.assertEqual(run(["dpkg-deb", "--field", str(package), "Architecture", "Version"],
                             self.work), f"Architecture: {arch}\nVersion: {VERSION}\n")
        unpacked = self.work / f"unpacked-{arch}"
        run(["dpkg-deb", "-x", str(package), str(unpacked)], self.work)
        # The version the package says is the one its manual page and metainfo say.
        manual = gzip.decompress((unpacked / "usr/share/man/man6/Zefra.6.gz").read_bytes())
        self.assertIn(f'"Zefra {VERSION}"'.encode(), manual.splitlines()[2])
        metainfo = (unpacked / "usr/share/metainfo/org.zefra.Zefra.metainfo.xml").read_text()
        self.assertEqual(metainfo.split("<release version=")[1].split()[0], f'"{VERSION}"')
        program = unpacked / "usr/games/Zefra"
        # Every line yes, but the other processor's protections and what cannot be had:
        # x86's control-flow integrity needs every object linked in built for it, the C
        # library's start-up code too, and hardening-check reads stack-clash probes only in
        # x86 code. On arm64 the program's code carries the processor's own branch protection:
        # return addresses signed (paciasp) and branch targets marked (bti). The program's
        # note that says so for the whole file needs the C library's start-up objects built
        # for it too, as Debian 12's are not.
        report = subprocess.run(["hardening-check", str(program)], capture_output=True,
                                text=True).stdout
        found = dict(line.strip().split(": ", 1) for line in report.splitlines()[1:]
                     if ": " in line)
        self.assertGreaterEqual(len(found), 7, report)
        other = {"amd64": {"Control flow integrity", "Branch Protection"},
                 "arm64": {"Control flow integrity", "Stack clash protection",
                           "Branch Protection"}}[arch]
        self.assertEqual([name for name, value in found.items()
                          if name not in other and not value.startswith("yes")], [], report)
        if arch == "arm64":
            code = run(["aarch64-linux-gnu-objdump", "-d", str(program)], self.work)
            for instruction in ("\tpaciasp", "\tbti\t"):
                self.assertIn(instruction, code)
        contents = run(["dpkg-deb", "-c", str(package)], self.work)
        for line in contents.splitlines():
            mode = line.split()[0]
            self.assertIn(mode, ("drwxr-xr-x", "-rw-r--r--", "-rwxr-xr-x", "lrwxrwxrwx"), line)

    def test_windows_installer(self):
        """What the installer end-to-end test under Wine cannot see: the installer's version
        against Zefra.exe's record, that it asks for no elevation, that its shortcut is not
        advertised, its downgrade message, and that it holds the zip's very Zefra.exe."""
        release = self.clones[0] / "release"
        msi = release / f"Zefra-{VERSION}.msi"

        def table(name):
            rows = run(["msiinfo", "export", str(msi), name], self.work).splitlines()[3:]
            return [row.split("\t") for row in rows]

        properties = dict(table("Property"))
        zip_file = zipfile.ZipFile(release / f"Zefra-{VERSION}-win32.zip")
        exe = zip_file.read("Zefra.exe")
        record = pefile.PE(data=exe).VS_FIXEDFILEINFO[0]
        numbers = [record.ProductVersionMS >> 16, record.ProductVersionMS & 0xFFFF,
                   record.ProductVersionLS >> 16]
        self.assertEqual(properties["ProductVersion"], ".".join(map(str, numbers)))
        self.assertIn(f"version {VERSION}\r\n".encode(), zip_file.read("README.txt"))
        # For the user alone: no ALLUSERS, and the summary's word count says compressed (2) and
        # no elevation needed (8).
        self.assertNotIn("ALLUSERS", properties)
        self.assertIn("Source: 10 (a)\n", run(["msiinfo", "suminfo", str(msi)], self.work))
        (shortcut,) = table("Shortcut")
        self.assertEqual(shortcut[4], "[#ZefraExe]", "an advertised shortcut")
        ((condition, message),) = table("LaunchCondition")
        self.assertEqual(condition, "NOT WIX_DOWNGRADE_DETECTED")
        self.assertIn("A newer version of Zefra is already installed", message)
        run(["msiextract", "-C", str(self.work / "msi"), str(msi)], self.work)
        self.assertEqual((self.work / "msi/Programs/Zefra/Zefra.exe").read_bytes(), exe)

    def test_web_files_carry_the_runtime_notices(self):
        """The page ends with the notices of the runtime parts compiled into it, in a comment;
        the web app's zip holds them with the Apache License's text as NOTICES.txt, and its
        page ends as the page does."""
        release = self.clones[0] / "release"
        page = (release / f"Zefra-{VERSION}.html").read_text(encoding="utf-8")
        self.assertTrue(page.endswith("-->\n"), page[-200:])
        notices = page[page.rindex("</html>"):].split("<!--\n", 1)[1].removesuffix("-->\n")
        web_app = zipfile.ZipFile(release / f"Zefra-{VERSION}-web.zip")
        whole = web_app.read("NOTICES.txt").decode("utf-8")
        for text in (notices, whole):
            for part in ("Emscripten", "The Emscripten Authors", "Rich Felker",
                         "LLVM Exceptions to the Apache 2.0 License",
                         "Permission is hereby granted"):
                self.assertIn(part, text)
        self.assertIn("TERMS AND CONDITIONS FOR USE, REPRODUCTION, AND DISTRIBUTION", whole)
        self.assertTrue(web_app.read("index.html").decode("utf-8").endswith(f"{notices}-->\n"))

    def test_two_builds_are_byte_identical(self):
        first, second = self.clones
        compared = ["build/Zefra", "build-arm64/Zefra", "build-windows/Zefra.exe",
                    *(f"release/{name}" for name in RELEASE_FILES)]
        for path in compared:
            with self.subTest(path):
                self.assertTrue(filecmp.cmp(first / path, second / path, shallow=False),
                                f"{path} differs between the two builds")

    def test_source_archive_builds_without_git(self):
        unpacked = self.work / "from-archive"
        with tarfile.open(self.clones[0] / "release" / f"zefra-{VERSION}.tar.gz") as archive:
            archive.extractall(unpacked)
        source = unpacked / f"zefra-{VERSION}"
        self.assertFalse((source / ".git").exists())
        # git archive wrote the commit's time in, so a build from here has the same date.
        commit_time = run(["git", "log", "-1", "--format=%ct"], self.clones[0]).strip()
        self.assertEqual((source / "packaging/source-date-epoch").read_text().strip(), commit_time)
        env = dict(os.environ, GIT_CEILING_DIRECTORIES=str(unpacked))
        build = unpacked / "build"
        run(["cmake", "-S", str(source), "-B", str(build), "-G", "Ninja",
             "-DZEFRA_FRONT_END=none", "-DBUILD_TESTING=ON", "-DZEFRA_WARNINGS_AS_ERRORS=ON"],
            unpacked, env)
        run(["cmake", "--build", str(build)], unpacked, env)
        output = run(["ctest", "--test-dir", str(build), "--output-on-failure"], unpacked, env)
        self.assertIn("100% tests passed", output)


if __name__ == "__main__":
    unittest.main(verbosity=2)
