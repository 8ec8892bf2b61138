#!/usr/bin/env bash
# A video file standing in for the camera is switch 2 of the real program:
# in step scanning with two switches a hand waved inside switch 2's
# rectangle chooses the tube in the Scan Position, and the section is
# coloured. Switch 1's rectangle, on the other side, sees no movement.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}
e2e_setup "$program" 24
e2e_setting 3 " 3 "    # no sound
e2e_setting 5 " 1 "    # calibrated: fastest
e2e_setting 15 " 3 "   # no compliment
e2e_setting 18 " 3 "   # step scanning with two switches
e2e_setting 10 " 1 "   # first picture of the list: apple.bmp

# 4 s, looped: a dark hand waves in the right third from 2.5 s to 3.2 s.
ffmpeg -v error -y -f lavfi -i "color=c=0x707070:s=640x480:r=30:d=4" \
  -f lavfi -i "color=c=0x202020:s=80x120:r=30:d=4" \
  -filter_complex "[0]drawgrid=w=40:h=40:t=8:c=white@0.6[room];[room][1]overlay=x='if(between(t,2.5,3.2),460+mod(n,2)*60,-300)':y=200[out]" \
  -map "[out]" -c:v mjpeg -q:v 4 "$E2E_APP/wave.avi" || fail "ffmpeg made no video"
printf '[camera]\nEnabled=1\nSource=wave.avi\nRegion1="0.02,0.2,0.3,0.6"\nRegion2="0.65,0.2,0.33,0.6"\n' \
  > "$E2E_APP/brushwell.ini"

e2e_start_session 1
# apple.bmp stands at (182,184); its shine (130,193) is the first section;
# red is the tube in the Scan Position.
shine="312 377"
e2e_wait_pixel $shine "255,5,5" 20 && pass "the wave in switch 2's rectangle chose the red tube" || fail "shine not red"
e2e_shot camera_chose
# The video has had its wave at least once more meanwhile; switch 1 was
# never pressed, so no tube beyond red was brought: the body is red or white.
body=$(e2e_pixel 440 375)
case "$body" in 255,5,5|255,255,255) pass "switch 1 was not pressed (body $body)" ;; *) fail "body is $body" ;; esac
grep -q "Enabled=1" "$E2E_APP/brushwell.ini" && pass "brushwell.ini kept as it was" || fail "brushwell.ini changed"
e2e_leave_program
[ "$E2E_CODE" = 0 ] && pass "the program ended normally" || fail "exit code $E2E_CODE"
e2e_finish
