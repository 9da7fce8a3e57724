"""Files that pass for the six carried files: the manifest's lengths, a PE
header with the version strings for rows 1 to 5, and a UTF-16LE setup file of
327 lines for row 6. Made here, since the real ones are Microsoft's."""

import struct
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
MANIFEST = ROOT / "assets" / "payload" / "manifest.txt"


def rows():
    result = []
    for line in MANIFEST.read_text(encoding="utf-8").splitlines():
        if line[:1].isdigit():
            f = [x.strip() for x in line.split("|")]
            result.append(dict(row=int(f[0]), name=f[2], length=int(f[3]), kind=f[4], id=f[5:]))
    return result


def pe_file(length, description, version, machine=0x14C):
    head = bytearray(b"MZ" + bytes(0x3A) + struct.pack("<I", 0x80))
    head += bytes(0x80 - len(head)) + b"PE\0\0" + struct.pack("<H", machine)
    strings = ("FileDescription\0" + description + "\0FileVersion\0" + version + "\0").encode("utf-16le")
    body = head + bytes(0x200 - len(head)) + strings
    return bytes(body + bytes(length - len(body)))


def inf_file(length, lines, klass, guid, components):
    text = [f"; fixture line {i}" for i in range(lines)]
    text[1] = f"Class={klass}"
    text[2] = f"ClassGUID={guid}"
    for i, component in enumerate(components.split()):
        text[3 + i] = f"%{component}% = {component}"
    body = "".join(line + "\r\n" for line in text)
    data = b"\xff\xfe" + body.encode("utf-16le")
    pad = (length - len(data)) // 2
    # Widen the last line so that the whole file has the manifest's length.
    body = body[:-2] + " " * pad + "\r\n"
    return b"\xff\xfe" + body.encode("utf-16le")


def contents(row):
    if row["kind"] == "pe":
        return pe_file(row["length"], *row["id"])
    return inf_file(row["length"], int(row["id"][0]), *row["id"][1:])


def write(folder, names=None):
    """Writes the fixture files into `folder` under their relative names
    (or under the names given, a dict of row to path)."""
    for row in rows():
        path = folder / Path(*row["name"].split("\\")) if names is None else folder / names[row["row"]]
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(contents(row))
