#!/usr/bin/env bash
# The colouring window's keys are keys of the keyboard, not characters:
# Shift+0 is still the switch, and on a French or Russian layout the keys
# where a US keyboard has "1", "0", "c" and "a" keep their commands.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}
e2e_setup "$program" 24
e2e_setting 3 " 3 "    # no sound
e2e_setting 5 " 1 "    # calibrated: fastest
e2e_setting 15 " 3 "   # no compliment
e2e_setting 18 " 3 "   # step scanning with two switches
e2e_setting 10 " 1 "   # apple.bmp: stem, body, leaf; tubes red, yellow, ...
e2e_start
id=$(e2e_wait_window "Options" 15) || fail "no main window"
sleep 0.3
e2e_key "$id" space
win=$(e2e_wait_window "Brushwell Version 2" 10) || fail "no colouring window"
sleep 1
xdotool windowfocus "$win" 2>/dev/null
stem="384 274"; body="411 409"

setxkbmap fr
xdotool key ampersand                   # French "&" is the US "1" key: choose red
e2e_wait_pixel $stem "255,5,5" 10 && pass "French layout: the 1 key chose" || fail "stem not red"
sleep 0.8
setxkbmap us
xdotool key shift+0; sleep 0.8          # ")" is still the 0 key: next tube
xdotool key Return
e2e_wait_pixel $body "255,255,5" 10 && pass "Shift+0 moved on to yellow" || fail "body not yellow"
sleep 0.8
setxkbmap fr
xdotool key agrave; sleep 0.8           # French "à" is the 0 key: next tube
setxkbmap ru
xdotool key Cyrillic_es                 # Russian "с" is the C key: clear the body
e2e_wait_pixel $body "255,255,255" 10 && pass "Russian layout: the C key cleared" || fail "body not cleared"
sleep 0.8
xdotool key Cyrillic_ef; sleep 1.5      # Russian "ф" is the A key: skip the picture
setxkbmap us
xdotool key Escape
id=$(e2e_wait_window "Options" 10) || fail "no main window after Escape"
e2e_key "$id" Escape
cid=$(e2e_wait_window "Credits" 5) || fail "no credits"
e2e_key "$cid" Escape
e2e_wait_exit 5
line10=$(sed -n 10p "$E2E_APP/aobj_se1.cfg" | tr -d '\r')
[ "$line10" = " 3 " ] && pass "the A key skipped a picture on the Russian layout" || fail "CurrentPictureIndex is '$line10'"
e2e_finish
