"""Just enough of the PE format to check what the build produced."""

import struct


class PE:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no MZ header")
        self.offset = struct.unpack_from("<I", data, 0x3C)[0]
        if data[self.offset:self.offset + 4] != b"PE\0\0":
            raise ValueError("no PE header")
        coff = self.offset + 4
        (self.machine, sections, self.timestamp, _, _, optional_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", data, coff)
        opt = coff + 20
        self.magic = struct.unpack_from("<H", data, opt)[0]
        self.subsystem, self.dll_characteristics = struct.unpack_from("<HH", data, opt + 68)
        directories = opt + 96
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        self.sections = []
        table = opt + optional_size
        for i in range(sections):
            name, vsize, vaddr, rsize, raddr = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((name.rstrip(b"\0").decode(), vaddr, vsize, raddr, rsize))

    def at(self, rva):
        for _, vaddr, vsize, raddr, rsize in self.sections:
            if vaddr <= rva < vaddr + max(vsize, rsize):
                return raddr + rva - vaddr
        raise ValueError(f"rva {rva:#x} outside the sections")

    def cstring(self, rva):
        start = self.at(rva)
        return self.data[start:self.data.index(b"\0", start)].decode()

    def imports(self):
        rva, _ = self.directories[1]
        names, pos = [], self.at(rva)
        while True:
            entry = struct.unpack_from("<IIIII", self.data, pos)
            if not any(entry):
                return names
            names.append(self.cstring(entry[3]))
            pos += 20

    def _entries(self, offset):
        """(id or name, offset of the subdirectory) of one resource directory."""
        base = self.at(self.directories[2][0])
        named, ids = struct.unpack_from("<HH", self.data, base + offset + 12)
        entries = []
        for i in range(named + ids):
            ident, target = struct.unpack_from("<II", self.data, base + offset + 16 + 8 * i)
            if ident & 0x80000000:
                at = base + (ident & 0x7FFFFFFF)
                length = struct.unpack_from("<H", self.data, at)[0]
                ident = self.data[at + 2:at + 2 + 2 * length].decode("utf-16le")
            entries.append((ident, target & 0x7FFFFFFF))
        return entries

    def resource_types(self):
        if not self.directories[2][1]:
            return []
        return [ident for ident, _ in self._entries(0)]

    def resource_names(self, kind):
        for ident, sub in self._entries(0):
            if ident == kind:
                return [name for name, _ in self._entries(sub)]
        return []
