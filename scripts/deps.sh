#!/bin/sh
# Installs the Debian 12 packages a build needs (with everything: clang, its
# libFuzzer and sanitizer runtimes and llvm's coverage tools for fuzz/, and
# strace for the system-call test). Safe to run again: apt-get skips what is
# already there.
#
#   sh scripts/deps.sh           everything: both builds, the hosts, all tests
#   sh scripts/deps.sh console   only what the Linux plug-in and the console need
#   sh scripts/deps.sh web       only what the Linux plug-in and the web room need
set -eu
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
# Every build generates its game data with Python.
CONSOLE_PACKAGES="cmake make g++ python3 libboost1.81-dev libicu-dev libedit-dev"
# The web room: Boost.Beast, Asio and JSON are headers of libboost1.81-dev.
WEB_PACKAGES="cmake make g++ python3 libboost1.81-dev libicu-dev"
# Its browser test: Debian's Chromium (never a browser a tool downloads),
# Japanese fonts for the screenshots, and Node.js with npm for playwright-core
# (npm only where no npm came with Node.js: NodeSource's nodejs brings its own).
BROWSER_PACKAGES="chromium fonts-noto-cjk nodejs"
command -v npm >/dev/null 2>&1 || BROWSER_PACKAGES="$BROWSER_PACKAGES npm"
case "${1:-all}" in
  console) PACKAGES="$CONSOLE_PACKAGES" ;;
  web) PACKAGES="$WEB_PACKAGES" ;;
  all) PACKAGES="$CONSOLE_PACKAGES googletest libbenchmark-dev \
  g++-mingw-w64-x86-64-posix wine wine64 libssl-dev ngircd binutils openssl ca-certificates strace \
  clang libclang-rt-14-dev llvm mmdebstrap $WEB_PACKAGES $BROWSER_PACKAGES" ;;
  *) echo "usage: sh scripts/deps.sh [all|console|web]" >&2; exit 2 ;;
esac
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
if [ "${1:-all}" = all ] && command -v systemctl >/dev/null 2>&1; then
  $SUDO systemctl disable --now ngircd >/dev/null 2>&1 || true
fi
