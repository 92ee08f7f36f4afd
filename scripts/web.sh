#!/bin/sh
# Installs what the web room needs (a compiler, CMake, Boost, ICU), builds
# the Linux plug-in and mirado-web in build/web/, and starts it on
# 127.0.0.1:8080. It prints the URL to open (with the table key); share it
# with the players. Room logs and the config (with the key) are kept in
# build/web/. Extra arguments go to mirado-web, e.g. --listen 0.0.0.0:8080.
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh web >&2
cmake -S . -B build/web -DCMAKE_BUILD_TYPE=Release \
  -DMIRADO_BUILD_TESTS=OFF -DMIRADO_BUILD_BENCH=OFF -DMIRADO_BUILD_IRC=OFF >&2
cmake --build build/web -j2 --target mirado mirado-web >&2
exec build/web/mirado-web "$@"
