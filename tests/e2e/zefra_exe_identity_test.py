# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT

"""Reads Zefra.exe's identity back from the built file with pefile, a reader of its own: the
machine, the subsystem, what it imports, its version record, its icon and its manifest."""

import os
import struct
import sys
import unittest
import xml.etree.ElementTree as ElementTree

import pefile

EXE, PROCESSOR, VERSION = sys.argv.pop(1), sys.argv.pop(1), sys.argv.pop(1)
# The project's version, 1.0 or 1.2.3, as the record's four numbers and its text ("1.00").
NUMBERS = [int(part) for part in VERSION.split(".")] + [0] * (4 - len(VERSION.split(".")))
TEXT = f"{NUMBERS[0]}.{NUMBERS[1]:02d}"
MACHINES = {"x86": pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"],
            "AMD64": pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"]}
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll"}
# The whole 32-bit program, runtimes included, fits in 256 KiB.
LARGEST_32_BIT_EXE = 256 * 1024


def resources(pe, kind):
    """The data of every resource of a kind, by name or number."""
    found = []
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id != kind:
            continue
        for named in entry.directory.entries:
            for language in named.directory.entries:
                data = language.data.struct
                found.append((named.id, pe.get_data(data.OffsetToData, data.Size)))
    return found


class ZefraExeIdentity(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(EXE)

    def test_a_self_contained_gui_program(self):
        self.assertEqual(self.pe.FILE_HEADER.Machine, MACHINES[PROCESSOR])
        if PROCESSOR == "x86":
            self.assertEqual(self.pe.OPTIONAL_HEADER.Magic, 0x10B, "PE32")
        self.assertEqual(self.pe.OPTIONAL_HEADER.Subsystem,
                         pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"])
        imported = {entry.dll.decode().lower() for entry in self.pe.DIRECTORY_ENTRY_IMPORT}
        self.assertLessEqual(imported, SYSTEM_DLLS)
        if PROCESSOR == "x86":
            self.assertLessEqual(os.path.getsize(EXE), LARGEST_32_BIT_EXE)

    def test_version_record(self):
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        packed = (NUMBERS[0] << 16 | NUMBERS[1], NUMBERS[2] << 16 | NUMBERS[3])
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS), packed)
        self.assertEqual((fixed.ProductVersionMS, fixed.ProductVersionLS), packed)
        self.assertEqual(fixed.FileType, 1, "an application")
        tables, translations = [], []
        for info in self.pe.FileInfo[0]:
            tables += getattr(info, "StringTable", [])
            for var in getattr(info, "Var", []):
                translations.append(var.entry)
        self.assertEqual(len(tables), 1)
        self.assertEqual(tables[0].LangID, b"040904B0")
        strings = {key.decode(): value.decode() for key, value in tables[0].entries.items()}
        company = strings.pop("CompanyName")
        self.assertTrue(company)
        self.assertEqual(strings, {"FileVersion": TEXT, "ProductVersion": TEXT,
                                   "ProductName": "Zefra", "InternalName": "Zefra",
                                   "OriginalFilename": "Zefra.exe"})
        self.assertEqual(translations, [{b"Translation": "0x0409 0x04b0"}])

    def test_one_icon_of_three_images(self):
        groups = resources(self.pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
        self.assertEqual(len(groups), 1)
        data = groups[0][1]
        reserved, kind, count = struct.unpack_from("<HHH", data)
        self.assertEqual((reserved, kind, count), (0, 1, 3))
        images = dict(resources(self.pe, pefile.RESOURCE_TYPE["RT_ICON"]))
        found = []
        for i in range(count):
            width, height, colours, _, planes, bits, size, image_id = struct.unpack_from(
                "<BBBBHHIH", data, 6 + 14 * i)
            # The image itself: a bitmap header of the same size and depth.
            header = struct.unpack_from("<IiiHH", images[image_id])
            self.assertEqual(header, (40, width, 2 * height, 1, bits))
            self.assertEqual(len(images[image_id]), size)
            found.append((width, height, colours, bits))
        self.assertEqual(sorted(found), sorted([(32, 32, 2, 1), (32, 32, 16, 4), (16, 16, 16, 4)]))

    def test_hardened_and_reproducible(self):
        flags = self.pe.OPTIONAL_HEADER.DllCharacteristics
        wanted = {"IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE", "IMAGE_DLLCHARACTERISTICS_NX_COMPAT",
                  "IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE"}
        if PROCESSOR == "AMD64":
            wanted.add("IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA")
        for flag in wanted:
            self.assertTrue(flags & pefile.DLL_CHARACTERISTICS[flag], flag)
        # Randomised addresses need the relocations.
        self.assertFalse(self.pe.FILE_HEADER.Characteristics
                         & pefile.IMAGE_CHARACTERISTICS["IMAGE_FILE_RELOCS_STRIPPED"])
        relocations = self.pe.OPTIONAL_HEADER.DATA_DIRECTORY[
            pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_BASERELOC"]]
        self.assertGreater(relocations.Size, 0)
        writable = pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_WRITE"]
        executable = pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_EXECUTE"]
        for section in self.pe.sections:
            self.assertNotEqual(section.Characteristics & (writable | executable),
                                writable | executable, section.Name)
        self.assertEqual(self.pe.FILE_HEADER.TimeDateStamp, 0, "no build time in the file")

    def test_manifest(self):
        (_, manifest), = resources(self.pe, pefile.RESOURCE_TYPE["RT_MANIFEST"])
        self.assertIn(b"PerMonitorV2", manifest)
        self.assertIn(b"true/pm", manifest)
        level = ElementTree.fromstring(manifest).find(
            "{urn:schemas-microsoft-com:asm.v3}trustInfo/{urn:schemas-microsoft-com:asm.v3}security"
            "/{urn:schemas-microsoft-com:asm.v3}requestedPrivileges"
            "/{urn:schemas-microsoft-com:asm.v3}requestedExecutionLevel")
        self.assertEqual(level.attrib, {"level": "asInvoker", "uiAccess": "false"})
        identity = ElementTree.fromstring(manifest).find(
            "{urn:schemas-microsoft-com:asm.v1}assemblyIdentity")
        self.assertEqual(identity.attrib["version"], ".".join(map(str, NUMBERS)))


if __name__ == "__main__":
    unittest.main(verbosity=2)
