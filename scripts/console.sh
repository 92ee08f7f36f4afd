#!/bin/sh
# Installs what is needed, builds the Linux plug-in and starts the console.
# Settings (Mirado.ini) live beside the plug-in in build/linux/.
# Extra arguments go to the console, e.g. --nick hanako --channel #session.
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target mirado mirado-console
exec build/linux/mirado-console "$@"
