#!/usr/bin/env bash
# Runs tlg twice on a virtual display with a home folder of its own. The first run closes the
# welcome window with its close mark, types a reading into the boxes, closes with the close
# button and checks the bytes of the data file. The second run must show that reading: it adds
# to the comment the box shows, and the file then holds the whole reading with the longer comment.
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

FAILURE_SHOT=e2e-failure.png
source "$(dirname "$0")/desktop.sh"

# ---- First run: no data file, so the welcome window comes first.
DAY_BEFORE="$(date +%Y%m%d)"
"$TLG" &
PID=$!
WELCOME="$(window_named Tensiolog)"
[ -n "$WELCOME" ] || fail "no welcome window on the first run"
sleep 0.5
click_twips "$WELCOME" 10147 367   # its close mark
MAIN="$(window_named tlg)"
[ -n "$MAIN" ] || fail "no main window after the welcome window"
sleep 0.5

click_twips "$MAIN" 9727 997       # the systolic box
type_text 120                      # three figures move on to the diastolic box
type_text 80
click_twips "$MAIN" 9727 2677      # the pulse box
type_text 72
click_twips "$MAIN" 7507 3637      # the comment box
type_text "felt fine"
click_twips "$MAIN" 8677 7177      # the close button
wait_for_exit

[ -f "$DATA" ] || fail "no data file at $DATA"
DAY="$(date +%Y%m%d)"
ENTRY_BEFORE=$'\t\t<'"$DAY_BEFORE"$'>\r\n\t\t\t<S>120</S>\r\n\t\t\t<D>80</D>\r\n\t\t\t<P>72</P>\r\n\t\t\t<C>felt fine</C>\r\n\t\t</'"$DAY_BEFORE"$'>\r\n'
ENTRY_AFTER=$'\t\t<'"$DAY"$'>\r\n\t\t\t<S>120</S>\r\n\t\t\t<D>80</D>\r\n\t\t\t<P>72</P>\r\n\t\t\t<C>felt fine</C>\r\n\t\t</'"$DAY"$'>\r\n'
EXPECTED_BEFORE=$'<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n'"$ENTRY_BEFORE"$'\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n'
EXPECTED_AFTER=$'<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n'"$ENTRY_AFTER"$'\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n'
read_data
if [ "$BYTES" != "$EXPECTED_BEFORE" ] && [ "$BYTES" != "$EXPECTED_AFTER" ]; then
  echo "--- data file:" >&2
  od -c "$DATA" | head -40 >&2
  fail "the data file does not hold exactly the reading typed"
fi

# ---- Second run: no welcome window; the comment box shows the comment, which is extended.
"$TLG" &
PID=$!
MAIN="$(window_named tlg)"
[ -n "$MAIN" ] || fail "no main window on the second run"
[ -z "$(xdotool search --onlyvisible --name '^Tensiolog$' 2>/dev/null)" ] || fail "welcome window on the second run"
sleep 0.5
click_twips "$MAIN" 7507 3637      # the comment box, showing "felt fine"
xdotool key ctrl+End
type_text " again"
click_twips "$MAIN" 10147 307      # the close mark this time
wait_for_exit

read_data
[[ "$BYTES" == *$'<S>120</S>\r\n\t\t\t<D>80</D>\r\n\t\t\t<P>72</P>\r\n\t\t\t<C>felt fine again</C>\r\n'* ]] ||
  { od -c "$DATA" | head -40 >&2; fail "the second run did not show the first run's reading"; }

rm -rf "$WORK"
echo "PASS: a reading typed in the first run is in the file and in the second run"
