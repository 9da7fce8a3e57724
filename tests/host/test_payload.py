"""The carried files at configure time: real files are checked against the
manifest and embedded, none at all gives stand-ins, anything between fails;
and the import tool takes the files out of an installation."""

import os
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

import payload_fixture as fixture

ROOT = fixture.ROOT
BUILD = Path(os.environ.get("VQ_BUILD", ROOT / "build"))
DRIVER = """
include("{root}/cmake/Payload.cmake")
payload_generate("{assets}" "{out}")
"""


def utf16(text):
    return text.encode("utf-16le")


class Configure(unittest.TestCase):
    def setUp(self):
        self.dir = Path(tempfile.mkdtemp())
        self.assets = self.dir / "assets"
        self.out = self.dir / "out"
        self.assets.mkdir()
        self.out.mkdir()
        shutil.copy(fixture.MANIFEST, self.assets)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def generate(self):
        script = self.dir / "driver.cmake"
        script.write_text(DRIVER.format(root=ROOT, assets=self.assets, out=self.out))
        return subprocess.run(["cmake", "-P", str(script)], capture_output=True, text=True)

    def test_real_files_are_embedded_byte_for_byte(self):
        fixture.write(self.assets)
        result = self.generate()
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertNotIn("STAND-IN", result.stderr)
        header = (self.out / "payload_bytes.h").read_text()
        self.assertIn("#define PAYLOAD_STAND_IN 0", header)
        source = (self.out / "payload_bytes.cpp").read_text()
        for row in fixture.rows():
            start = source.index(f"kPayloadBytes{row['row']}[{row['length']}] = {{")
            body = source[source.index("{", start) + 1:source.index("}", start)]
            data = bytes(int(b, 16) for b in body.replace("\n", "").split(",") if b)
            self.assertEqual(data, fixture.contents(row), row["name"])

    def test_no_files_give_stand_ins_and_a_warning(self):
        result = self.generate()
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("STAND-INS", result.stderr)
        self.assertIn("development and tests only", result.stderr)
        self.assertIn("#define PAYLOAD_STAND_IN 1", (self.out / "payload_bytes.h").read_text())

    def test_wrong_or_partial_files_fail_naming_the_file(self):
        rows = {r["row"]: r for r in fixture.rows()}

        def replace(row, data):
            path = self.assets / Path(*rows[row]["name"].split("\\"))
            path.write_bytes(data)

        def inf(lines=327, bom=b"\xff\xfe", klass="NetTrans"):
            data = fixture.inf_file(26548, lines, klass, *rows[6]["id"][2:])
            return bom + data[2:]

        cases = [
            ("only five", lambda: (self.assets / "Wshisn.Dll").unlink(), "missing: Wshisn.Dll"),
            ("wrong length", lambda: replace(2, fixture.contents(rows[2]) + b"x"),
             "Rtipxmib.Dll: length is 31745 bytes, expected 31744"),
            ("not a PE file", lambda: replace(1, b"XX" + fixture.contents(rows[1])[2:]),
             "Nwprovau.Dll: not a Windows executable"),
            ("64-bit", lambda: replace(4, fixture.pe_file(88320, *rows[4]["id"], machine=0x8664)),
             "Nwlnkipx.Sys: not a 32-bit x86 Windows executable"),
            ("other version", lambda: replace(5, fixture.pe_file(55936, rows[5]["id"][0], "5.1.2600.1")),
             "Nwlnkspx.Sys: version block lacks the version"),
            ("other description", lambda: replace(3, fixture.pe_file(11776, "Something else", rows[3]["id"][1])),
             "Wshisn.Dll: version block lacks the description"),
            ("no BOM", lambda: replace(6, inf(bom=b"\xfe\xff")), "Netnwlnk.Inf: does not begin with"),
            ("other line count", lambda: replace(6, inf(lines=326)), "Netnwlnk.Inf: has 326 CR LF line ends"),
            ("other class", lambda: replace(6, inf(klass="NetService")), 'Netnwlnk.Inf: does not contain "NetTrans"'),
        ]
        for name, spoil, message in cases:
            with self.subTest(name):
                shutil.rmtree(self.assets)
                self.assets.mkdir()
                shutil.copy(fixture.MANIFEST, self.assets)
                fixture.write(self.assets)
                spoil()
                result = self.generate()
                self.assertNotEqual(result.returncode, 0)
                self.assertIn(message, " ".join(result.stderr.split()))


