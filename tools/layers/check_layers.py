#!/usr/bin/env python3
"""Checks that each source folder includes only the folders below it.

Usage: check_layers.py [root]. Prints each include that reaches up or across and exits 1 if
there is one. The order is the program's layering: a folder may use those listed for it.
"""
import os
import re
import sys

BELOW = {
    "platform": set(),
    "language": {"platform"},
    "adapter": {"platform"},
    "controls": {"platform", "resources"},
    "profiles": {"adapter", "language", "platform", "resources"},
    "kit": {"adapter", "controls", "language", "platform", "profiles", "resources"},
    "pages": {"kit", "adapter", "controls", "language", "platform", "profiles", "resources"},
    "monitor": {"pages", "kit", "adapter", "controls", "language", "platform", "profiles", "resources"},
    "app": {"monitor", "pages", "kit", "adapter", "controls", "language", "platform", "profiles",
            "resources"},
    # The simulated library answers the adapter's records; Regsweep shares nothing with Lumora.
    "sim": {"adapter"},
    "regsweep": set(),
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/')


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    faults = []
    for folder, allowed in BELOW.items():
        for dirpath, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if not name.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="latin-1") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if m and m.group(1) != folder and m.group(1) not in allowed:
                            faults.append(f"{os.path.relpath(path, root)}:{number}: {folder}/ uses {m.group(1)}/")
    for fault in faults:
        print(fault)
    print("layers: ok" if not faults else f"layers: {len(faults)} include(s) against the layering")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
