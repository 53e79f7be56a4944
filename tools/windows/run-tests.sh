#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, in a fresh private prefix and on
# a private X server (the launcher test waits for the tool's window).
set -euo pipefail
cd "$(dirname "$0")/../.."
WINEPREFIX="$PWD/build/windows/wine-prefix"
export WINEPREFIX WINEDEBUG=-all
bash tools/windows/wine-prefix.sh "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true' EXIT
bash tools/xsession.sh ctest --preset windows "$@"