class StandIns(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = Path(tempfile.mkdtemp())
        for attempt in ("a", "b"):
            (cls.dir / attempt).mkdir()
            subprocess.run(["cmake", f"-DPAYLOAD_STANDIN_DIR={cls.dir / attempt}", "-P",
                            str(ROOT / "cmake" / "Payload.cmake")], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.dir)

    def stand_in(self, row, attempt="a"):
        return bytes.fromhex((self.dir / attempt / f"{row}.hex").read_text())

    def test_have_the_names_lengths_and_shape_of_the_real_files(self):
        for row in fixture.rows():
            data = self.stand_in(row["row"])
            self.assertEqual(len(data), row["length"], row["name"])
            self.assertEqual(data, self.stand_in(row["row"], "b"), "not deterministic")
            if row["kind"] == "pe":
                self.assertNotEqual(data[:2], b"MZ")
                self.assertIn(row["name"].encode(), data)
                self.assertIn(b"NOT A WINDOWS FILE", data)
        inf = self.stand_in(6)
        self.assertEqual(inf[:2], b"\xff\xfe")
        lines = inf[2:].decode("utf-16le").split("\r\n")
        self.assertEqual(len(lines), 328)
        self.assertEqual(lines[-1], "")

    def test_mark_the_executable_as_not_for_real_use(self):
        header = (BUILD / "generated" / "payload_bytes.h").read_text()
        if "PAYLOAD_STAND_IN 1" not in header:
            self.skipTest("this build carries the real files")
        exe = (BUILD / "velquist.exe").read_bytes()
        self.assertIn(utf16("SpecialBuild"), exe)
        self.assertIn(utf16("STAND-IN PAYLOAD - NOT FOR REAL USE"), exe)
        for row in range(1, 7):
            self.assertIn(self.stand_in(row), exe)


class Importer(unittest.TestCase):
    NAMES = {
        1: "WINDOWS/System32/NWPROVAU.DLL",
        2: "WINDOWS/system32/rtipxmib.dll",
        3: "WINDOWS/SYSTEM32/WsHisn.dll",
        4: "WINDOWS/system32/DRIVERS/nwlnkipx.sys",
        5: "staging/nwlnkspx.sys",
        6: "WINDOWS/Inf/NETNWLNK.INF",
    }

    def setUp(self):
        self.dir = Path(tempfile.mkdtemp())
        self.tree = self.dir / "xp"
        self.into = self.dir / "assets"
        self.into.mkdir()
        fixture.write(self.tree, self.NAMES)
        # Row 5 only as the installation CD has it: cabinet-compressed.
        plain = self.tree / self.NAMES[5]
        packed = self.tree / "I386" / "NWLNKSPX.SY_"
        packed.parent.mkdir()
        subprocess.run(["gcab", "-c", "-z", str(packed), plain.name], cwd=plain.parent, check=True)
        shutil.rmtree(plain.parent)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def run_import(self):
        return subprocess.run([str(ROOT / "tools" / "import-payload"), str(self.tree), "--into", str(self.into)],
                              capture_output=True, text=True)

    def imported(self):
        return sorted(str(p.relative_to(self.into)) for p in self.into.rglob("*") if p.is_file())

    def test_imports_the_six_files_under_their_exact_names(self):
        result = self.run_import()
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(self.imported(), ["Nwprovau.Dll", "Rtipxmib.Dll", "Wshisn.Dll",
                                           "drivers/Nwlnkipx.Sys", "drivers/Nwlnkspx.Sys", "inf/Netnwlnk.Inf"])
        for row in fixture.rows():
            path = self.into / Path(*row["name"].split("\\"))
            self.assertEqual(path.read_bytes(), fixture.contents(row), row["name"])

    def test_a_wrong_file_is_refused_and_nothing_is_left(self):
        wrong = self.tree / self.NAMES[3]
        wrong.write_bytes(fixture.pe_file(11776, "NWLINK2 Socket Helper DLL", "5.1.2600.5512"))
        result = self.run_import()
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("Wshisn.Dll refused", result.stderr)
        self.assertIn("lacks the version", result.stderr)
        self.assertEqual(self.imported(), [])
        self.assertEqual(list(self.into.iterdir()), [])


if __name__ == "__main__":
    unittest.main()
