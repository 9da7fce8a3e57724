"""Start-up: wherever the program is started from, its folder becomes the
current directory, also when its own name holds a GBK character whose
second byte is a backslash; a path too long for the buffer changes nothing."""

import shutil
import unittest

from harness import EXE, PREFIX, Program, gbk, probe

DRIVE_C = PREFIX / "drive_c"


class Startup(unittest.TestCase):
    def start_from(self, folder, name):
        target = DRIVE_C / folder / name
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(EXE, target)
        program = Program(target, cwd=str(DRIVE_C / "windows"))
        try:
            seen = probe("cwd", name, "120000")
        finally:
            probe("close", name, "5000")
            program.wait(60)
            shutil.rmtree(DRIVE_C / folder.split("/")[0], True)
        self.assertEqual(seen.get("found"), "1", "no main window")
        return bytes.fromhex(seen["cwd"])

    def test_program_folder_becomes_the_current_directory(self):
        cases = [
            ("vq-start", "velquist.exe", "C:\\vq-start\\"),
            # 淺 is 9C 5C: a byte-wise search would cut the name after "x\x9c".
            ("vq-gbk", "x淺.exe", "C:\\vq-gbk\\"),
            ("vq-淺", "velquist.exe", "C:\\vq-淺\\"),
        ]
        for folder, name, expected in cases:
            with self.subTest(name=name, folder=folder):
                self.assertEqual(self.start_from(folder, name), gbk(expected))

    def test_a_path_too_long_for_the_buffer_leaves_the_current_directory(self):
        deep = "/".join(["vq-long"] + ["d" * 40] * 6)
        self.assertEqual(self.start_from(deep, "velquist.exe"), gbk("C:\\windows\\"))


if __name__ == "__main__":
    unittest.main()
