#!/usr/bin/env python3
"""Fails when a source file includes upward or reaches into another
subsystem's internals.

  python3 tests/check_layers.py [SOURCE_ROOT]

The layers, bottom first: platform, core, the subsystems (dice, state, cards,
pool, tables), plugin. A file may include its own folder and any lower
layer; a subsystem or the plug-in layer reaches another subsystem only
through that subsystem's public header (dice/dice.h, state/state.h, ...).
Hosts talk to the plug-in through its C header and may use only the
platform layer of the plug-in's sources. Test files may also include the
shared test support.
"""
import os
import re
import sys

LAYERS = {"platform": 0, "core": 1, "dice": 2, "state": 2, "cards": 2, "pool": 2, "tables": 2, "plugin": 3}
SUBSYSTEMS = {name for name, level in LAYERS.items() if level == 2}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def is_test(path):
    name = os.path.basename(path)
    return name.endswith(("_test.cpp", "_testing.h", "_test_support.h"))


def problems(root):
    found = []
    for top in ("src", "host"):
        for folder, _, files in os.walk(os.path.join(root, top)):
            for name in files:
                if not name.endswith((".cpp", ".h", ".inc")):
                    continue
                path = os.path.join(folder, name)
                relative = os.path.relpath(path, root)
                parts = relative.split(os.sep)
                with open(path, encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for target in INCLUDE.findall(text):
                    head = target.split("/")[0]
                    if "/" not in target:
                        continue  # a file of the same folder
                    if head == "support" and is_test(path):
                        continue
                    if parts[0] == "host":
                        if head in ("mirado",) or (head == "platform"):
                            continue
                        if head not in LAYERS:
                            continue  # host-local folders
                        found.append(f"{relative}: a host includes the plug-in's internals ({target})")
                        continue
                    if head == "mirado":
                        continue  # the public C header
                    own = parts[1]
                    if head not in LAYERS:
                        found.append(f"{relative}: includes {target}, which is outside the layers")
                        continue
                    if head == own:
                        continue
                    if LAYERS[head] > LAYERS[own]:
                        found.append(f"{relative}: includes {target}, a layer above its own")
                    elif head in SUBSYSTEMS and target != f"{head}/{head}.h":
                        found.append(f"{relative}: includes {target}; use {head}/{head}.h, the subsystem's public header")
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    found = problems(root)
    for line in found:
        print(line)
    print(f"{len(found)} include(s) against the layers" if found else "every include points down")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
