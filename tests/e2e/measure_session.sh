#!/usr/bin/env bash
# Measures the program's processor use while a tube waits in the Scan
# Position (timed scanning, 20 s dwell). Not a test: run by hand.
#   tests/e2e/measure_session.sh build/Brushwell
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_setup "${1:?program folder}" 24
e2e_setting 3 " 3 "; e2e_setting 5 " 1 "; e2e_setting 9 " 20 "; e2e_setting 18 " 1 "
e2e_start
id=$(e2e_wait_window "Options" 15)
sleep 0.3; e2e_key "$id" space
e2e_wait_window "Brushwell Version 2" 10 >/dev/null
sleep 3   # the first tube is out and waiting
ticks() { awk '{print $14 + $15}' /proc/$E2E_PID/stat; }
t0=$(ticks); s0=$(date +%s%N); sleep 5; t1=$(ticks); s1=$(date +%s%N)
hz=$(getconf CLK_TCK)
echo "processor use while a tube waits: $(( (t1 - t0) * 100 * 1000000000 / hz / (s1 - s0) ))% of one core"
