#!/usr/bin/env bash
# Processor use of the real program while it waits for a switch, over 10 s,
# under a private Xvfb (the end-to-end helpers of tests/e2e). Not a test.
#   bench/measure_wait_cpu.sh build/Brushwell [seconds]
# Four waits: a tube in the Scan Position in timed scanning (20 s dwell),
# in step scanning with one switch (20 s) and with two switches (no limit),
# and a finished picture waiting for the press that brings the next one.
here=$(cd "$(dirname "$0")" && pwd)
folder=${1:?program folder}
seconds=${2:-10}
source "$here/../tests/e2e/lib.sh"
source "$here/cpu_share.sh"

# $1 name, $2 ScanType, $3 "finished" to colour a one-section picture first.
run() (
  e2e_setup "$folder" 24
  e2e_setting 3 " 3 "    # no sounds
  e2e_setting 5 " 1 "    # AnimationDelay
  e2e_setting 9 " 20 "   # ScanSeconds
  e2e_setting 15 " 3 "   # no compliment
  e2e_setting 18 " $2 "  # ScanType
  e2e_setting 19 " 20 "  # ScanSpeed
  if [ "${3:-}" = finished ]; then
    # One section: a frame with one marker dot.
    convert -size 400x400 xc:white -fill none -stroke black -draw "rectangle 0,0 399,399" \
      -stroke none -fill black -draw "point 200,200" -type TrueColor BMP3:"$E2E_APP/one.bmp"
    printf 'one.bmp\r\n' > "$E2E_APP/pictures_1.pcf"
    e2e_setting 10 " 1 "
    e2e_setting 34 " 1 "
  fi
  e2e_start
  id=$(e2e_wait_window "Options" 15) || { echo "$1: the main menu did not come"; exit 1; }
  sleep 0.3; e2e_key "$id" space
  win=$(e2e_wait_window "Brushwell Version 2" 10) || { echo "$1: no colouring window"; exit 1; }
  sleep 3   # the first tube is out and waiting
  if [ "${3:-}" = finished ]; then
    e2e_key "$win" space   # chooses the tube; the picture is coloured and framed
    sleep 4
  fi
  [ -n "${E2E_SHOT_AT_END:-}" ] && import -window root "$E2E_SHOT_AT_END-$2-${3:-}.png"
  measure "$1"
)

run "a tube waits, timed scanning" 1
run "a tube waits, step scanning with one switch" 2
run "a tube waits, step scanning with two switches" 3
run "a finished picture waits" 1 finished
