#!/usr/bin/env bash
# Processor use of the real program while a tube waits in the Scan Position
# (step scanning with two switches, so it waits until a press)
# with the camera switch reading a video file (640 x 480, 30 frames a
# second, MJPEG, looped; a hand waves outside the rectangles, so every frame
# is measured and nothing is pressed), and without the camera for
# comparison. Under a private Xvfb (tests/e2e/lib.sh). Not a test.
#   bench/measure_camera_cpu.sh build/Brushwell [seconds]
here=$(cd "$(dirname "$0")" && pwd)
folder=${1:?program folder}
seconds=${2:-20}
source "$here/../tests/e2e/lib.sh"
source "$here/cpu_share.sh"

# $1 name, $2 "camera" to read the video.
run() (
  e2e_setup "$folder" 24
  e2e_setting 3 " 3 "    # no sounds
  e2e_setting 5 " 1 "    # AnimationDelay
  e2e_setting 15 " 3 "   # no compliment
  e2e_setting 18 " 3 "   # step scanning with two switches: the tube waits for a press
  if [ "$2" = camera ]; then
    ffmpeg -v error -y -f lavfi -i "color=c=0x707070:s=640x480:r=30:d=10" \
      -f lavfi -i "color=c=0x202020:s=80x120:r=30:d=10" \
      -filter_complex "[0]drawgrid=w=40:h=40:t=8:c=white@0.6[room];[room][1]overlay=x='280+mod(n,2)*40':y=340[out]" \
      -map "[out]" -c:v mjpeg -q:v 4 "$E2E_APP/still.avi"
    printf '[camera]\nEnabled=1\nSource=still.avi\nRegion1="0.02,0.1,0.3,0.5"\nRegion2="0.65,0.1,0.33,0.5"\n' \
      > "$E2E_APP/brushwell.ini"
  fi
  e2e_start
  id=$(e2e_wait_window "Options" 15) || { echo "$1: the main menu did not come"; exit 1; }
  sleep 0.3; e2e_key "$id" space
  e2e_wait_window "Brushwell Version 2" 10 >/dev/null || { echo "$1: no colouring window"; exit 1; }
  sleep 3   # the first tube is out and waiting
  measure "$1"
)

run "a tube waits, no camera" none
run "a tube waits, camera switch on a 640x480 30 fps video" camera
