#!/bin/sh
# Installs what the web room needs (a compiler, CMake, Boost, ICU), builds
# the Linux plug-in and mirado-web in build/web/, and starts it on
# 127.0.0.1:8080. It prints the URL to open (with the table key); share it
# with the players. Room logs and the config (with the key) are kept in
# build/web/. Extra arguments go to mirado-web, e.g. --listen 0.0.0.0:8080.
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh web >&2
sh scripts/build_host.sh build/web mirado-web
exec build/web/mirado-web "$@"
