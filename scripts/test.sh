#!/bin/sh
# Installs what is needed, builds both presets (Linux and the Windows DLL)
# and runs every test suite: the Windows one under wine, the unit and
# transcript suites again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and each fuzz target for a bounded time.
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh

cmake --preset linux
cmake --build --preset linux
ctest --preset linux

cmake --preset debug-asan
cmake --build --preset debug-asan
ctest --preset debug-asan

MIRADO_FUZZ_SEED=1 sh scripts/fuzz.sh 15

# The README's start commands on a bare Debian 12 root.
sh scripts/fresh_machine_check.sh

cmake --preset windows
cmake --build --preset windows
export WINEPREFIX="$PWD/build/windows/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One persistent wine server for all test programs; the prefix is created
# here, outside ctest, so wine's helper processes never hold ctest's pipes.
wineserver -p 2>/dev/null || true
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
status=0
ctest --preset windows || status=$?
wineserver -k 2>/dev/null || true
exit $status
