#!/usr/bin/env bash
# Runs a Windows program under Wine in the caller's prefix (WINEPREFIX), with
# the Qt and MinGW runtime DLLs found through WINEPATH instead of copies.
# CMake uses it as the emulator of a cross build, so ctest runs the tests
# under Wine.
set -euo pipefail
: "${WINEPREFIX:?wine-run: set WINEPREFIX to a private prefix (tools/windows/wine-prefix.sh)}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
to_windows() { local p="Z:$1"; echo "${p//\//\\}"; }
paths=()
for dir in ${LUMOR_WINE_DLL_DIRS:-}; do paths+=("$(to_windows "$dir")"); done
if ((${#paths[@]})); then
  WINEPATH="$(IFS=';'; echo "${paths[*]}")"
  export WINEPATH
fi
exec wine "$@"
