#!/usr/bin/env python3
"""Checks the shipped 32-bit files of a windows build folder as files, without running them.

  check_shipped.py BIN_DIR [--allow LIST]

- every import, by DLL, is on the list of functions Windows XP SP3 exports
  (xp_sp3_imports.txt beside this script): a new import fails until someone has looked it up;
- W32N50.dll exports the four functions by their plain names and 49-55 and 57 by ordinal only,
  as the programs that load it expect of the adapter library;
- machine i386, a subsystem version XP accepts, and no symbols or debug sections.
Prints what it found for each file; exits 1 with every problem listed.
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pe_image  # noqa: E402

SHIPPED = ("Lumora.exe", "Regsweep.exe", "W32N50.dll")
ADAPTER_LIBRARY = "W32N50.dll"
ADAPTER_NAMED = ("W32N_OpenAdapterA", "W32N_CloseAdapter", "W32N_MakeNdisRequest", "W32N_GetNetCardRegistryPath")
ADAPTER_ORDINALS = (49, 50, 51, 52, 53, 54, 55, 57)
# Windows XP's loader refuses a program that declares a newer subsystem than its own, 5.1.
XP_VERSION = (5, 1)
DEBUG_SECTION_PREFIXES = (".debug", ".zdebug", ".stab")


def read_allowlist(path):
    """{dll in lower case: set of function names} from "[DLL]" headers and one name a line."""
    allowed, dll = {}, None
    with open(path) as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            if line.startswith("[") and line.endswith("]"):
                dll = line[1:-1].strip().lower()
                allowed.setdefault(dll, set())
            elif dll is None:
                raise ValueError("%s:%d: a name before the first [DLL]" % (path, number))
            else:
                allowed[dll].add(line)
    return allowed


def import_problems(image, allowed):
    problems = []
    for dll, names in image.imports().items():
        known = allowed.get(dll.lower())
        if known is None:
            problems.append("imports from %s, which is not on the list" % dll)
            continue
        problems += ["imports %s!%s, which is not on the list of XP SP3 functions" % (dll, n)
                     for n in names if n not in known]
    if image.directory(pe_image.DIR_DELAY_IMPORT)[0]:
        problems.append("has delay-load imports, which this check does not read")
    return problems


def export_problems(image):
    exports = image.exports()
    named = {name: ordinal for ordinal, name, _ in exports if name}
    by_ordinal = {ordinal: (name, forwarded) for ordinal, name, forwarded in exports}
    problems = ["does not export %s by that name" % n for n in ADAPTER_NAMED if n not in named]
    problems += ["exports %s, which the adapter library does not have" % n for n in named if n not in ADAPTER_NAMED]
    for ordinal in ADAPTER_ORDINALS:
        if ordinal not in by_ordinal:
            problems.append("has no export at ordinal %d" % ordinal)
            continue
        name, forwarded = by_ordinal[ordinal]
        if name:
            problems.append("ordinal %d carries the name %s; it must have none" % (ordinal, name))
        if forwarded:
            problems.append("ordinal %d is forwarded to another DLL" % ordinal)
    return problems


def header_problems(image, is_dll):
    problems = []
    if image.machine != pe_image.IMAGE_FILE_MACHINE_I386:
        problems.append("machine 0x%04x is not i386" % image.machine)
    if bool(image.characteristics & pe_image.IMAGE_FILE_DLL) != is_dll:
        problems.append("is %sa DLL" % ("not " if is_dll else ""))
    for what, version in (("subsystem", image.subsystem_version), ("operating system", image.os_version)):
        if tuple(version) > XP_VERSION:
            problems.append("declares %s version %d.%d; Windows XP loads only up to %d.%d"
                            % ((what,) + tuple(version) + XP_VERSION))
    if image.symbol_table or image.symbol_count:
        problems.append("carries a symbol table (%d symbols): not stripped" % image.symbol_count)
    debug = [s[0] for s in image.sections if s[0].startswith(DEBUG_SECTION_PREFIXES)]
    if debug:
        problems.append("carries debug sections: " + " ".join(debug))
    if image.directory(pe_image.DIR_DEBUG)[0]:
        problems.append("has a debug directory")
    return problems


def check_file(path, allowed):
    """(summary lines, problems) for one shipped file."""
    name = os.path.basename(path)
    is_dll = name.lower().endswith(".dll")
    try:
        image = pe_image.load(path)
        problems = header_problems(image, is_dll) + import_problems(image, allowed)
        if name.lower() == ADAPTER_LIBRARY.lower():
            problems += export_problems(image)
        imports = image.imports()
    except (OSError, pe_image.PeError) as e:
        return [], ["cannot be read as a 32-bit PE file: %s" % e]
    summary = ["machine 0x%04x, subsystem %d version %d.%d, os version %d.%d, %d bytes"
               % ((image.machine, image.subsystem) + tuple(image.subsystem_version) + tuple(image.os_version)
                  + (os.path.getsize(path),))]
    summary += ["imports %s: %d functions" % (dll, len(n)) for dll, n in imports.items()]
    return summary, problems


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("bin_dir")
    parser.add_argument("--allow", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "xp_sp3_imports.txt"))
    args = parser.parse_args(argv)
    allowed = read_allowlist(args.allow)
    failed = False
    for name in SHIPPED:
        summary, problems = check_file(os.path.join(args.bin_dir, name), allowed)
        print("%s: %s" % (name, "ok" if not problems else "FAILED"))
        for line in summary:
            print("  " + line)
        for p in problems:
            print("  problem: %s %s" % (name, p))
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
