#!/usr/bin/env bash
# The switch user's own choices on the real program, in step scanning with
# two switches (space moves on, Enter takes):
# - [session] ChooseSection=1: the pointer starts on the apple's shine;
#   space moves it to the body, Enter takes the body, Enter takes the red
#   tube: the body is red, the shine still white;
# - [session] ChoosePicture=1: after the apple the chooser offers the next
#   pictures (star first); space moves to the heart, Enter takes it, and
#   the heart is the picture coloured next.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}
e2e_setup "$program" 24
e2e_setting 3 " 3 "    # no sound
e2e_setting 5 " 1 "    # calibrated: fastest
e2e_setting 10 " 1 "   # apple.bmp, then star, heart, ...
e2e_setting 15 " 3 "   # no compliment
e2e_setting 18 " 3 "   # step scanning with two switches
# apple.bmp stands at (182,184): the shine's seed (130,193), the body's (258,191).
shine="312 377"; body="440 375"


# --- The part to colour.
printf '[session]\nChooseSection=1\n' > "$E2E_APP/brushwell.ini"
e2e_start_session 1
xdotool key space; sleep 0.6          # the pointer moves on to the body
e2e_shot part_offered
xdotool key Return; sleep 1.5         # the body is taken; the red tube comes
xdotool key Return                    # red
e2e_wait_pixel $body "255,5,5" 10 && pass "the user chose the body and coloured it" || fail "the body was not coloured"
[ "$(e2e_pixel $shine)" = "255,255,255" ] && pass "the shine, offered first, stays white" || fail "the shine was coloured"
e2e_leave_program

# --- The next picture.
e2e_setting 10 " 1 "
printf '[session]\nChoosePicture=1\n' > "$E2E_APP/brushwell.ini"
e2e_start_session 1
for _ in 1 2 3; do xdotool key Return; sleep 1.8; done   # the apple's three parts, each red
sleep 1
e2e_shot picture_chooser
xdotool key space; sleep 0.5          # from the star to the heart
e2e_shot picture_chooser_heart
xdotool key Return; sleep 1.5
# (102,60) is on the heart's outline and white in the star: (284,244) on the screen.
e2e_wait_pixel 284 244 "0,0,0" 10 && pass "the chosen heart is coloured next" || fail "the heart did not come"
e2e_shot heart_chosen
e2e_leave_program
e2e_finish
