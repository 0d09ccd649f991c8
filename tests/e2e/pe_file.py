"""Just enough of the PE format to read a 64-bit program's subsystem, imported DLLs and resources."""
import struct

RESOURCE_DIRECTORY, IMPORT_DIRECTORY = 2, 1
PE32_PLUS = 0x20B
SUBDIRECTORY = 0x80000000


class PeFile:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        sections, optional_size = struct.unpack_from("<2xH12xH", data, pe + 4)
        optional = pe + 24
        magic, = struct.unpack_from("<H", data, optional)
        if magic != PE32_PLUS:
            raise ValueError("not a 64-bit program")
        self.subsystem, = struct.unpack_from("<H", data, optional + 68)
        self.directories = [struct.unpack_from("<II", data, optional + 112 + 8 * i) for i in range(16)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8xIIII", data, table + 40 * i) for i in range(sections)]

    def offset(self, rva):
        for virtual_size, address, raw_size, raw_offset in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return rva - address + raw_offset
        raise ValueError(f"RVA {rva:#x} is in no section")

    def c_string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imported_dlls(self):
        rva, _ = self.directories[IMPORT_DIRECTORY]
        names, entry = [], self.offset(rva)
        while True:
            name_rva = struct.unpack_from("<12xI", self.data, entry)[0]
            if name_rva == 0:
                return names
            names.append(self.c_string(name_rva))
            entry += 20

    def resources(self):
        """{(type, name): bytes}, type and name each an int id or a string; the first language."""
        base = self.offset(self.directories[RESOURCE_DIRECTORY][0])
        found = {}
        for type_key, type_dir in self._entries(base, 0):
            for name_key, name_dir in self._entries(base, type_dir):
                _, language = next(self._entries(base, name_dir))
                rva, size = struct.unpack_from("<II", self.data, base + language)
                found[(type_key, name_key)] = self.data[self.offset(rva):self.offset(rva) + size]
        return found

    def _entries(self, base, directory):
        named, numbered = struct.unpack_from("<12xHH", self.data, base + directory)
        for i in range(named + numbered):
            key, target = struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)
            yield self._key(base, key), target & ~SUBDIRECTORY

    def _key(self, base, key):
        if not key & SUBDIRECTORY:
            return key
        length, = struct.unpack_from("<H", self.data, base + (key & ~SUBDIRECTORY))
        start = base + (key & ~SUBDIRECTORY) + 2
        return self.data[start:start + 2 * length].decode("utf-16-le")
