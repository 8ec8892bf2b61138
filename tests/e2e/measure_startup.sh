#!/usr/bin/env bash
# Measures the time from launch to the main menu on screen, the resident
# memory at the idle menu, and the time from the last window closing (Escape
# on the credits) to the end of the process (medians of N runs). Not a test:
# run by hand.
#   tests/e2e/measure_startup.sh build/Brushwell [runs]
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}; runs=${2:-7}
e2e_setup "$program" 24
times=(); exits=()
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  e2e_start
  until xdotool search --onlyvisible --name '^Options$' >/dev/null 2>&1; do sleep 0.005; done
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  sleep 1.5
  [ "$i" -eq "$runs" ] && rss=$(awk '/VmRSS/ {print $2}' /proc/$E2E_PID/status)
  e2e_key "$(xdotool search --onlyvisible --name '^Options$' | head -1)" Escape
  cid=$(e2e_wait_window "Credits" 5)
  xdotool windowfocus --sync "$cid"
  start=$(date +%s%N)
  xdotool key Escape
  while kill -0 "$E2E_PID" 2>/dev/null; do sleep 0.002; done
  end=$(date +%s%N)
  exits+=($(( (end - start) / 1000000 )))
  wait "$E2E_PID" 2>/dev/null; E2E_PID=""
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "launch to menu (ms): ${times[*]}"
echo "median: ${sorted[$((runs / 2))]} ms"
echo "resident memory at the idle menu: $((rss / 1024)) MB"
sorted=($(printf '%s\n' "${exits[@]}" | sort -n))
echo "window closed to process ended (ms): ${exits[*]}; median ${sorted[$((runs / 2))]} ms"
