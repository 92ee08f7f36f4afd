#!/usr/bin/env python3
"""Checks the layering rules the build cannot see.

  python3 tests/check_layers.py [SOURCE_ROOT]

The build keeps the includes of src/ and the hosts pointing down: every layer
is its own library that sees only its own folder and the public headers (the
face) of the libraries it declares (cmake/MiradoLayers.cmake). What it cannot
see, and this script checks:

  1. The declared libraries themselves (the mirado_layer calls of
     CMakeLists.txt): each layer may use only layers below it, the subsystems
     (dice, state, cards, pool, tables) none of each other, and nothing may
     form a cycle.
  2. Includes that climb out of a folder ("../") or name an absolute path: the
     compiler finds them relative to the including file, past every rule.
  3. Files outside the layers' libraries: the fuzz build compiles all of src/
     as one library, and tests/, fuzz/ and bench/ are free to add include
     folders. They may include the public C header, the faces of the layers,
     the test support and their own files; a host (host/) only the public C
     header, the code-page library and the hosts' own files. The few benches
     and fuzz targets that measure a layer's internals are listed in
     INTERNAL_ALLOWED.
"""
import os
import re
import sys

# The layer of each folder of src/, bottom first; the subsystems share one.
LEVEL = {"codepage": 0, "platform": 1, "core": 2, "dice": 3, "state": 3, "cards": 3, "pool": 3, "tables": 3,
         "plugin": 4}
SUBSYSTEM_LEVEL = 3
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.M)
LAYER_CALL = re.compile(r"mirado_layer\((.*?)\)", re.S)
SOURCE_ENDINGS = (".cpp", ".h", ".inc", ".cc")

# Files below the libraries that measure or fuzz a layer's own internals.
INTERNAL_ALLOWED = {
    "bench/store_bench.cpp": {"platform/ini_document.h"},
}


def read(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read()


def declared_layers(root):
    """{folder: (face headers, used folders)} from the mirado_layer calls."""
    layers = {}
    text = read(os.path.join(root, "CMakeLists.txt"))
    text = re.sub(r"#[^\n]*", "", text)
    for call in LAYER_CALL.findall(text):
        words = call.split()
        if "FOLDER" not in words:
            continue
        folder = words[words.index("FOLDER") + 1]
        face, uses, key = [], [], None
        for word in words:
            if word in ("FOLDER", "FACE", "USES", "USES_PRIVATELY"):
                key = word
                continue
            if key == "FACE":
                face.append(word)
            elif key in ("USES", "USES_PRIVATELY") and word.startswith("mirado_"):
                uses.append(word[len("mirado_"):])
        layers[folder] = (face, uses)
    return layers


def graph_problems(layers):
    found = []
    for folder, (_, uses) in sorted(layers.items()):
        if folder not in LEVEL:
            found.append(f"CMakeLists.txt: the layer {folder} has no place in the layer order")
            continue
        for used in uses:
            if used not in LEVEL:
                continue
            if LEVEL[used] > LEVEL[folder]:
                found.append(f"CMakeLists.txt: {folder} uses {used}, a layer above its own")
            elif LEVEL[used] == LEVEL[folder] and used != folder:
                found.append(f"CMakeLists.txt: {folder} uses {used}, a subsystem beside it")
    # A cycle (through any declared use).
    state = {}

    def visit(folder, path):
        state[folder] = "open"
        for used in layers.get(folder, ((), ()))[1]:
            if state.get(used) == "open":
                found.append("CMakeLists.txt: the layers form a cycle: " + " -> ".join(path + [used]))
            elif used not in state and used in layers:
                visit(used, path + [used])
        state[folder] = "done"

    for folder in sorted(layers):
        if folder not in state:
            visit(folder, [folder])
    return found


def source_files(root):
    for top in ("src", "host", "tests", "fuzz", "bench"):
        for folder, dirs, files in os.walk(os.path.join(root, top)):
            # layer_probes holds violations planted on purpose for the build to refuse.
            dirs[:] = [d for d in dirs if d not in ("corpus", "testdata", "data", "layer_probes")]
            for name in sorted(files):
                if name.endswith(SOURCE_ENDINGS):
                    path = os.path.join(folder, name)
                    yield os.path.relpath(path, root).replace(os.sep, "/"), path


def include_problems(root, layers):
    faces = {folder: set(face) for folder, (face, _) in layers.items()}
    found = []
    for relative, path in source_files(root):
        parts = relative.split("/")
        for bracket, target in INCLUDE.findall(read(path)):
            closing = ">" if bracket == "<" else '"'
            where = f"{relative}: includes {bracket}{target}{closing}"
            if target.startswith("/") or ".." in target.split("/") or "\\" in target:
                found.append(f"{where}, a path that leaves the include folders")
                continue
            if "/" not in target:
                continue  # a system header, or a file of the same folder
            head, name = target.split("/", 1)
            if head == "mirado":
                continue  # the public C header
            if head not in LEVEL:
                continue  # a host's or a test's own folder, or a system folder
            if parts[0] == "src":
                continue  # the build keeps these (each layer sees its uses' faces)
            if target in INTERNAL_ALLOWED.get(relative, ()):
                continue
            if parts[0] == "host":
                if head != "codepage":
                    found.append(f"{where}: a host sees the plug-in through mirado.h alone")
                elif name not in faces.get(head, ()):
                    found.append(f"{where}: not on the code-page library's face")
                continue
            if name not in faces.get(head, ()):
                found.append(f"{where}: not on the face of {head}")
    return found


def problems(root):
    layers = declared_layers(root)
    if not layers:
        return ["CMakeLists.txt: no mirado_layer calls found"]
    return graph_problems(layers) + include_problems(root, layers)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    found = problems(root)
    for line in found:
        print(line)
    print(f"{len(found)} problem(s) with the layers" if found else "the layers hold")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
