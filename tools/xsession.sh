#!/usr/bin/env bash
# Starts a private X server (96 dpi, like a common desktop) with a window
# manager and runs the given command in it; used by the real-window tests
# and the screenshot commands.
set -euo pipefail
log="$(mktemp -d)"
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x900x24 -dpi 96 -nolisten tcp >"$log/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 20 -u "$fd" number || { cat "$log/xvfb.log"; kill "$xvfb"; exit 1; }
export DISPLAY=":$number"
openbox >"$log/openbox.log" 2>&1 &
wm=$!
cleanup() { kill "$wm" "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$log"; }
trap cleanup EXIT
# The window manager must own the screen before the first window maps.
for _ in $(seq 50); do
  wmctrl -m >/dev/null 2>&1 && break
  sleep 0.1
done
"$@"
