# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""Zefra as an installed desktop application: the install layout, the desktop entry and the
AppStream metainfo validated, and the Debian package installed, started and removed again in a
throwaway root (tools/debian-root.sh), never in the machine's own package database: in the root
this runs in, or else in the one that ZEFRA_PACKAGE_ROOT names, where this test runs again."""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "e2e"))
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent.parent / "tools"))
from project import project_version  # noqa: E402
from x11_desktop import Desktop  # noqa: E402

BUILD, CPACK = sys.argv.pop(1), sys.argv.pop(1)
APP_ID = "org.zefra.Zefra"
ROOT_MAKER = str(pathlib.Path(__file__).resolve().parent.parent.parent / "tools/debian-root.sh")


def run(*command, timeout=300, **options):
    done = subprocess.run(command, timeout=timeout, capture_output=True, text=True, **options)
    if done.returncode != 0:
        raise AssertionError(f"{command} failed:\n{done.stdout[-4000:]}\n{done.stderr[-4000:]}")
    return done


class InstalledZefra(unittest.TestCase):
    def test_install_layout_and_validation(self):
        with tempfile.TemporaryDirectory() as prefix:
            run("cmake", "--install", BUILD, "--prefix", prefix)
            root = pathlib.Path(prefix)
            expected = {
                "games/Zefra", "games/zefra",
                "share/man/man6/Zefra.6.gz", "share/man/man6/zefra.6.gz",
                "share/doc/zefra/copyright", "share/doc/zefra/changelog.gz",
                f"share/applications/{APP_ID}.desktop",
                f"share/metainfo/{APP_ID}.metainfo.xml",
                f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
                *(f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png" for n in (16, 32, 48)),
            }
            installed = {str(p.relative_to(root)) for p in root.rglob("*") if p.is_file()}
            self.assertEqual(installed, expected)
            self.assertTrue(os.access(root / "games/Zefra", os.X_OK))
            # The lower-case names lead to the same program and manual page.
            self.assertEqual(os.readlink(root / "games/zefra"), "Zefra")
            self.assertEqual(os.readlink(root / "share/man/man6/zefra.6.gz"), "Zefra.6.gz")
            entry = root / f"share/applications/{APP_ID}.desktop"
            run("desktop-file-validate", str(entry))
            self.assertIn(f"\nExec={root}/games/Zefra\n", entry.read_text())
            metainfo = root / f"share/metainfo/{APP_ID}.metainfo.xml"
            run("appstreamcli", "validate", "--no-net", str(metainfo))
            text = metainfo.read_text()
            for part in (f"<id>{APP_ID}</id>", "<name>Zefra</name>",
                         f'<release version="{project_version()}"',
                         f'<launchable type="desktop-id">{APP_ID}.desktop</launchable>'):
                self.assertIn(part, text)
            for size in (16, 32, 48):
                png = (root / f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png").read_bytes()
                self.assertEqual(png[:8], b"\x89PNG\r\n\x1a\n")
                self.assertEqual(int.from_bytes(png[16:20], "big"), size)

    def test_debian_package_installs_runs_and_removes(self):
        with tempfile.TemporaryDirectory() as out:
            # The package that this build makes, or one made on another Debian release.
            if "ZEFRA_DEB" in os.environ:
                package = pathlib.Path(os.environ["ZEFRA_DEB"])
            else:
                run(CPACK, "-G", "DEB", "-B", out, cwd=BUILD)
                (package,) = pathlib.Path(out).glob(f"zefra_{project_version()}_*.deb")
            fields = run("dpkg-deb", "--field", str(package), "Depends").stdout
            for dependency in ("fonts-comic-neue", "fonts-liberation2", "libqt6widgets6"):
                self.assertIn(dependency, fields)
            # Installed only where installing changes nothing that matters: in a throwaway root.
            if subprocess.run([ROOT_MAKER, "inside"]).returncode == 0:
                self.install_start_and_remove(package)
            elif os.environ.get("ZEFRA_PACKAGE_ROOT"):
                self.run_in_root(pathlib.Path(os.environ["ZEFRA_PACKAGE_ROOT"]), package)
            else:
                print("Not in a throwaway root and given none in ZEFRA_PACKAGE_ROOT: the package "
                      "is checked as a file and installed nowhere.", file=sys.stderr)

    def run_in_root(self, root, package):
        """This test once more inside `root`, a root made by tools/debian-root.sh with the
        source folder shared at /zefra-source, on a copy of the package."""
        with tempfile.TemporaryDirectory(dir=root / "tmp") as inside:
            copy = pathlib.Path(inside) / package.name
            shutil.copyfile(package, copy)
            done = run(ROOT_MAKER, "run", str(root), "env",
                       f"ZEFRA_DEB=/{copy.relative_to(root)}",
                       f"ZEFRA_EMULATOR={os.environ.get('ZEFRA_EMULATOR', '')}",
                       "PYTHONDONTWRITEBYTECODE=1", "/usr/bin/python3",
                       "/zefra-source/tests/packaging/install_test.py", "-", "-",
                       "InstalledZefra.test_debian_package_installs_runs_and_removes",
                       timeout=900)
            print(f"In the throwaway root {root}:\n{done.stderr}", file=sys.stderr)

    def install_start_and_remove(self, package):
        """Only ever called inside a throwaway root (tools/debian-root.sh inside)."""
        # As a user installs it: apt brings what it depends on.
        purge_in_root = ["dpkg", "--purge", "zefra"]
        self.addCleanup(subprocess.run, purge_in_root, capture_output=True)
        run("apt-get", "install", "-y", "-q", "--no-install-recommends", str(package.resolve()),
            env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"), timeout=900)

        desktop = Desktop()
        self.addCleanup(desktop.close)
        zefra = desktop.start(self, ["/usr/games/zefra"])
        window = desktop.wait_for_window("Form1")
        desktop.wait_until_painted(window)
        desktop.request_close(window)
        self.assertEqual(zefra.wait(10), 0)

        run(*purge_in_root)
        self.assertFalse(pathlib.Path("/usr/games/Zefra").exists())
        self.assertFalse(pathlib.Path(f"/usr/share/applications/{APP_ID}.desktop").exists())
        self.assertNotEqual(subprocess.run(["dpkg", "-s", "zefra"], capture_output=True).returncode, 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
