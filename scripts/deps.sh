#!/bin/sh
# Installs every Debian 12 package the builds, hosts and tests need (clang,
# its libFuzzer and sanitizer runtimes and llvm's coverage tools for fuzz/).
# Safe to run again: apt-get skips what is already there.
set -eu
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
PACKAGES="cmake make g++ python3 libboost1.81-dev libicu-dev googletest libbenchmark-dev \
  g++-mingw-w64-x86-64-posix wine wine64 libssl-dev ngircd binutils openssl ca-certificates \
  clang libclang-rt-14-dev llvm"
missing=
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends $missing
fi
# The packaged ngircd service is not wanted: the tests start their own server.
if command -v systemctl >/dev/null 2>&1; then $SUDO systemctl disable --now ngircd >/dev/null 2>&1 || true; fi
