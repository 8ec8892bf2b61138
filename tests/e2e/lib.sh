# Shared helpers of the end-to-end tests: a private X server, a copy of the
# program folder, waiting for windows, screenshots.
# Usage: source lib.sh; e2e_setup PROGRAM_FOLDER [DEPTH]

set -uo pipefail

E2E_FAILS=0

# A slower build of the program (the sanitized one) needs longer pauses
# between the keys a script types: E2E_SLOW multiplies every sleep.
if [ -n "${E2E_SLOW:-}" ]; then
  sleep() { command sleep "$(awk -v s="$1" -v f="$E2E_SLOW" 'BEGIN { print s * f }')"; }
fi
fail() { echo "FAIL: $*"; E2E_FAILS=$((E2E_FAILS + 1)); }
pass() { echo "ok: $*"; }

e2e_setup() {
  local source_folder=$1 depth=${2:-24}
  E2E_TMP=$(mktemp -d /tmp/brushwell-e2e.XXXXXX)
  E2E_APP=$E2E_TMP/Brushwell
  E2E_SHOTS=${E2E_SHOTS:-$E2E_TMP/shots}
  mkdir -p "$E2E_SHOTS"
  cp -a "$source_folder" "$E2E_APP"
  # A program running in the source folder holds it; the copy is free.
  rm -f "$E2E_APP/brushwell.lock"
  # The server takes the first free display itself and writes its number
  # (two scripts choosing one number at once both lost it before). Without
  # -noreset it resets whenever its last client leaves, and a program that
  # connects in that moment is refused ("could not connect to display"):
  # here that is every time a script's xdotool call ends just before the
  # program starts, and under load it happened.
  Xvfb -displayfd 3 -screen 0 1024x768x"$depth" -nolisten tcp -noreset \
    3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_XVFB=$!
  for _ in $(seq 200); do [ -s "$E2E_TMP/display" ] && break; sleep 0.05; done
  export DISPLAY=:$(head -1 "$E2E_TMP/display")
  # Ready once it answers a request (its socket appears a little earlier).
  for _ in $(seq 200); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
  sleep 0.2
  export SDL_AUDIODRIVER=dummy
  # In a sanitized run the programs keep AddressSanitizer and UBSan, but
  # their leak check at exit is left to the unit tests: LeakSanitizer's own
  # tracer now and then crashes while it stops the GUI program's threads,
  # and the program then aborts.
  [ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
  trap e2e_teardown EXIT
}

e2e_teardown() {
  [ -n "${E2E_PID:-}" ] && kill "$E2E_PID" 2>/dev/null
  [ -n "${E2E_XVFB:-}" ] && kill "$E2E_XVFB" 2>/dev/null
  wait 2>/dev/null
  [ -n "${E2E_KEEP:-}" ] || rm -rf "$E2E_TMP"
}

# Starts the program in the background; its output goes to $E2E_TMP/out.log.
e2e_start() {
  "$E2E_APP/brushwell" >"$E2E_TMP/out.log" 2>&1 &
  E2E_PID=$!
}

# Waits up to $2 seconds (default 10) for a visible window whose name is
# exactly $1; prints its id.
e2e_wait_window() {
  local name=$1 timeout=${2:-10} id
  local end=$((SECONDS + timeout))
  while [ $SECONDS -le $end ]; do
    id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}

# Gives a window the keyboard focus (there is no window manager) and types keys.
e2e_key() {
  local id=$1; shift
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  xdotool key --clearmodifiers "$@"
}

# Waits up to $1 seconds for the program to end; sets E2E_CODE to its exit
# code, or to "running". (Not to be called in a $(...) subshell, which
# cannot wait for this shell's children.)
e2e_wait_exit() {
  local end=$((SECONDS + ${1:-10}))
  E2E_CODE=running
  while [ $SECONDS -le $end ]; do
    if ! kill -0 "$E2E_PID" 2>/dev/null; then
      wait "$E2E_PID"; E2E_CODE=$?; E2E_PID=""; return 0
    fi
    sleep 0.05
  done
  return 1
}

e2e_shot() { import -window root "$E2E_SHOTS/$1.png" 2>/dev/null; }

e2e_finish() {
  if [ "$E2E_FAILS" -eq 0 ]; then echo "all checks passed"; exit 0; fi
  echo "$E2E_FAILS check(s) failed"; echo "--- program output:"; cat "$E2E_TMP/out.log" 2>/dev/null | grep -v ALSA | tail -20
  # An X server that went away takes every later check with it: say so.
  # (A server that ended is a zombie until waited for: kill -0 still finds it.)
  if [[ "$(ps -o stat= -p "$E2E_XVFB" 2>/dev/null)" != [^Z]* ]]; then
    wait "$E2E_XVFB" 2>/dev/null; echo "--- the X server $DISPLAY ended (exit status $?); its output:"
    tail -20 "$E2E_TMP/xvfb.log"
  fi
  exit 1
}

# The colour of one screen pixel as "r,g,b".
e2e_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -1
}

# Waits up to $4 seconds for pixel ($1,$2) to become the colour $3 ("r,g,b").
e2e_wait_pixel() {
  local end=$((SECONDS + ${4:-10})) got
  while [ $SECONDS -le $end ]; do
    got=$(e2e_pixel "$1" "$2")
    [ "$got" = "$3" ] && return 0
    sleep 0.1
  done
  echo "pixel ($1,$2) is $got, expected $3" >&2
  return 1
}

# Sets line $1 of the copied settings file to the value $2 (" 5 " style).
e2e_setting() { sed -i "$1s/.*/$2\r/" "$E2E_APP/aobj_se1.cfg"; }

# Starts the program and a session with the space bar ("Start" has the
# focus); the colouring window gets the keyboard. Sets $win.
e2e_start_session() {
  e2e_start
  local id
  id=$(e2e_wait_window "Options" 15) || fail "no main window"
  sleep 0.3
  e2e_key "$id" space
  win=$(e2e_wait_window "Brushwell Version 2" 10) || fail "no colouring window"
  sleep "${1:-1.5}"
  xdotool windowfocus "$win" 2>/dev/null
}

# Escape to the main menu, Escape to the credits, Escape to the end.
e2e_leave_program() {
  xdotool key Escape
  local id cid
  id=$(e2e_wait_window "Options" 10) || fail "no main window after Escape"
  sleep 0.3
  e2e_key "$id" Escape
  cid=$(e2e_wait_window "Credits" 5) || fail "no credits"
  e2e_key "$cid" Escape
  e2e_wait_exit 5
}
