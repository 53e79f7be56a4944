#!/usr/bin/env bash
# Builds lumor for Windows: the host tools the build runs, then the cross
# build against the Qt SDK (built first, once per machine, when missing).
# Arguments are ninja targets of the Windows build (default: everything).
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/setup.sh windows
LUMOR_WINDOWS_QT="$(bash tools/windows/qt-sdk.sh)"
export LUMOR_WINDOWS_QT
jobs="${LUMOR_JOBS:-$(nproc)}"
cmake --preset host-tools >/dev/null
cmake --build --preset host-tools --parallel "$jobs"
cmake --preset windows >/dev/null
cmake --build --preset windows --parallel "$jobs" ${1:+--target "$@"}
