"""velquist.exe is what it must be: a static, 32-bit GUI program that imports
only Windows system libraries, with ASLR and DEP, no manifest, a version
block, and no build time in its header."""

import os
import unittest
from pathlib import Path

from pe import PE

BUILD = Path(os.environ.get("VQ_BUILD", Path(__file__).resolve().parents[2] / "build"))
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "msvcrt.dll",
               "advapi32.dll", "comctl32.dll", "ole32.dll", "shlwapi.dll"}
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24


class Executable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = PE((BUILD / "velquist.exe").read_bytes())

    def test_is_a_32_bit_x86_gui_program(self):
        self.assertEqual(self.pe.machine, 0x14C)
        self.assertEqual(self.pe.magic, 0x10B)  # PE32
        self.assertEqual(self.pe.subsystem, 2)  # Windows GUI: no console
        self.assertFalse(self.pe.characteristics & 0x2000, "a DLL")

    def test_imports_only_windows_system_libraries(self):
        imports = {name.lower() for name in self.pe.imports()}
        self.assertTrue(imports, "no imports found")
        self.assertLessEqual(imports, SYSTEM_DLLS, imports - SYSTEM_DLLS)

    def test_has_aslr_and_dep(self):
        self.assertTrue(self.pe.dll_characteristics & 0x40, "no DYNAMIC_BASE")
        self.assertTrue(self.pe.dll_characteristics & 0x100, "no NX_COMPAT")
        # ASLR needs the relocations to be kept.
        self.assertGreater(self.pe.directories[5][1], 0, "no base relocations")
        self.assertFalse(self.pe.characteristics & 0x0001, "relocations stripped")

    def test_carries_a_version_block_and_no_manifest(self):
        types = self.pe.resource_types()
        self.assertIn(RT_VERSION, types)
        self.assertNotIn(RT_MANIFEST, types)

    def test_carries_the_program_icon(self):
        self.assertEqual(self.pe.resource_names(RT_GROUP_ICON), ["DEFAULT_ICON"])
        self.assertEqual(len(self.pe.resource_names(RT_ICON)), 4)

    def test_has_no_build_time_in_its_header(self):
        self.assertEqual(self.pe.timestamp, 0)


if __name__ == "__main__":
    unittest.main()
