#!/usr/bin/env bash
# Saves a PNG of the calculator's window, frame included. Run it inside
# tools/xsession.sh:
#   tools/xsession.sh tools/screenshot.sh build/release/app/lumor docs/screenshot.png
set -euo pipefail
lumor="$1"
out="$2"
"$lumor" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
win="$(timeout 30 xdotool search --sync --onlyvisible --name '^Lumor - VORN' | head -n1)"
sleep 1
import -frame -window "$win" "$out"
echo "wrote $out"
