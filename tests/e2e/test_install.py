"""The install command, run by velquist.exe itself in the test prefix: the six
files land byte for byte where they belong, and the real message box says
how it went."""

import unittest

from harness import EXE, SYSTEM32, WINDOWS, Holder, Program, gbk, icon_colour, probe


def close_window():
    probe("close", "velquist.exe", "10000")

TARGETS = [
    SYSTEM32 / "Nwprovau.Dll",
    SYSTEM32 / "Rtipxmib.Dll",
    SYSTEM32 / "Wshisn.Dll",
    SYSTEM32 / "drivers" / "Nwlnkipx.Sys",
    SYSTEM32 / "drivers" / "Nwlnkspx.Sys",
    WINDOWS / "inf" / "Netnwlnk.Inf",
]
LENGTHS = [134144, 31744, 11776, 88320, 55936, 26548]

SUCCESS = "恭喜: 基础程序复制完毕,请您查看帮助,进行手动配置!"
FAILURE = "提示: 请您用管理员身份运行本软件! (安装失败!)"
TITLE = "信息："
INSTALL_BUTTON = "点击这里开始安装"


def folder_listings():
    return {folder: sorted(p.name for p in folder.iterdir())
            for folder in {t.parent for t in TARGETS}}


class InstallCommand(unittest.TestCase):
    def setUp(self):
        self.carried = EXE.read_bytes()
        for target in TARGETS:
            target.unlink(missing_ok=True)
        self.clean_listings = folder_listings()

    def run_install(self, expected_text, expected_colour):
        program = Program(EXE)
        clicked = probe("click", "velquist.exe", gbk(INSTALL_BUTTON).hex(), "120000")
        self.assertEqual(clicked.get("found"), "1", "no install button")
        box = probe("msgbox", "velquist.exe", "120000", "keep")
        self.assertEqual(box.get("found"), "1", "no message box appeared")
        self.assertEqual(bytes.fromhex(box["text"]), gbk(expected_text))
        self.assertEqual(bytes.fromhex(box["title"]), gbk(TITLE))
        self.assertEqual(box["owner"], "0")
        self.assertEqual(box["buttons"], "1")
        self.assertEqual(box["ok_button"], "1")
        self.assertEqual(box["icon_shown"], "1")
        # Task-modal: the main window takes no input while the box is open.
        self.assertGreaterEqual(int(box["thread_windows"]), 1)
        self.assertEqual(box["thread_windows_disabled"], box["thread_windows"])
        self.assertEqual(icon_colour(box["icon_rect"]), expected_colour)
        self.assertEqual(probe("msgbox", "velquist.exe", "10000").get("found"), "1")
        self.assertIsNone(program.process.poll(), "the program ended with the box")
        close_window()
        self.assertEqual(program.wait(), 0, program.output())

    def assert_installed(self, target, length):
        data = target.read_bytes()
        self.assertEqual(len(data), length, target)
        self.assertIn(data, self.carried, f"{target} is not what velquist.exe carries")

    def test_writes_the_six_files_and_reports_success(self):
        self.run_install(SUCCESS, "blue")
        for target, length in zip(TARGETS, LENGTHS):
            self.assert_installed(target, length)
        self.assertTrue(TARGETS[5].read_bytes().startswith(b"\xff\xfe"))
        self.assertEqual(folder_listings(), {
            folder: sorted(names + [t.name for t in TARGETS if t.parent == folder])
            for folder, names in self.clean_listings.items()})

    def test_second_run_overwrites_the_same_files(self):
        self.run_install(SUCCESS, "blue")
        first = [t.read_bytes() for t in TARGETS]
        for target in TARGETS:
            target.write_bytes(target.read_bytes()[:100])
        self.run_install(SUCCESS, "blue")
        self.assertEqual([t.read_bytes() for t in TARGETS], first)

    def test_failure_at_row_three_stops_there(self):
        earlier = {i: f"earlier copy of row {i + 1}".encode() for i in (0, 2, 3, 4)}
        for i, content in earlier.items():
            TARGETS[i].write_bytes(content)
        listings = folder_listings()
        holder = Holder("C:\\windows\\system32\\Wshisn.Dll")
        try:
            self.run_install(FAILURE, "red")
        finally:
            holder.release()
        self.assert_installed(TARGETS[0], LENGTHS[0])
        self.assert_installed(TARGETS[1], LENGTHS[1])
        for i in (2, 3, 4):
            self.assertEqual(TARGETS[i].read_bytes(), earlier[i], TARGETS[i])
        self.assertFalse(TARGETS[5].exists())
        listings[SYSTEM32] = sorted(listings[SYSTEM32] + ["Rtipxmib.Dll"])
        self.assertEqual(folder_listings(), listings)


if __name__ == "__main__":
    unittest.main()
