#!/bin/sh
# Installs what the console needs (a compiler, CMake, Boost, ICU, libedit),
# builds the Linux plug-in and the console in build/console/, and starts it.
# Settings (Mirado.ini) live beside the plug-in there. Extra arguments go to
# the console, e.g. --nick hanako --channel '#session'.
#
# Everything but the console's own output goes to standard error, so
# `sh scripts/console.sh < lines.txt > answers.txt` holds only answers.
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh console >&2
sh scripts/build_host.sh build/console mirado-console
exec build/console/mirado-console "$@"
