#!/usr/bin/env bash
# One program per program folder: a second copy started on the folder brings
# the first one's window to the front and ends; a first copy that does not
# answer gets "Brushwell is already running."; a lock left by a killed
# program does not keep the next start from running.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_setup "${1:?program folder}" 24
magenta=255,0,255

e2e_start
first=$E2E_PID
if id=$(e2e_wait_window "Options" 15); then pass "first copy shows its main menu"; else fail "no main window"; fi
[ -f "$E2E_APP/brushwell.lock" ] && pass "the folder is locked" || fail "no lock file"
# The socket later copies call at: brushwell-<first 20 hex digits of the
# SHA-1 of the folder's path, a line break and the user id>.
door=${TMPDIR:-/tmp}/brushwell-$(printf '%s\n%s' "$(readlink -f "$E2E_APP")" "$(id -u)" | sha1sum | cut -c1-20)
[ -S "$door" ] && pass "the first copy listens" || fail "no socket at $door"
# Another program covers the screen and has the keyboard.
xmessage -bg magenta -geometry 1024x768+0+0 cover >/dev/null 2>&1 &
cover=$!
e2e_wait_pixel 500 400 "$magenta" 5 || fail "the cover did not show"
xdotool windowfocus --sync "$(xdotool search --name '^xmessage$' | head -1)" 2>/dev/null

"$E2E_APP/brushwell" >"$E2E_TMP/second.log" 2>&1 &
E2E_PID=$!
e2e_wait_exit 10
[ "$E2E_CODE" = "0" ] && pass "the second copy ends" || fail "the second copy did not end (got $E2E_CODE)"
E2E_PID=$first
sleep 0.3
[ "$(e2e_pixel 500 400)" != "$magenta" ] && pass "the first copy's window is in front" || fail "the first copy stays covered"
[ "$(xdotool getwindowfocus)" = "$id" ] && pass "and has the keyboard" || fail "the keyboard is elsewhere"
e2e_shot in-front
[ "$(xdotool search --onlyvisible --name '^Options$' | wc -l)" = 1 ] && pass "one main menu" || fail "two main menus"
kill "$cover" 2>/dev/null

# A first copy that does not answer: the second one says so and ends.
kill -STOP "$first"
"$E2E_APP/brushwell" >"$E2E_TMP/second.log" 2>&1 &
E2E_PID=$!
if box=$(e2e_wait_window "Brushwell Version 2" 10); then pass "the second copy says that Brushwell runs"; else fail "no message"; fi
e2e_shot already-running
grep -q "Brushwell is already running." "$E2E_TMP/second.log" || fail "not the message: $(cat "$E2E_TMP/second.log")"
e2e_key "$box" Return
e2e_wait_exit 5
[ "$E2E_CODE" = "0" ] && pass "and ends" || fail "the second copy did not end (got $E2E_CODE)"
kill -CONT "$first"
E2E_PID=$first

# "Exit" releases the folder; a killed program's lock does not count.
e2e_key "$id" Escape
cid=$(e2e_wait_window "Credits" 5) && e2e_key "$cid" Escape
e2e_wait_exit 5
[ ! -e "$E2E_APP/brushwell.lock" ] && pass "Exit releases the folder" || fail "the lock stays after Exit"
[ ! -e "$door" ] && pass "and leaves no socket behind" || fail "the socket stays after Exit"
e2e_start
e2e_wait_window "Options" 15 >/dev/null || fail "no main window"
kill -9 "$E2E_PID"
e2e_wait_exit 5
[ -f "$E2E_APP/brushwell.lock" ] || fail "a killed program leaves its lock (nothing tested)"
e2e_start
if id=$(e2e_wait_window "Options" 15); then pass "starts after a killed program"; else fail "a killed program's lock blocks the start"; fi
e2e_finish
