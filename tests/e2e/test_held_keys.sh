#!/usr/bin/env bash
# A held key is one press, also on a busy machine. X repeats a held key
# after about 660 ms every 40 ms; with three processes keeping both cores
# busy, holds of the space bar for two seconds:
# - on Test Switches light the lamp of switch 1 for the whole hold and
#   flash it (a counted press) once, at the start;
# - in step scanning with two switches move the tubes on once, not again
#   for every repeat (Enter then chooses the second tube, yellow);
# - with AcceptanceMs 750 in timed scanning count once the hold is long
#   enough, instead of never (each repeat would restart the hold).
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}
e2e_setup "$program" 24
e2e_setting 3 " 3 "    # no sound
e2e_setting 5 " 1 "    # calibrated: fastest
e2e_setting 9 " 20 "   # a tube waits 20 s in timed scanning
e2e_setting 10 " 1 "   # apple.bmp
e2e_setting 15 " 3 "   # no compliment
e2e_setting 18 " 3 "   # step scanning with two switches
# apple.bmp stands at (182,184): its first section, the shine, has its seed at (130,193).
shine="312 377"

busy=()
load_machine() { for _ in $(seq "${E2E_BUSY:-3}"); do (while :; do :; done) & busy+=($!); done; }
unload_machine() { [ ${#busy[@]} -gt 0 ] && kill "${busy[@]}" 2>/dev/null; busy=(); }
trap 'unload_machine; e2e_teardown' EXIT


# The tube a shine colour came from (the tubes in order, from the first).
tube_of() {
  case $1 in
    255,5,5) echo "red (no step)" ;; 255,255,5) echo "yellow (1 step)" ;; 5,255,5) echo "green (2 steps)" ;;
    5,5,255) echo "blue (3 steps)" ;; 255,5,255) echo "purple (4 steps)" ;; 255,153,5) echo "orange (5 steps)" ;;
    *) echo "$1" ;;
  esac
}

hold_space() { xdotool keydown space; command sleep "$1"; xdotool keyup space; }  # never stretched by E2E_SLOW

# --- Test Switches: the lamp stays lit, without a flash after the first.
# Main menu -> "Keyboard / Switch Information" (five buttons before
# "Start") -> "Test Switches".
e2e_start
id=$(e2e_wait_window "Options" 15) || fail "no main window"
sleep 0.5
e2e_key "$id" shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
sleep 0.8
xdotool mousemove 356 655 click 1
sleep 0.8
lamp="150 270"   # inside the lamp of switch 1, clear of its caption
load_machine
xdotool keydown space
command sleep 0.8  # the first count's flash (0.3 s) is over
lit=0; flashes=0; dark=0
for _ in $(seq 12); do
  case $(e2e_pixel $lamp) in
    46,160,67) lit=$((lit + 1)) ;; 255,221,0) flashes=$((flashes + 1)) ;; *) dark=$((dark + 1)) ;;
  esac
done
xdotool keyup space
unload_machine
echo "lamp during the hold: $lit lit, $flashes flashing (a press counted again), $dark dark (released)"
[ "$flashes" -eq 0 ] && [ "$dark" -eq 0 ] && pass "Test Switches saw one press held under load" ||
  fail "Test Switches saw the hold as several presses"
e2e_shot test_switches_after_hold
e2e_key "$id" Escape Escape
cid=$(e2e_wait_window "Credits" 5) || fail "no credits"
e2e_key "$cid" Escape
e2e_wait_exit 5

# --- Step scanning with two switches: one hold, one step.
e2e_start_session
load_machine
hold_space 2
sleep 1.5              # the next tube slides into the Scan Position
unload_machine
xdotool key Return
if e2e_wait_pixel $shine "255,255,5" 10; then
  pass "a 2 s hold of space under load moved the tubes on once"
else
  fail "a 2 s hold of space under load chose $(tube_of "$(e2e_pixel $shine)"), expected yellow (1 step)"
fi
e2e_shot step_after_hold
e2e_leave_program

# --- Timed scanning, AcceptanceMs 750: a 2 s hold counts.
e2e_setting 18 " 1 "
e2e_setting 10 " 1 "   # apple.bmp again
printf '[switch]\nAcceptanceMs=750\n' > "$E2E_APP/brushwell.ini"
e2e_start_session
load_machine
hold_space 2
unload_machine
e2e_wait_pixel $shine "255,5,5" 10 && pass "a 2 s hold under load counted at AcceptanceMs 750" ||
  { e2e_shot timed_after_hold; fail "the 2 s hold never counted at AcceptanceMs 750"; }
e2e_leave_program
e2e_finish
