#!/usr/bin/env bash
# The switch options of brushwell.ini on the real program: with AcceptanceMs
# 400 a short tap of the space bar chooses nothing while a 600 ms hold
# chooses the tube in the Scan Position; each fade lasts at least 0.5 s on
# the screen; with DwellMs 800 in No Scanning, resting the mouse pointer on
# a tube chooses it.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}
e2e_setup "$program" 24
e2e_setting 3 " 3 "    # no sound
e2e_setting 5 " 1 "    # calibrated: fastest
e2e_setting 9 " 20 "   # a tube waits 20 s in timed scanning
e2e_setting 10 " 1 "   # apple.bmp
e2e_setting 15 " 3 "   # no compliment
e2e_setting 18 " 1 "   # timed scanning
printf '[switch]\nAcceptanceMs=400\n' > "$E2E_APP/brushwell.ini"
# apple.bmp stands at (182,184): its shine's seed (130,193), its body (258,191).
# Six tubes (red, yellow, green, blue, purple, orange) 67 pixels apart in a
# column from (692,184), 150x44 each.
shine="312 377"; body="440 375"
now() { date +%s.%N; }

# --- A tap shorter than AcceptanceMs counts for nothing.
e2e_start_session
xdotool keydown space; command sleep 0.15; xdotool keyup space  # its length counts: never stretched by E2E_SLOW
sleep 1.5
[ "$(e2e_pixel $shine)" = "255,255,255" ] && pass "a 150 ms tap chose nothing" || fail "the tap chose a tube"

# --- A 600 ms hold chooses red; the fade is timed on the screen.
xdotool keydown space; command sleep 0.6; xdotool keyup space
fade_start=""; fade_end=""
end=$((SECONDS + 10))
while [ $SECONDS -le $end ]; do
  p=$(e2e_pixel $shine); t=$(now)
  IFS=, read -r r g b <<<"$p"
  # Fade tints are red with equal green and blue between the white and the end.
  if [ -z "$fade_start" ] && [ "$r" = 255 ] && [ "$g" = "$b" ] && [ "$g" -lt 255 ] && [ "$g" -gt 5 ]; then fade_start=$t; fi
  if [ "$p" = "255,5,5" ]; then fade_end=$t; break; fi
done
if [ -n "$fade_end" ]; then pass "the 600 ms hold chose red"; else fail "the hold chose nothing"; fi
if [ -n "$fade_start" ] && [ -n "$fade_end" ]; then
  length=$(awk -v a="$fade_start" -v b="$fade_end" 'BEGIN { printf "%.2f", b - a }')
  echo "fade on screen: at least $length s (first tint seen to last colour seen)"
  awk -v l="$length" 'BEGIN { exit !(l >= 0.5) }' && pass "the fade lasted at least 0.5 s" || fail "the fade took $length s"
else
  fail "no fade seen (start '$fade_start', end '$fade_end')"
fi
e2e_shot after_hold
e2e_leave_program

# --- Dwell selection in No Scanning.
e2e_setting 18 " 4 "
e2e_setting 10 " 1 "
printf '[switch]\nDwellMs=800\n' > "$E2E_APP/brushwell.ini"
xdotool mousemove 300 600
e2e_start_session
xdotool mousemove 760 273   # onto the yellow tube
command sleep 0.4   # less than DwellMs: never stretched by E2E_SLOW
e2e_shot dwell_ring
[ "$(e2e_pixel $shine)" = "255,255,255" ] && pass "nothing chosen before the dwell time" || fail "chosen too soon"
e2e_wait_pixel $shine "255,255,5" 10 && pass "resting the pointer chose the yellow tube" || fail "dwell chose nothing"
e2e_leave_program
e2e_finish
