"""Reads what the loader looks at in a 32-bit PE file: headers, sections, imports, exports.

Every offset and length comes from the file itself, so each one is checked against the file's
size before it is used; a malformed file raises PeError instead of reading past its end.
"""
import struct

IMAGE_FILE_MACHINE_I386 = 0x014C
IMAGE_FILE_DLL = 0x2000
PE32_MAGIC = 0x010B
DIR_EXPORT, DIR_IMPORT, DIR_DEBUG, DIR_DELAY_IMPORT = 0, 1, 6, 13
ORDINAL_FLAG32 = 0x80000000
MAX_NAME = 512
MAX_ENTRIES = 65536


class PeError(Exception):
    pass


class PeImage:
    def __init__(self, data):
        self.data = data
        if self._u16(0) != 0x5A4D:
            raise PeError("no MZ header")
        pe = self._u32(0x3C)
        if self._bytes(pe, 4) != b"PE\0\0":
            raise PeError("no PE signature")
        (self.machine, nsections, _, self.symbol_table, self.symbol_count, opt_size,
         self.characteristics) = self._unpack("<HHIIIHH", pe + 4)
        opt = pe + 24
        self.magic = self._u16(opt)
        if self.magic != PE32_MAGIC:
            raise PeError("optional header magic 0x%04x is not PE32" % self.magic)
        self.os_version = self._unpack("<HH", opt + 40)
        self.subsystem_version = self._unpack("<HH", opt + 48)
        self.subsystem = self._u16(opt + 68)
        ndirs = min(self._u32(opt + 92), 16)
        self.dirs = [self._unpack("<II", opt + 96 + 8 * i) for i in range(ndirs)]
        self.sections = []
        for i in range(nsections):
            at = opt + opt_size + 40 * i
            raw_name, vsize, va, raw_size, raw_ptr = self._unpack("<8sIIII", at)
            self.sections.append((self._section_name(raw_name), va, max(vsize, raw_size), raw_ptr, raw_size))

    # -- raw access, bounds-checked --
    def _bytes(self, off, n):
        if off < 0 or n < 0 or off + n > len(self.data):
            raise PeError("read of %d bytes at 0x%x is outside the file" % (n, off))
        return self.data[off:off + n]

    def _unpack(self, fmt, off):
        return struct.unpack(fmt, self._bytes(off, struct.calcsize(fmt)))

    def _u16(self, off):
        return self._unpack("<H", off)[0]

    def _u32(self, off):
        return self._unpack("<I", off)[0]

    def _asciiz(self, off):
        end = self.data.find(b"\0", off, off + MAX_NAME)
        if off >= len(self.data) or end < 0:
            raise PeError("unterminated name at 0x%x" % off)
        return self.data[off:end].decode("latin-1")

    def _section_name(self, raw):
        name = raw.rstrip(b"\0").decode("latin-1")
        # "/123": the long name sits in the COFF string table, after the symbol table.
        if name.startswith("/") and name[1:].isdigit() and self.symbol_table:
            strings = self.symbol_table + 18 * self.symbol_count
            return self._asciiz(strings + int(name[1:]))
        return name

    def offset(self, rva):
        for _, va, size, raw_ptr, raw_size in self.sections:
            if va <= rva < va + size:
                if rva - va >= raw_size:
                    raise PeError("RVA 0x%x has no bytes in the file" % rva)
                return raw_ptr + rva - va
        raise PeError("RVA 0x%x is in no section" % rva)

    def directory(self, index):
        return self.dirs[index] if index < len(self.dirs) else (0, 0)

    # -- what the loader resolves --
    def imports(self):
        """{dll name: [function name, or "#ordinal"]} in file order."""
        rva, _ = self.directory(DIR_IMPORT)
        result = {}
        if not rva:
            return result
        at = self.offset(rva)
        for _ in range(MAX_ENTRIES):
            lookup, _, _, name_rva, first_thunk = self._unpack("<IIIII", at)
            if not (lookup or name_rva or first_thunk):
                return result
            dll = self._asciiz(self.offset(name_rva))
            result.setdefault(dll, []).extend(self._thunk_names(lookup or first_thunk))
            at += 20
        raise PeError("import directory has no end")

    def _thunk_names(self, rva):
        names = []
        at = self.offset(rva)
        for _ in range(MAX_ENTRIES):
            thunk = self._u32(at)
            if not thunk:
                return names
            if thunk & ORDINAL_FLAG32:
                names.append("#%d" % (thunk & 0xFFFF))
            else:
                names.append(self._asciiz(self.offset(thunk) + 2))
            at += 4
        raise PeError("import thunk list has no end")

    def exports(self):
        """[(ordinal, name or None, forwarded)] for every function the file exports."""
        rva, size = self.directory(DIR_EXPORT)
        if not rva:
            return []
        (_, _, _, _, _, base, nfuncs, nnames, funcs, names, ordinals) = self._unpack("<IIHHIIIIIII", self.offset(rva))
        if nfuncs > MAX_ENTRIES or nnames > MAX_ENTRIES:
            raise PeError("export directory counts are implausible")
        named = {}
        for i in range(nnames):
            index = self._u16(self.offset(ordinals) + 2 * i)
            if index >= nfuncs:
                raise PeError("export name %d points past the function table" % i)
            named[index] = self._asciiz(self.offset(self._u32(self.offset(names) + 4 * i)))
        result = []
        for i in range(nfuncs):
            target = self._u32(self.offset(funcs) + 4 * i)
            if target:
                result.append((base + i, named.get(i), rva <= target < rva + size))
        return result


def load(path):
    with open(path, "rb") as f:
        return PeImage(f.read())
