#!/usr/bin/env bash
# Keys reach the colouring window of the real program as keys, not
# characters: with Shift, on a French and on a Russian layout, in step
# scanning with two switches the 0 key moves to the next tube, the 1 key
# chooses, the C key clears the last section, "3" and the A key skip
# pictures, Escape returns to the menu, and the position in the picture list
# is saved on the way out.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}
e2e_setup "$program" 24
e2e_setting 3 " 3 "    # no sound
e2e_setting 5 " 1 "    # calibrated: fastest
e2e_setting 15 " 3 "   # no compliment
e2e_setting 18 " 3 "   # step scanning with two switches
e2e_setting 10 " 1 "   # first picture of the list: apple.bmp
e2e_start
id=$(e2e_wait_window "Options" 15) || fail "no main window"
sleep 0.3
e2e_key "$id" space   # "Start" has the keyboard focus
win=$(e2e_wait_window "Brushwell Version 2" 10) || fail "no colouring window"
sleep 1
xdotool windowfocus "$win" 2>/dev/null
# apple.bmp stands at (182,184); its sections are the shine (130,193), the
# body (258,191) and the leaf (293,60); the tubes are red, yellow, green, ...
shine="312 377"; body="440 375"
xdotool key shift+1                     # "!" is still the 1 key: choose red for the shine
e2e_wait_pixel $shine "255,5,5" 10 && pass "Shift+1 chose the red tube" || fail "shine not red"
e2e_shot after_shine
sleep 0.5
setxkbmap fr                            # French: the 0 and 1 keys type "à" and "&"
xdotool key agrave; sleep 0.8           # next tube: yellow
xdotool key ampersand
e2e_wait_pixel $body "255,255,5" 10 && pass "French layout: the 0 key moved on, the 1 key chose" || fail "body not yellow"
e2e_shot after_body
sleep 0.8
setxkbmap ru                            # Russian: the C and A keys type "с" and "ф"
xdotool key Cyrillic_es                 # clear the body again
e2e_wait_pixel $body "255,255,255" 10 && pass "Russian layout: the C key cleared the last section" || fail "body not cleared"
e2e_shot after_clear
xdotool key 3; sleep 1.5                # skip to star.bmp
e2e_wait_pixel $shine "255,255,255" 5 >/dev/null 2>&1
e2e_shot after_skip
xdotool key Cyrillic_ef; sleep 1.5      # the A key: skip to heart.bmp
setxkbmap us
xdotool key Escape
id=$(e2e_wait_window "Options" 10) && pass "Escape returned to the main window" || fail "no main window after Escape"
sleep 0.5
e2e_shot statistics
e2e_key "$id" Escape                    # main window: save and show the credits
cid=$(e2e_wait_window "Credits" 5) || fail "no credits"
e2e_key "$cid" Escape
e2e_wait_exit 5
line10=$(sed -n 10p "$E2E_APP/aobj_se1.cfg" | tr -d '\r')
[ "$line10" = " 4 " ] && pass "two skips and a left picture moved the list on to picture 4" || fail "CurrentPictureIndex is '$line10'"
e2e_finish
