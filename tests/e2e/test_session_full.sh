#!/usr/bin/env bash
# A whole session with the real program: the first Start opens the speed
# calibration; then two pictures are coloured with key presses in step
# scanning with two switches; the seeds take the chosen colours, a finished
# picture is framed, Escape shows the statistics, and Exit saves the moved-on
# picture and song positions.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}
e2e_setup "$program" 24
printf 'heart.bmp\r\napple.bmp\r\nstar.bmp\r\n' > "$E2E_APP/pictures_1.pcf"
e2e_setting 3 " 2 "    # music: one song per picture
e2e_setting 5 " 0 "    # not calibrated
e2e_setting 10 " 1 "
e2e_setting 11 " 1 "
e2e_setting 15 " 3 "   # no compliment
e2e_setting 18 " 3 "   # step scanning with two switches
e2e_start
id=$(e2e_wait_window "Options" 15) || fail "no main window"
sleep 0.3
e2e_key "$id" space                     # Start: the speed is not calibrated yet
win=$(e2e_wait_window "Brushwell Version 2" 10) || fail "no colouring window"
sleep 1
e2e_shot calibration
xdotool mousemove 661 485 click 1       # "Main Menu" of the calibration, slider at 1
id=$(e2e_wait_window "Options" 10) || fail "no menu after the calibration"
sed -n 5p "$E2E_APP/aobj_se1.cfg" | grep -q '^ 1 ' && pass "calibration saved AnimationDelay 1" || fail "calibration not saved"
sleep 0.5
e2e_shot statistics_after_calibration
e2e_key "$id" space                     # the statistics' "Main Menu" (it has the focus)
sleep 0.5
e2e_key "$id" space                     # Start again: now a session
win=$(e2e_wait_window "Brushwell Version 2" 10) || fail "no colouring window"
sleep 1
xdotool windowfocus "$win" 2>/dev/null

# Colours a three-section picture: red, yellow, green. Each scan begins with
# the tube used last, so: Enter; space Enter; space Enter.
colour_three() {
  local at=("$@")
  xdotool key Return
  e2e_wait_pixel ${at[0]} ${at[1]} "255,5,5" 10 || fail "section 1 not red"
  sleep 0.6; xdotool key space; sleep 0.6; xdotool key Return
  e2e_wait_pixel ${at[2]} ${at[3]} "255,255,5" 10 || fail "section 2 not yellow"
  sleep 0.6; xdotool key space; sleep 0.6; xdotool key Return
}
# heart.bmp: seeds (138,194) (200,222) (316,124); the picture stands at
# (182,184) and glides to (312,184) when it is finished.
colour_three 320 378 382 406 498 308
e2e_wait_pixel $((312 + 316)) $((184 + 124)) "5,255,5" 15 && pass "heart coloured red, yellow, green" || fail "heart section 3 not green"
sleep 0.5
e2e_shot heart_finished
for x in 311 277 243; do
  [ "$(e2e_pixel $x 384)" != "0,0,0" ] || fail "no frame at x=$x"
done
[ "$(e2e_pixel 240 384)" = "0,0,0" ] && pass "the finished picture is framed, 70 pixels wide" || fail "frame wider than 70 pixels"
xdotool key space                       # the switch between pictures
sleep 1.5
# apple.bmp: seeds (130,193) (258,191) (293,60)
colour_three 312 377 440 375 475 244
e2e_wait_pixel $((312 + 293)) $((184 + 60)) "5,255,5" 15 && pass "apple coloured" || fail "apple section 3 not green"
sleep 0.5
e2e_shot apple_finished
xdotool key Escape
id=$(e2e_wait_window "Options" 10) && pass "Escape returned to the main window" || fail "no main window"
sleep 0.5
e2e_shot statistics
e2e_key "$id" Escape
cid=$(e2e_wait_window "Credits" 5) || fail "no credits"
e2e_key "$cid" Escape
e2e_wait_exit 5
[ "$(sed -n 10p "$E2E_APP/aobj_se1.cfg" | tr -d '\r')" = " 3 " ] && pass "next picture is 3" || fail "CurrentPictureIndex not 3"
[ "$(sed -n 11p "$E2E_APP/aobj_se1.cfg" | tr -d '\r')" = " 3 " ] && pass "next song is 3" || fail "CurrentSongIndex not 3"
e2e_finish
