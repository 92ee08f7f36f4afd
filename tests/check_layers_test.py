#!/usr/bin/env python3
"""The layer checker against a small tree with planted violations: each must
be reported, and the same tree without them must pass.

  python3 tests/check_layers_test.py
"""
import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_layers  # noqa: E402

CLEAN_CMAKE = """
mirado_layer(FOLDER codepage FACE codepage.h)
mirado_layer(FOLDER platform FACE platform.h USES mirado_codepage)
mirado_layer(FOLDER core FACE text.h USES mirado_codepage USES_PRIVATELY mirado_platform)
mirado_layer(FOLDER dice FACE dice.h USES mirado_core)
mirado_layer(FOLDER tables FACE tables.h USES mirado_core)
# mirado_layer(FOLDER dice FACE dice.h USES mirado_tables) is only a comment
mirado_layer(FOLDER plugin FACE release_info.h USES mirado_core USES_PRIVATELY mirado_dice mirado_tables)
"""

CLEAN_FILES = {
    "src/dice/roll.cpp": '#include "dice/rules.h"\n#include "core/text.h"\n#include <string>\n',
    "host/irc/bot.cpp": '#include "mirado/mirado.h"\n#include "codepage/codepage.h"\n#include "irc_message.h"\n',
    "fuzz/command_fuzzer.cpp": '#include "core/text.h"\n#include "mirado/mirado.h"\n',
    "bench/command_bench.cpp": '#include <benchmark/benchmark.h>\n#include "plugin_loader.h"\n',
    "tests/transcript_test.cpp": '#include "plugin/release_info.h"\n#include "support/test_support.h"\n',
}

# Each planted violation: the cmake lines or files it adds, and a piece of
# the report it must produce.
PLANTED = [
    ("a subsystem using one beside it", "mirado_layer(FOLDER state FACE state.h USES mirado_core mirado_dice)\n", {},
     "state uses dice, a subsystem beside it"),
    ("a layer using one above it", "mirado_layer(FOLDER pool FACE pool.h USES mirado_plugin)\n", {},
     "pool uses plugin, a layer above its own"),
    ("a cycle", "mirado_layer(FOLDER cards FACE cards.h USES mirado_cards_more)\n"
     "mirado_layer(FOLDER cards_more FACE x.h USES mirado_cards)\n", {}, "no place in the layer order"),
    ("a relative path out of the folder", "", {"src/tables/names.cpp": '#include "../dice/rules.h"\n'},
     "src/tables/names.cpp: includes \"../dice/rules.h\", a path that leaves"),
    ("an absolute path", "", {"src/core/text.cpp": '#include </work/src/dice/rules.h>\n'},
     "src/core/text.cpp: includes </work/src/dice/rules.h>, a path that leaves"),
    ("a host reaching the platform", "", {"host/irc/codec.cpp": '#include "platform/platform.h"\n'},
     "host/irc/codec.cpp: includes \"platform/platform.h\": a host sees the plug-in through mirado.h alone"),
    ("a host reaching a subsystem's face", "", {"host/console/main.cpp": '#include <dice/dice.h>\n'},
     "host/console/main.cpp: includes <dice/dice.h>: a host sees"),
    ("a fuzz target reaching internals", "", {"fuzz/roll_fuzzer.cpp": '#include "dice/rules.h"\n'},
     "fuzz/roll_fuzzer.cpp: includes \"dice/rules.h\": not on the face of dice"),
    ("a bench reaching internals with angle brackets", "", {"bench/x_bench.cpp": '#include <core/pattern_cache.h>\n'},
     "bench/x_bench.cpp: includes <core/pattern_cache.h>: not on the face of core"),
    ("a test reaching internals", "", {"tests/kit_test.cpp": '  #  include "tables/table_kit.h"\n'},
     "tests/kit_test.cpp: includes \"tables/table_kit.h\": not on the face of tables"),
    ("a backslash path", "", {"host/web/server.cpp": '#include "..\\\\src\\\\plugin\\\\dispatch.h"\n'},
     "host/web/server.cpp: includes \"..\\\\src"),
]


def make_tree(root, cmake, files):
    with open(os.path.join(root, "CMakeLists.txt"), "w") as f:
        f.write(CLEAN_CMAKE + cmake)
    for relative, text in {**CLEAN_FILES, **files}.items():
        path = os.path.join(root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(text)


def main():
    failures = 0
    with tempfile.TemporaryDirectory() as root:
        make_tree(root, "", {})
        clean = check_layers.problems(root)
        if clean:
            print("the clean tree was reported:", clean)
            failures += 1
    for what, cmake, files, expected in PLANTED:
        with tempfile.TemporaryDirectory() as root:
            make_tree(root, cmake, files)
            found = check_layers.problems(root)
            if not any(expected in line for line in found):
                print(f"not caught: {what} (wanted '{expected}', got {found})")
                failures += 1
    # A real cycle among layers of the order: core and platform using each other.
    with tempfile.TemporaryDirectory() as root:
        make_tree(root, "mirado_layer(FOLDER platform FACE platform.h USES mirado_core)\n", {})
        layers = check_layers.declared_layers(root)
        layers["platform"] = (["platform.h"], ["core"])
        found = check_layers.graph_problems(layers)
        if not any("cycle" in line for line in found):
            print("not caught: a cycle between core and platform:", found)
            failures += 1
    print(f"{len(PLANTED) + 2 - failures} of {len(PLANTED) + 2} cases as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
