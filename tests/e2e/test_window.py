"""The main window as Windows shows it: place, styles, frame, controls and
first focus."""

import time
import unittest

from harness import EXE, Program, gbk, probe

WS_CAPTION, WS_SYSMENU, WS_CLIPCHILDREN = 0x00C00000, 0x00080000, 0x02000000
WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX = 0x00040000, 0x00020000, 0x00010000
WS_EX_WINDOWEDGE = 0x100
HTBORDER = 18

CONTROLS = [  # top of the stacking order first: the form's order
    ("VelquistLabel", "警告: 安装前,请您关闭所有杀毒软件! 否则会拦截!", (8, 3, 272, 24), 0x54000000),
    ("VelquistLabel", "本工具由 Tarvolin 开发,并且免费提供!\r\nTarvolin-总有您想要的! http://www.example.com/",
     (8, 128, 272, 32), 0x54000000),
    ("VelquistLabel", "使用帮助:\r\n1.请使用管理员身份打开本软件!\r\n2.安装完必要Dll以后,您还要查看帮助,手动配置!",
     (8, 80, 272, 48), 0x54000000),
    ("Button", "查看帮助(必看)", (152, 32, 128, 32), 0x54012F00),
    ("Button", "点击这里开始安装", (8, 32, 128, 32), 0x54012F00),
]
BUTTON1 = 4


class MainWindow(unittest.TestCase):
    def setUp(self):
        self.program = Program(EXE)
        self.window = probe("window", "velquist.exe", "120000")
        self.assertEqual(self.window.get("found"), "1", "no main window")
        # Shown and activated; input is taken once the focus has settled.
        for _ in range(30):
            if "focus" in self.window:
                break
            time.sleep(0.5)
            self.window = probe("window", "velquist.exe", "5000")

    def tearDown(self):
        if self.program.process.poll() is None:
            probe("msgbox", "velquist.exe", "500")
            probe("close", "velquist.exe", "5000")
            self.program.wait(60)

    def test_first_focus_is_on_the_install_button(self):
        self.assertEqual(int(self.window["focus"]), BUTTON1)

    def rect(self):
        return tuple(int(v) for v in self.window["rect"].split(","))

    def test_is_centred_with_its_caption_styles_and_frame(self):
        self.assertEqual(self.rect(), (364, 287, 659, 480))
        self.assertEqual(bytes.fromhex(self.window["caption"]), b"Velquist")
        style = int(self.window["style"], 16)
        self.assertEqual(style & (WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN), WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN)
        self.assertEqual(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0)
        self.assertEqual(int(self.window["exstyle"], 16) & ~WS_EX_WINDOWEDGE, 0)
        self.assertEqual(int(self.window["class_style"], 16), 0x8 | 0x2 | 0x1)
        self.assertEqual(self.window["class_icon"], "0")
        self.assertEqual(self.window["owner"], "0")
        self.assertIn("close_box", self.window)
        self.assertNotIn("min_or_max_box", self.window)
        self.assertEqual(int(self.window["right_edge_hit"]), HTBORDER)  # no sizing edge

    def test_has_the_five_controls_in_form_order(self):
        self.assertEqual(self.window["controls"], "5")
        for i, (cls, text, rect, style) in enumerate(CONTROLS):
            with self.subTest(control=i):
                self.assertEqual(self.window[f"control{i}.class"], cls)
                self.assertEqual(bytes.fromhex(self.window[f"control{i}.text"]), gbk(text))
                self.assertEqual(tuple(int(v) for v in self.window[f"control{i}.rect"].split(",")), rect)
                self.assertEqual(int(self.window[f"control{i}.style"], 16), style)
                self.assertEqual(self.window[f"control{i}.exstyle"], "00000000")


if __name__ == "__main__":
    unittest.main()
