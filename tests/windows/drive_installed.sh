#!/usr/bin/env bash
# Installs lumor silently into a fresh Wine prefix with the user's decimal
# separator at ",", drives the installed calculator like a person (the same
# steps as tests/e2e/drive_calculator.sh), and checks the exit status, the
# order line, the separator put back and lumor-quote.exe's output.
set -uo pipefail
installer="$1"
linux_quote="$2"
csv="$3"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
pid=""

fail() {
  echo "FAIL: $*"
  import -window root "$work/failure.png" 2>/dev/null && cp "$work/failure.png" "${TMPDIR:-/tmp}/lumor-wine-failure.png" &&
    echo "screenshot: ${TMPDIR:-/tmp}/lumor-wine-failure.png"
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
  wineserver -k 2>/dev/null
  exit 1
}
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT

wait_window() {
  local found
  for _ in $(seq 300); do
    found="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)" || true
    [[ -n "$found" ]] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n {print $3}'; }

bash "$here/../../tools/windows/wine-prefix.sh" "$WINEPREFIX" || fail "no Wine prefix"

wine "$installer" /S || fail "the installer failed"
wineserver --wait
folder="$WINEPREFIX/drive_c/Program Files/lumor"
for f in lumor.exe lumor-quote.exe uninstall.exe platforms/qwindows.dll licences/LGPL-3.0-only.txt; do
  [[ -f "$folder/$f" ]] || fail "not installed: $f"
done
[[ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/lumor/lumor.lnk" ]] ||
  fail "no Start-menu shortcut"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\lumor'
[[ "$(reg_value "$key" DisplayVersion)" == "1.1.18" ]] || fail "no Add/Remove Programs entry"

# lumor-quote.exe: the same bytes as the Linux program.
LANG=C.UTF-8 LC_ALL= "$linux_quote" --discount 5 <"$csv" >"$work/linux.txt" 2>"$work/linux.err"
wine "$folder/lumor-quote.exe" --discount 5 <"$csv" >"$work/windows.txt" 2>"$work/windows.err"
cmp "$work/linux.txt" "$work/windows.txt" || fail "lumor-quote.exe output differs: $(diff "$work/linux.txt" "$work/windows.txt" | head -5)"

wine reg add 'HKCU\Control Panel\International' /v sDecimal /t REG_SZ /d , /f >/dev/null ||
  fail "cannot set sDecimal"

wine "$folder/lumor.exe" &
pid=$!
win="$(wait_window '^Lumor - VORN')" || fail "the main window did not appear"
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
sleep 1
[[ "$(reg_value 'HKCU\Control Panel\International' sDecimal)" == "." ]] ||
  fail "the decimal point is not forced while the window is open"

X="$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print $4}')"
Y="$(xwininfo -id "$win" | awk '/Absolute upper-left Y/ {print $4}')"
click() { xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1; sleep 0.8; }

click 145 276
xdotool key --delay 120 Down Down Down Down Return
sleep 0.5
click 386 272
xdotool key --delay 120 End Return
sleep 0.5
click 252 271
xdotool key ctrl+a
xdotool type --delay 100 "25"
click 280 375
xdotool key ctrl+a
xdotool type --delay 100 "10"
sleep 0.5
[[ -n "${LUMOR_WINE_SCREENSHOT:-}" ]] && import -window root "$LUMOR_WINE_SCREENSHOT-main.png"

expected="C-D-SM-LC-25-SLFig-0-SC    Patch Cord Dubleks Single Mode  LC-PC / SC-PC  0 mm 25 m ----- 59.45 EUR/adet"
click 300 428
for _ in $(seq 10); do
  xdotool key ctrl+a ctrl+c
  sleep 0.5
  line="$(xclip -o -selection clipboard 2>/dev/null)" || line=""
  [[ "$line" == "$expected" ]] && break
done
[[ "$line" == "$expected" ]] || fail "order line was '$line'"

wmctrl -i -c "$win"
about="$(wait_window '^About lumor$')" || fail "the About dialog did not appear"
kill -0 "$pid" 2>/dev/null || fail "the program ended before the About dialog was closed"
sleep 0.5
[[ -n "${LUMOR_WINE_SCREENSHOT:-}" ]] && import -window root "$LUMOR_WINE_SCREENSHOT-about.png"
xdotool windowactivate --sync "$about" 2>/dev/null || xdotool windowfocus --sync "$about"
sleep 0.5
xdotool key Escape
for _ in $(seq 150); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after the About dialog closed"
wait "$pid"
status=$?
pid=""
[[ $status -eq 0 ]] || fail "the program ended with status $status"
[[ "$(reg_value 'HKCU\Control Panel\International' sDecimal)" == "," ]] ||
  fail "sDecimal was not put back to ','"
echo "e2e under Wine: installer, order line, About dialog, exit status, sDecimal and lumor-quote as expected"
