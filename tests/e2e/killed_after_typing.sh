#!/usr/bin/env bash
# Runs tlg on a virtual display with a home folder of its own, types a reading for two days and
# kills the program (kill -9, nothing can run at its end) two seconds after the last key. The
# readings must be in the data file, and the next start must find them: it starts although the
# killed run left its lock file behind, shows no welcome window, and keeps both days.
# Arguments: the tlg executable, a folder for a screenshot when something goes wrong.
set -uo pipefail

TLG="$1"
OUT="${2:-.}"
WORK="$(mktemp -d)"
export HOME="$WORK/home"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
DATA="$XDG_DATA_HOME/crtlg.dat"
PID=""

FAILURE_SHOT=e2e-killed-failure.png
source "$(dirname "$0")/desktop.sh"

# The entry of a day as the file holds it.
entry() {
  printf '\t\t<%s>\r\n\t\t\t<S>%s</S>\r\n\t\t\t<D>%s</D>\r\n\t\t\t<P>%s</P>\r\n\t\t\t<C>%s</C>\r\n\t\t</%s>\r\n' \
    "$1" "$2" "$3" "$4" "$5" "$1"
}

# ---- First run: a reading for today, then one for the day before (picked on the calendar).
"$TLG" &
PID=$!
WELCOME="$(window_named Tensiolog)"
[ -n "$WELCOME" ] || fail "no welcome window on the first run"
sleep 0.5
click_twips "$WELCOME" 10147 367   # its close mark
MAIN="$(window_named tlg)"
[ -n "$MAIN" ] || fail "no main window after the welcome window"
sleep 0.5
TODAY="$(date +%Y%m%d)"

click_twips "$MAIN" 9727 997       # the systolic box
type_text 128                      # three figures move on to the diastolic box
type_text 84                       # two figures not starting with 1 move on to the pulse box
type_text 70                       # ... and on to the comment box
type_text "after a walk"

# The calendar has the focus after a click on it; the left arrow picks the day before.
click_twips "$MAIN" 9727 997       # back to the systolic box
xdotool key shift+Tab
sleep 0.3
xdotool key Left
sleep 0.5
YESTERDAY="$(date -d yesterday +%Y%m%d)"
click_twips "$MAIN" 9727 997
type_text 141
type_text 92
type_text 77
sleep 1.7                          # two seconds after the last key, counting type_text's pause
kill -9 "$PID"
wait "$PID" 2>/dev/null
PID=""

[ -f "$DATA" ] || fail "no data file at $DATA after the kill"
read_data
[ "$(date +%Y%m%d)" = "$TODAY" ] || { rm -rf "$WORK"; echo "SKIP: the day changed during the test"; exit 0; }
# (command substitution drops the final line feed: it is put back)
WANT_TODAY="$(entry "$TODAY" 128 84 70 "after a walk")"$'\n'
WANT_YESTERDAY="$(entry "$YESTERDAY" 141 92 77 "")"$'\n'
for want in "$WANT_YESTERDAY" "$WANT_TODAY"; do
  [[ "$BYTES" == *"$want"* ]] || { od -c "$DATA" | head -60 >&2; fail "a reading typed before the kill is not in the file"; }
done
[[ "$BYTES" == *"$WANT_YESTERDAY$WANT_TODAY"* ]] || fail "the days are not in date order"
[ -e "$DATA.lock" ] || echo "note: the killed run left no lock file" >&2

# ---- Second run: no welcome window, both days kept through a normal close.
"$TLG" &
PID=$!
MAIN="$(window_named tlg)"
[ -n "$MAIN" ] || fail "no main window after the killed run (a stale lock?)"
[ -z "$(xdotool search --onlyvisible --name '^Tensiolog$' 2>/dev/null)" ] || fail "welcome window after the killed run"
sleep 0.5
click_twips "$MAIN" 8677 7177      # the close button
wait_for_exit

read_data
[[ "$BYTES" == *"$WANT_YESTERDAY$WANT_TODAY"* ]] ||
  { od -c "$DATA" | head -60 >&2; fail "the second run lost a reading of the killed run"; }

rm -rf "$WORK"
echo "PASS: readings typed two seconds before kill -9 are in the file and in the next run"
