#!/usr/bin/env bash
# The carers' Picture Workshop from the keyboard: a thin-lined drawing with a
# gap becomes a picture of three sections once "Close gaps" is raised, saved
# with its section file; the
# picture is added to picture list 2 and the list saved; then the real
# program colours it, section by section, in the order the workshop showed.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}
e2e_setup "$program" 24
keys() { xdotool key --clearmodifiers "$@"; sleep 0.4; }

# Three boxes side by side, drawn with 1-pixel lines; the second dividing
# line stops 3 pixels short of the top.
drawing=$E2E_TMP/three_boxes.png
convert -size 600x300 xc:white -fill none -stroke black -strokewidth 1 +antialias \
  -draw "rectangle 20,40 580,280" -draw "line 200,40 200,280" -draw "line 400,44 400,280" "$drawing"

"$E2E_APP/brushwell-workshop" >"$E2E_TMP/workshop.log" 2>&1 &
E2E_PID=$!
ws=$(e2e_wait_window "Brushwell Picture Workshop" 15) || { fail "no workshop window"; e2e_finish; }
sleep 1
xdotool windowfocus --sync "$ws"
keys alt+o                                  # Open Drawing or Photo...
dlg=$(e2e_wait_window "Open a Drawing or a Photo" 10) || fail "no file dialog"
xdotool windowfocus --sync "$dlg"
xdotool type --delay 10 "$drawing"; sleep 0.3
keys Return
sleep 1.5
xdotool windowfocus --sync "$ws"
keys alt+g Right Right                       # Close gaps: from 0 (lines as drawn) to 2
sleep 1
e2e_shot workshop_new_picture
keys alt+c ctrl+a                            # Picture name
xdotool type --delay 10 "e2e_boxes"; sleep 0.2
keys Return                                  # Save Picture
sleep 1
if [ -f "$E2E_APP/e2e_boxes.bmp" ] && [ -f "$E2E_APP/e2e_boxes.bmp.dat" ]; then
  pass "picture and section file saved in the program folder"
else
  fail "e2e_boxes.bmp or its section file missing"
fi
[ "$(identify -format '%w %h' "$E2E_APP/e2e_boxes.bmp" 2>/dev/null)" = "400 400" ] && pass "400 x 400" || fail "wrong size"
mapfile -t seed < <(tr -d ' \r' < "$E2E_APP/e2e_boxes.bmp.dat")
[ "${#seed[@]}" -eq 6 ] && pass "three sections (the gap was closed)" || fail "section file holds ${#seed[@]} numbers, not 6"
[ "${seed[0]:-0}" -lt "${seed[2]:-0}" ] && [ "${seed[2]:-0}" -lt "${seed[4]:-0}" ] && pass "sections numbered left to right" || fail "seed order ${seed[*]}"

keys alt+p                                   # the Picture Lists page
keys alt+l Down                              # list 2
sleep 0.5
keys alt+f                                   # pictures in the folder
xdotool type --delay 20 "e2e_b"; sleep 0.4   # jumps to e2e_boxes.bmp
keys alt+a                                   # Add to List (after the list's first line)
e2e_shot workshop_list_2
keys alt+s                                   # Save List
sleep 0.5
second=$(tr -d '\r' < "$E2E_APP/pictures_2.pcf" | sed -n 2p)
[ "$second" = "e2e_boxes.bmp" ] && pass "list 2 names the picture after its heading" || fail "line 2 of pictures_2.pcf is '$second'"
kill "$E2E_PID" 2>/dev/null; wait "$E2E_PID" 2>/dev/null; E2E_PID=""

# The real program colours it: list 2 active, its first picture, step
# scanning with two switches, calibrated.
e2e_setting 5 " 1 "
e2e_setting 10 " 1 "
e2e_setting 15 " 3 "
e2e_setting 18 " 3 "
e2e_setting 34 " 2 "
e2e_start
id=$(e2e_wait_window "Options" 15) || fail "no main window"
sleep 0.3
e2e_key "$id" space                          # Start
win=$(e2e_wait_window "Brushwell Version 2" 10) || fail "no colouring window"
sleep 1
xdotool windowfocus "$win" 2>/dev/null
# The picture stands at (182, 184) and glides to (312, 184) when finished.
x() { echo $((182 + seed[$1])); }
y() { echo $((184 + seed[$1])); }
xdotool key Return
e2e_wait_pixel "$(x 0)" "$(y 1)" "255,5,5" 10 && pass "section 1 red" || fail "section 1 not red"
sleep 0.6; xdotool key space; sleep 0.6; xdotool key Return
e2e_wait_pixel "$(x 2)" "$(y 3)" "255,255,5" 10 && pass "section 2 yellow" || fail "section 2 not yellow"
sleep 0.6; xdotool key space; sleep 0.6; xdotool key Return
e2e_wait_pixel $((312 + seed[4])) "$(y 5)" "5,255,5" 15 && pass "section 3 green: the picture is finished" || fail "section 3 not green"
sleep 0.5
e2e_shot workshop_picture_coloured
xdotool key Escape
e2e_wait_window "Options" 10 >/dev/null && pass "back at the main menu" || fail "no main menu"
e2e_finish
