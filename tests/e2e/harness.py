"""Runs Windows programs in the test Wine and looks at them from outside."""

import os
import subprocess
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
BUILD = Path(os.environ.get("VQ_BUILD", ROOT / "build"))
PREFIX = BUILD / "wine-prefix"
EXE = BUILD / "velquist.exe"
PROBE = BUILD / "tests" / "winprobe.exe"
WINDOWS = PREFIX / "drive_c" / "windows"
SYSTEM32 = WINDOWS / "system32"


def gbk(text):
    return text.encode("gbk")


def wine_env():
    env = dict(os.environ)
    env.update(
        WINEPREFIX=str(PREFIX),
        WINEARCH="win32",
        WINEDEBUG="-all",
        WINEDLLOVERRIDES="mscoree,mshtml=",
        LANG="zh_CN.UTF-8",
        LC_ALL="zh_CN.UTF-8",
    )
    display = BUILD / "wine-display"
    if display.exists():
        env["DISPLAY"] = ":" + display.read_text().strip()
    return env


class Program:
    """A Windows program started under Wine; its output goes to a file so
    that nothing it leaves running holds the test's own output open."""

    def __init__(self, exe, *args, cwd=None):
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["wine", str(exe), *args], cwd=cwd, env=wine_env(),
            stdin=subprocess.DEVNULL, stdout=self.log, stderr=subprocess.STDOUT)

    def wait(self, timeout=120):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
            raise

    def output(self):
        self.log.seek(0)
        return self.log.read().decode("gbk", "replace")


def probe(*args, timeout=180):
    """Runs winprobe and returns its key=value lines as a dict."""
    with tempfile.TemporaryFile() as out:
        subprocess.run(["wine", str(PROBE), *args], env=wine_env(), stdin=subprocess.DEVNULL,
                       stdout=out, stderr=subprocess.DEVNULL, timeout=timeout, check=False)
        out.seek(0)
        lines = out.read().decode("ascii", "replace").splitlines()
    return dict(line.split("=", 1) for line in lines if "=" in line)


class Holder:
    """Holds a file open exclusively in another Wine process."""

    def __init__(self, path, ms=120000):
        self.program = Program(PROBE, "hold", path, str(ms))
        for _ in range(600):
            if "held" in self.program.output():
                return
            if self.program.process.poll() is not None:
                break
            time.sleep(0.2)
        raise RuntimeError("could not hold " + path + ": " + self.program.output())

    def release(self):
        self.program.process.kill()
        self.program.process.wait()


def icon_colour(rect):
    """The dominant hue of the screen inside rect ("left,top,right,bottom"):
    'red' for the error icon, 'blue' for the information icon."""
    left, top, right, bottom = (int(v) for v in rect.split(","))
    geometry = f"{right - left}x{bottom - top}+{left}+{top}"
    pixels = subprocess.run(
        ["import", "-window", "root", "-crop", geometry, "-depth", "8", "rgb:-"],
        env=wine_env(), capture_output=True, check=True).stdout
    red = blue = 0
    for i in range(0, len(pixels) - 2, 3):
        r, g, b = pixels[i], pixels[i + 1], pixels[i + 2]
        if r > 150 and r > g + 60 and r > b + 60:
            red += 1
        elif b > 150 and b > r + 60:
            blue += 1
    if red > 20 and red > 2 * blue:
        return "red"
    if blue > 20 and blue > 2 * red:
        return "blue"
    return f"unclear (red {red}, blue {blue})"
