"""The labels as they are drawn, judged by the pixels of a screenshot: the
red warning one line vertically centred, the black usage lines from the top
left, the blue credit lines centred from the top, all on the window's
button-face background."""

import subprocess
import unittest

from harness import EXE, Program, probe, wine_env

LABEL3, LABEL2, LABEL1 = (8, 3, 272, 24), (8, 128, 272, 32), (8, 80, 272, 48)


def is_red(p):
    return p[0] > 200 and p[1] < 90 and p[2] < 90


def is_blue(p):
    return p[0] < 80 and 50 < p[1] < 140 and p[2] > 150


def is_black(p):
    return max(p) < 70


class Labels(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.program = Program(EXE)
        cls.addClassCleanup(cls.close)
        window = probe("window", "velquist.exe", "120000")
        assert window.get("found") == "1", "no main window"
        ox, oy = (int(v) for v in window["client_origin"].split(","))
        cls.width, cls.height = 289, 165
        raw = subprocess.run(["import", "-window", "root", "-crop", f"{cls.width}x{cls.height}+{ox}+{oy}",
                              "-depth", "8", "rgb:-"], env=wine_env(), capture_output=True, check=True).stdout
        cls.pixels = [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]

    @classmethod
    def close(cls):
        probe("close", "velquist.exe", "5000")
        cls.program.wait(60)

    def at(self, x, y):
        return self.pixels[y * self.width + x]

    def ink(self, rect, test):
        """Bounding box (left, top, right, bottom) of the pixels that pass `test`."""
        left, top, width, height = rect
        points = [(x, y) for y in range(top, top + height) for x in range(left, left + width) if test(self.at(x, y))]
        self.assertTrue(points, f"no ink in {rect}")
        xs, ys = [p[0] for p in points], [p[1] for p in points]
        return min(xs), min(ys), max(xs), max(ys)

    def test_backgrounds_are_the_window_colour(self):
        face = self.at(2, 2)
        for left, top, width, height in (LABEL3, LABEL2, LABEL1):
            for x, y in ((left + 1, top + 1), (left + width - 2, top + height - 2)):
                self.assertEqual(self.at(x, y), face, (x, y))

    def test_the_warning_is_one_red_line_centred_in_its_height(self):
        left, top, right, bottom = self.ink(LABEL3, is_red)
        self.assertLessEqual(left - LABEL3[0], 2)
        middle = LABEL3[1] + LABEL3[3] / 2
        self.assertLessEqual(abs((top + bottom) / 2 - middle), 2)
        self.assertLess(bottom - top, 16)  # one line

    def test_the_usage_lines_start_at_the_top_left(self):
        left, top, right, bottom = self.ink(LABEL1, is_black)
        self.assertLessEqual(left - LABEL1[0], 2)
        self.assertLessEqual(top - LABEL1[1], 3)
        self.assertGreater(bottom - top, 30)  # three lines

    def test_the_credit_lines_are_centred_from_the_top(self):
        left, top, right, bottom = self.ink(LABEL2, is_blue)
        self.assertLessEqual(top - LABEL2[1], 3)
        middle = LABEL2[0] + LABEL2[2] / 2
        self.assertLessEqual(abs((left + right) / 2 - middle), 3)
        self.assertGreater(bottom - top, 15)  # two lines


if __name__ == "__main__":
    unittest.main()
