#!/usr/bin/env python3
"""Builds small PE files with the MinGW compilers, each with one fault the shipped-file check
must name (or none), and compares the check's problems with what each build should show."""
import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools", "shipped_pe"))
import check_shipped  # noqa: E402

# An adapter library: stdcall functions of one argument, exported through a .def file.
LIBRARY_C = r"""
#include <windows.h>
#define F(name, n) DWORD WINAPI name(DWORD a) { return a + n; }
F(W32N_OpenAdapterA, 1) F(W32N_CloseAdapter, 2) F(W32N_MakeNdisRequest, 3) F(W32N_GetNetCardRegistryPath, 4)
F(E49, 49) F(E50, 50) F(E51, 51) F(E52, 52) F(E53, 53) F(E54, 54) F(E55, 55) F(E57, 57)
#ifdef USE_TICK64
DWORD WINAPI Ticks(void) { return (DWORD)GetTickCount64(); }
#endif
#ifdef USE_PSAPI
#include <psapi.h>
DWORD WINAPI Memory(void) { PROCESS_MEMORY_COUNTERS c = {0}; return GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c); }
#endif
"""
NAMED = ["W32N_OpenAdapterA", "W32N_CloseAdapter", "W32N_MakeNdisRequest", "W32N_GetNetCardRegistryPath"]
ORDINALS = [49, 50, 51, 52, 53, 54, 55, 57]

# A C++ program whose runtime needs the threads support of the compiler's thread model.
PROGRAM_CPP = r"""
#include <stdexcept>
#include <string>
int main(int argc, char**) {
    try { if (argc > 5) throw std::runtime_error("many"); }
    catch (const std::exception& e) { return (int)std::string(e.what()).size(); }
    return 0;
}
"""
XP = ["-Wl,--major-subsystem-version,5,--minor-subsystem-version,1,--major-os-version,5,--minor-os-version,1"]


def def_file(kill=(), named_ordinal=None):
    lines = ["LIBRARY W32N50.dll", "EXPORTS"]
    lines += ["  %s@4 @%d" % (n, i + 1) for i, n in enumerate(NAMED)]
    lines += ["  E%d@4 @%d%s" % (o, o, "" if o == named_ordinal else " NONAME") for o in ORDINALS if o not in kill]
    return "\n".join(lines) + "\n"


# name, compiler, source, .def text or None (a program), extra flags, problems expected (substrings)
CASES = [
    ("library as shipped", "i686-w64-mingw32-gcc-win32", LIBRARY_C, def_file(), ["-Wl,--kill-at", "-s"] + XP, []),
    ("library imports GetTickCount64", "i686-w64-mingw32-gcc-win32", LIBRARY_C, def_file(),
     ["-DUSE_TICK64", "-D_WIN32_WINNT=0x0600", "-Wl,--kill-at", "-s"] + XP, ["KERNEL32.dll!GetTickCount64"]),
    ("library imports from a DLL not on the list", "i686-w64-mingw32-gcc-win32", LIBRARY_C, def_file(),
     ["-DUSE_PSAPI", "-DPSAPI_VERSION=1", "-Wl,--kill-at", "-s", "-lpsapi"] + XP, ["imports from PSAPI.DLL"]),
    ("library names decorated", "i686-w64-mingw32-gcc-win32", LIBRARY_C, def_file(), ["-s"] + XP,
     ["does not export W32N_OpenAdapterA", "exports W32N_CloseAdapter@4, which"]),
    ("ordinal with a name, ordinal missing", "i686-w64-mingw32-gcc-win32", LIBRARY_C,
     def_file(kill=(57,), named_ordinal=49), ["-Wl,--kill-at", "-s"] + XP,
     ["ordinal 49 carries the name E49", "exports E49, which", "no export at ordinal 57"]),
    ("library not stripped", "i686-w64-mingw32-gcc-win32", LIBRARY_C, def_file(), ["-g", "-Wl,--kill-at"] + XP,
     ["symbol table", "debug sections: .debug_"]),
    ("library for Vista", "i686-w64-mingw32-gcc-win32", LIBRARY_C, def_file(),
     ["-Wl,--kill-at", "-s", "-Wl,--major-subsystem-version,6,--minor-subsystem-version,0"],
     ["subsystem version 6.0"]),
    ("library for x86-64", "x86_64-w64-mingw32-gcc-posix", LIBRARY_C, def_file(), ["-Wl,--kill-at", "-s"] + XP,
     ["not PE32"]),
    ("program, win32-thread runtime", "i686-w64-mingw32-g++-win32", PROGRAM_CPP, None, ["-static", "-s", "-mwindows"] + XP, []),
    ("program, posix-thread runtime", "i686-w64-mingw32-g++-posix", PROGRAM_CPP, None, ["-static", "-s", "-mwindows"] + XP,
     ["KERNEL32.dll!GetTickCount64"]),
]


class ShippedFileCheck(unittest.TestCase):
    def test_each_build_shows_exactly_its_faults(self):
        allowed = check_shipped.read_allowlist(os.path.join(HERE, "..", "..", "tools", "shipped_pe", "xp_sp3_imports.txt"))
        with tempfile.TemporaryDirectory() as tmp:
            for name, compiler, source, def_text, flags, expected in CASES:
                with self.subTest(name):
                    problems = check_shipped.check_file(build(tmp, compiler, source, def_text, flags), allowed)[1]
                    for fault in expected:
                        self.assertTrue(any(fault in p for p in problems), "%r not among %r" % (fault, problems))
                    if not expected:
                        self.assertEqual(problems, [])


def build(tmp, compiler, source, def_text, flags):
    ext = ".cpp" if "g++" in compiler else ".c"
    src = os.path.join(tmp, "src" + ext)
    with open(src, "w") as f:
        f.write(source)
    cmd = [compiler, "-O2", src] + flags
    if def_text is None:
        out = os.path.join(tmp, "Lumora.exe")
    else:
        out = os.path.join(tmp, "W32N50.dll")
        with open(os.path.join(tmp, "w32n50.def"), "w") as f:
            f.write(def_text)
        cmd += ["-shared", os.path.join(tmp, "w32n50.def")]
    if os.path.exists(out):
        os.remove(out)
    subprocess.run(cmd + ["-o", out], check=True)
    return out


if __name__ == "__main__":
    unittest.main()
