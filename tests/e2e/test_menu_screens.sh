#!/usr/bin/env bash
# The real program folder under Xvfb, worked from the keyboard as a carer
# would: each settings screen is opened from the main menu, something is
# changed on it and it is left by "Main Menu"; the picture lists screen
# refuses an active list without description; "Exit" saves, Escape on the
# credits ends the program; the settings file holds every change.
# Screenshots of each screen are kept in $E2E_SHOTS (set E2E_KEEP=1 to keep
# the temporary folder, or E2E_SHOTS=/some/folder).
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}

e2e_setup "$program" 24
cfg=$E2E_APP/aobj_se1.cfg
line() { sed -n "${1}p" "$cfg" | tr -d '\r'; }
expect_line() {  # line number, expected text, what it is
  local got; got=$(line "$1")
  if [ "$got" = "$2" ]; then pass "$3"; else fail "$3: line $1 is '$got', expected '$2'"; fi
}
keys() { e2e_key "$id" "$@"; sleep 0.25; }
typetext() { xdotool type --delay 15 "$1"; sleep 0.2; }
# Presses Return on a message box if one appears within $1 seconds; prints its id.
close_message() {
  local mid
  if mid=$(e2e_wait_window "Brushwell Version 2" "${1:-3}"); then
    sleep 0.3
    e2e_shot "$2"
    e2e_key "$mid" Return
    sleep 0.4
    return 0
  fi
  return 1
}

e2e_start
if id=$(e2e_wait_window "Options" 15); then pass "main window shown"; else fail "no main window"; e2e_finish; fi
sleep 0.8
# The keyboard starts on "Start"; the menu's buttons come before it in this
# order: Auditory, Keyboard / Switch, Picture List, Scan, Coloring, Animation Speed.

# --- Scan settings: step scanning with one switch, both sliders at 20.
keys shift+Tab shift+Tab shift+Tab space
keys Down Tab End Tab End
e2e_shot scan
keys Tab space
sleep 0.3
e2e_shot menu_after_scan

# --- Coloring options: Red off, Tan on, pointer "Red Arrow".
keys Tab space
keys space Tab Tab Tab Tab Tab Tab Tab Tab Tab space
keys Tab Tab Tab Tab Right
e2e_shot coloring
keys Tab space

# --- Auditory: music, no compliment, print button hidden.
keys shift+Tab shift+Tab shift+Tab shift+Tab space
keys Down Tab Down Tab Down
e2e_shot auditory
keys Tab space

# --- Keyboard / switch: the game port (a missing joystick is reported).
keys Tab space
keys Up
e2e_shot device
keys shift+Tab space
if close_message 3 device_message; then pass "missing joystick reported"; fi

# --- Picture lists: list 1 renamed, list 14 (shipped empty) made active with no description
# (refused), then described.
keys Tab space
keys ctrl+a; typetext "My own list"
keys shift+Tab Down Down Down Down Down Down Down Down Down Down Down Down Down Tab
e2e_shot picture_lists
keys Tab Tab Tab Tab space
if close_message 5 picture_lists_refused; then pass "active list without description refused"; else fail "no refusal message"; fi
grep -q "Enter a description for Picture List Number 14" "$E2E_TMP/out.log" \
  && pass "refusal names list 14" || fail "refusal text"
typetext "Fourteenth list"
keys Tab Tab Tab Tab space
e2e_shot menu_at_end

# Nothing is written before "Exit".
expect_line 18 " 1 " "file untouched until Exit"

# --- Exit (six Tabs from "Picture List"), then Escape on the credits.
keys Tab Tab Tab Tab Tab Tab space
if cid=$(e2e_wait_window "Credits" 5); then pass "credits shown"; else fail "no credits window"; fi
e2e_key "$cid" Escape
e2e_wait_exit 5
[ "$E2E_CODE" = "0" ] && pass "program ended" || fail "program did not end (got $E2E_CODE)"

expect_line 18 " 2 " "scan type: step scanning with one switch"
expect_line 9 " 20 " "timed scanning seconds"
expect_line 19 " 20 " "step scanning seconds"
colors=$(for n in $(seq 24 33); do line "$n"; done | tr -d ' \n')
[ "$colors" = "0111100101" ] && pass "colours Red off, Tan on" || fail "colours are $colors"
expect_line 23 " 2 " "pointer: Red Arrow"
expect_line 3 " 2 " "sound: music"
expect_line 4 " 0 " "press reminder cleared"
expect_line 15 " 3 " "feedback: nothing"
expect_line 22 " 2 " "print button hidden"
expect_line 1 " 5 " "device: game port"
expect_line 34 " 14 " "active picture list 14"
expect_line 35 "My own list" "description of list 1"
expect_line 48 "Fourteenth list" "description of list 14"
expect_line 36 "Animals" "other descriptions kept"
e2e_finish
