#!/usr/bin/env bash
# The gallery with the real program: a finished picture and one left after
# its first section are kept in gallery/; "Gallery" below the main menu shows
# both, Enter opens the newest large, and the booklet of both is saved as
# a PDF of two pages. With [session] Resume=1 the next Start goes on with
# the apple.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}
e2e_setup "$program" 24
printf 'heart.bmp\r\napple.bmp\r\n' > "$E2E_APP/pictures_1.pcf"
e2e_setting 5 " 1 "    # calibrated, fast
e2e_setting 10 " 1 "
e2e_setting 15 " 3 "   # no compliment
e2e_setting 18 " 3 "   # step scanning with two switches
e2e_start_session 1
# heart.bmp (three sections): Enter; space Enter; space Enter.
xdotool key Return
e2e_wait_pixel 320 378 "255,5,5" 10 || fail "heart section 1 not red"
sleep 0.6; xdotool key space; sleep 0.6; xdotool key Return
e2e_wait_pixel 382 406 "255,255,5" 10 || fail "heart section 2 not yellow"
sleep 0.6; xdotool key space; sleep 0.6; xdotool key Return
e2e_wait_pixel $((312 + 316)) $((184 + 124)) "5,255,5" 15 || fail "heart section 3 not green"
sleep 0.5
xdotool key space                       # on to apple.bmp
sleep 1.5
xdotool key Return
e2e_wait_pixel 312 377 "255,5,5" 10 || fail "apple section 1 not red"
sleep 1
xdotool key Escape                      # apple left unfinished
id=$(e2e_wait_window "Options" 10) || fail "no main window"
sleep 0.5
kept=$(ls "$E2E_APP/gallery" 2>/dev/null)
echo "$kept" | grep -Eq '^[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{6}_heart\.png$' && pass "heart kept" || fail "heart not kept: $kept"
echo "$kept" | grep -Eq '_apple\.png$' && grep -aq 'finished.0' "$E2E_APP"/gallery/*_apple.png &&
  pass "apple kept, unfinished" || fail "apple not kept as unfinished: $kept"

e2e_key "$id" space                     # the statistics' "Main Menu"
sleep 0.5
xdotool key Tab Tab Tab Tab space       # Start -> User Guide -> Exit -> User -> Gallery
sleep 1.5
e2e_shot gallery_screen
xdotool key Return                      # the newest picture, large
sleep 1
e2e_shot gallery_large
xdotool key Escape
sleep 0.5
xdotool key ctrl+a Tab Tab Tab space    # all of them -> Open -> Print -> Booklet (PDF)
sleep 1.5
e2e_shot gallery_booklet_dialog
xdotool key Return                      # the suggested name in the working folder
sleep 2
e2e_shot gallery_booklet_saved
xdotool key Return                      # the message
sleep 0.5
pdf=$(ls "$E2E_APP"/booklet_*.pdf 2>/dev/null | head -1)
[ -n "$pdf" ] && [ "$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')" = 2 ] &&
  pass "booklet of two pages" || fail "no booklet of two pages: $pdf"
[ -n "$pdf" ] && pdftoppm -png -r 40 "$pdf" "$E2E_SHOTS/gallery_booklet_page" 2>/dev/null
xdotool key Escape                      # back to the main menu
sleep 0.5
e2e_shot gallery_left
e2e_key "$id" Escape
cid=$(e2e_wait_window "Credits" 5) || fail "no credits"
e2e_key "$cid" Escape
e2e_wait_exit 5

# With Resume=1 the next Start goes on with the apple, its first section red
# before any press (it stands where a picture stands while it is coloured).
printf '[session]\nResume=1\n' >> "$E2E_APP/brushwell.ini"
e2e_start_session 1
e2e_wait_pixel 312 377 "255,5,5" 10 && pass "Resume: the apple came back with its red section" || fail "apple not taken up"
e2e_shot gallery_resumed
e2e_leave_program
[ "$(ls "$E2E_APP"/gallery/*_apple.png | wc -l)" = 1 ] && pass "one apple in the gallery after leaving it again" ||
  fail "apples: $(ls "$E2E_APP"/gallery)"
e2e_finish
