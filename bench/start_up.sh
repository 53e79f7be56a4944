#!/usr/bin/env bash
# Start-up time (process start to the window mapped by the window manager)
# and peak memory of the calculator beside a bare Qt window of the same
# size, in one X session. Run inside tools/xsession.sh; see bench/run.sh.
set -euo pipefail
lumor="$1"
bare="$2"
runs="${3:-10}"

# Milliseconds from exec to the window appearing in the manager's list.
measure() {
  local program="$1" before after pid
  before="$(xprop -root _NET_CLIENT_LIST)"
  local t0
  t0="$(date +%s%N)"
  "$program" >/dev/null 2>&1 &
  pid=$!
  while :; do
    after="$(xprop -root _NET_CLIENT_LIST)"
    [[ "$after" != "$before" ]] && break
  done
  local t1
  t1="$(date +%s%N)"
  # CPU time (user + system, all threads) up to the window showing: steadier
  # than wall time on a loaded machine. schedstat counts nanoseconds, where
  # the stat file's clock ticks are 10 ms.
  local cpu_ns
  cpu_ns="$(cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{n += $1} END {print n}')"
  sleep 0.5
  local hwm
  hwm="$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(((t1 - t0) / 1000000)) $hwm $((cpu_ns / 1000000))"
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

for name in lumor bare; do
  program="$lumor"
  [[ $name == bare ]] && program="$bare"
  measure "$program" >/dev/null  # warm the caches
  : >"/tmp/start_up_$name"
  for _ in $(seq "$runs"); do measure "$program" >>"/tmp/start_up_$name"; done
done
for name in lumor bare; do
  ms="$(cut -d' ' -f1 "/tmp/start_up_$name" | median)"
  kb="$(cut -d' ' -f2 "/tmp/start_up_$name" | median)"
  cpu="$(cut -d' ' -f3 "/tmp/start_up_$name" | median)"
  printf '%-6s start-up to window shown: %6s ms, CPU %5s ms (medians of %s)   peak memory: %6s kB\n' \
    "$name" "$ms" "$cpu" "$runs" "$kb"
  echo "$cpu" >"/tmp/start_up_cpu_$name"
done
awk -v a="$(cat /tmp/start_up_cpu_lumor)" -v b="$(cat /tmp/start_up_cpu_bare)" \
  'BEGIN { if (b > 0) printf "start-up CPU time: %.2f times the bare window (goal: at most 1.10)\n", a / b }'
rm -f /tmp/start_up_lumor /tmp/start_up_bare /tmp/start_up_cpu_lumor /tmp/start_up_cpu_bare
