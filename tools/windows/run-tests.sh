#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, in a fresh private prefix and on
# a private X server (the launcher test waits for the tool's window).
set -euo pipefail
cd "$(dirname "$0")/../.."
WINEPREFIX="$PWD/build/windows/wine-prefix"
export WINEPREFIX WINEDEBUG=-all
# A server left from an earlier run must be gone before its prefix is replaced.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
bash tools/windows/wine-prefix.sh "$WINEPREFIX"
# One Wine session for the whole run: without it every test program would
# boot the prefix's services anew.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
timeout 120 wine cmd /c exit  # the prefix's services start before the first test
bash tools/xsession.sh ctest --preset windows "$@"
