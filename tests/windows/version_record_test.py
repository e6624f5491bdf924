"""Reads the version record and the imports back out of a built talvorin.exe.

Usage: python3 version_record_test.py path/to/talvorin.exe
"""
import sys
import unittest

import pefile

EXECUTABLE = ""

# What Windows itself provides; a static build needs nothing else.
SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll", "ucrtbase.dll", "user32.dll", "advapi32.dll"}


class BuiltExecutableTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(EXECUTABLE)

    def version_resources(self):
        for kind in self.pe.DIRECTORY_ENTRY_RESOURCE.entries:
            if kind.id == pefile.RESOURCE_TYPE["RT_VERSION"]:
                for name in kind.directory.entries:
                    yield from name.directory.entries

    def string_tables(self):
        for info in self.pe.FileInfo[0]:
            if info.Key == b"StringFileInfo":
                yield from info.StringTable

    def test_record_is_japanese_in_code_page_932(self):
        languages = [(entry.data.lang, entry.data.sublang) for entry in self.version_resources()]
        self.assertEqual(languages, [(0x11, 0x01)])
        translations = [var.entry for info in self.pe.FileInfo[0] if info.Key == b"VarFileInfo"
                        for var in info.Var]
        self.assertEqual(translations, [{b"Translation": "0x0411 0x03a4"}])
        self.assertEqual([table.LangID for table in self.string_tables()], [b"041103A4"])

    def test_record_holds_description_and_versions(self):
        (table,) = self.string_tables()
        strings = {key.decode(): value.decode("utf-8") for key, value in table.entries.items()}
        self.assertEqual(strings["FileDescription"], "BMPをMMP形式でCへ変換")
        self.assertEqual(strings["FileVersion"], "1.0.1.0")
        self.assertEqual(strings["ProductVersion"], "1.01")
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS), (0x00010000, 0x00010000))

    def test_needs_no_dlls_beyond_windows_own(self):
        imported = {entry.dll.decode().lower() for entry in self.pe.DIRECTORY_ENTRY_IMPORT}
        self.assertLessEqual(imported, SYSTEM_DLLS)


if __name__ == "__main__":
    EXECUTABLE = sys.argv.pop(1)
    unittest.main()
