# Sourced by the bench/measure_*_cpu.sh scripts, after tests/e2e/lib.sh:
# `measure NAME` prints the share of one core the program under test
# ($E2E_PID) used over the next $seconds seconds.
ticks() { awk '{print $14 + $15}' /proc/$E2E_PID/stat; }
measure() {
  local t0 s0 t1 s1 hz
  t0=$(ticks); s0=$(date +%s%N); sleep "$seconds"; t1=$(ticks); s1=$(date +%s%N)
  hz=$(getconf CLK_TCK)
  awk -v t="$((t1 - t0))" -v hz="$hz" -v ns="$((s1 - s0))" -v what="$1" \
    'BEGIN { printf "%-52s %.2f %% of one core\n", what ":", t / hz * 1e9 / ns * 100 }'
}
