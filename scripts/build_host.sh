#!/bin/sh
# Builds the Linux plug-in and one host, Release, without tests or
# benchmarks, in its own build folder; everything goes to standard error.
#
#   sh scripts/build_host.sh FOLDER TARGET
set -eu
cd "$(dirname "$0")/.."
# Only the web room's own build needs its host folder configured.
WEB=OFF
[ "$2" = mirado-web ] && WEB=ON
cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=Release \
  -DMIRADO_BUILD_TESTS=OFF -DMIRADO_BUILD_BENCH=OFF -DMIRADO_BUILD_IRC=OFF -DMIRADO_BUILD_WEB=$WEB >&2
cmake --build "$1" -j2 --target mirado "$2" >&2
