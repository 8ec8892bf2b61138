#!/usr/bin/env bash
# The real program folder under Xvfb: start to the main menu, Escape to the
# credits, Escape to the end with the settings written byte-exact; an 8-bit
# display stops with its message and writes nothing; a 16-bit display warns
# and goes on to the menu; SIGTERM saves the settings and ends the program.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?program folder}

# --- True colour: menu, credits, settings saved.
e2e_setup "$program" 24
cfg=$E2E_APP/aobj_se1.cfg
e2e_start
if id=$(e2e_wait_window "Options" 15); then pass "main window shown"; else fail "no main window"; fi
sleep 0.5
e2e_shot menu
e2e_key "$id" Escape
if cid=$(e2e_wait_window "Credits" 5); then pass "credits shown"; else fail "no credits window"; fi
# The saved file is the shipped one with the two folder lines set to the program folder.
expected=$(mktemp)
awk -v f="$E2E_APP/" 'BEGIN{ORS=""} NR==6||NR==7 {print f "\r\n"; next} {print $0 "\n"}' "$program/aobj_se1.cfg" > "$expected"
if cmp -s "$expected" "$cfg"; then pass "settings written byte-exact"; else fail "settings file differs"; diff <(cat -A "$expected") <(cat -A "$cfg") | head; fi
rm -f "$expected"
e2e_shot credits
e2e_key "$cid" a
sleep 0.3
kill -0 "$E2E_PID" 2>/dev/null && pass "other keys leave the credits open" || fail "credits closed on another key"
e2e_key "$cid" Escape
e2e_wait_exit 5; code=$E2E_CODE
[ "$code" = "0" ] && pass "Escape on the credits ends the program" || fail "program did not end (got $code)"
e2e_teardown; trap - EXIT

# --- 256 colours: the stop message, then the end, nothing written.
e2e_setup "$program" 8
before=$(stat -c %Y.%s "$E2E_APP/aobj_se1.cfg"; ls "$E2E_APP" | md5sum)
e2e_start
if mid=$(e2e_wait_window "Brushwell Version 2" 15); then pass "8-bit: message shown"; else fail "8-bit: no message"; fi
e2e_shot depth8
grep -q "Your screen settings are set to 256 colors." "$E2E_TMP/out.log" && pass "8-bit: message names 256 colours" || fail "8-bit: wrong text"
xdotool search --name "^Options\$" >/dev/null 2>&1 && fail "8-bit: main window was created"
e2e_key "$mid" Return
e2e_wait_exit 5; code=$E2E_CODE
[ "$code" = "1" ] && pass "8-bit: program ended" || fail "8-bit: program did not end (got $code)"
after=$(stat -c %Y.%s "$E2E_APP/aobj_se1.cfg"; ls "$E2E_APP" | md5sum)
[ "$before" = "$after" ] && pass "8-bit: nothing written" || fail "8-bit: files changed"
e2e_teardown; trap - EXIT

# --- 65536 colours: the advisory, then the menu.
e2e_setup "$program" 16
e2e_start
if mid=$(e2e_wait_window "Brushwell Version 2" 15); then pass "16-bit: advisory shown"; else fail "16-bit: no advisory"; fi
e2e_shot depth16
grep -q "it is recommended that you set your colors to True Color (32 Bit)" "$E2E_TMP/out.log" && pass "16-bit: advisory text" || fail "16-bit: wrong text"
e2e_key "$mid" Return
if id=$(e2e_wait_window "Options" 10); then pass "16-bit: menu after the advisory"; else fail "16-bit: no menu"; fi

# --- A logout or shutdown (SIGTERM) saves the settings as "Exit" does.
kill -TERM "$E2E_PID"
e2e_wait_exit 10; code=$E2E_CODE
[ "$code" = "0" ] && pass "SIGTERM ends the program" || fail "SIGTERM: program did not end (got $code)"
[ "$(sed -n 6p "$E2E_APP/aobj_se1.cfg" | tr -d '\r')" = "$E2E_APP/" ] && pass "SIGTERM saved the settings" || fail "SIGTERM: settings not saved"
e2e_finish
