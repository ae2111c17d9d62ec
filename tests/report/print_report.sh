#!/usr/bin/env bash
# Prints the report from the real program, as a person would, on a virtual display: opens the
# report from the main window, presses Print, answers the message, saves the same report with
# "Save as PDF…", closes the report and the program. Runs inside private-cups.sh, whose default
# queue keeps each printed job in PRINTED_SPOOL: the printed PDF must have as many pages as the
# saved report has (several), both laid out the same way.
# Arguments: the tlg executable, a folder for screenshots. Exit code 77: skipped (no CUPS).
set -uo pipefail

TLG="$1"
OUT="${2:-.}"
SKIP=77
DAYS=150

if [ -z "${PRINTED_SPOOL:-}" ] || ! lpstat -r 2>/dev/null | grep -q "is running"; then
  echo "SKIP: no private print system (run inside tests/report/private-cups.sh)"
  exit $SKIP
fi
DEFAULT="$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')"

WORK="$(mktemp -d)"
export HOME="$WORK/home"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$HOME/Documents"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
PID=""

FAILURE_SHOT=print-report-failure.png
source "$(dirname "$0")/../e2e/desktop.sh"

# Gives a window the keyboard (there is no window manager to do it).
focus() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.3
}

click_at() {
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click 1
  sleep 0.3
}

# Answers the program's message box titled $1 with Return ($2: what it follows).
answer_box() {
  local box
  box="$(window_named "$1")"
  [ -n "$box" ] || fail "no message box \"$1\" after $2"
  focus "$box"
  xdotool key Return
  sleep 0.5
}

# A data file of $DAYS days of readings, oldest first, as the program writes it.
DATA="$XDG_DATA_HOME/crtlg.dat"
{
  printf '<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n'
  for i in $(seq 0 $((DAYS - 1))); do
    KEY="$(date -d "2026-01-01 + $i days" +%Y%m%d)"
    printf '\t\t<%s>\r\n\t\t\t<S>%d</S>\r\n\t\t\t<D>%d</D>\r\n\t\t\t<P>%d</P>\r\n\t\t\t<C>%s</C>\r\n\t\t</%s>\r\n' \
      "$KEY" $((95 + i % 60)) $((55 + i % 45)) $((60 + i % 30)) "day $i" "$KEY"
  done
  printf '\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n'
} >"$DATA"

MARKER="$WORK/marker"
touch "$MARKER"
sleep 1

"$TLG" &
PID=$!
MAIN="$(window_named tlg)"
[ -n "$MAIN" ] || fail "no main window"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
# The report button: 780, 2580, 3375 x 435 twips in the main window.
click_at $((X + (780 + 3375 / 2) / 15)) $((Y + (2580 + 435 / 2) / 15))

REPORT="$(window_named "Tensiolog Report")"
[ -n "$REPORT" ] || fail "no report window after the report button"
focus "$REPORT"
sleep 1.5 # the report is composed half a second after the window becomes active
import -window root "$OUT/print-report-window.png" 2>/dev/null

eval "$(xdotool getwindowgeometry --shell "$REPORT")"
# Print sits in the bottom right corner, "Save as PDF…" just left of it.
click_at $((X + WIDTH - 40)) $((Y + HEIGHT - 12))
answer_box "Free Tensiolog Warning" "Print"

click_at $((X + WIDTH - 89 - 6 - 30)) $((Y + HEIGHT - 12))
DIALOG="$(window_named "Save the report as PDF")"
[ -n "$DIALOG" ] || fail "no save dialog after Save as PDF"
focus "$DIALOG"
xdotool key Return # the proposed name in the documents folder
sleep 1
# Saving is news, not a warning.
answer_box "Free Tensiolog" "saving"

focus "$REPORT"
xdotool key Escape
sleep 1
[ -z "$(xdotool search --onlyvisible --name '^Tensiolog Report$' 2>/dev/null)" ] ||
  fail "the report window did not close"
kill "$PID" 2>/dev/null
wait "$PID" 2>/dev/null
PID=""

SAVED="$(ls "$HOME/Documents/"Tensiolog\ report\ *.pdf 2>/dev/null | head -n 1)"
[ -n "$SAVED" ] || fail "Save as PDF wrote no file in $HOME/Documents"
SAVED_PAGES="$(pdfinfo "$SAVED" | sed -n 's/^Pages: *//p')"
[ "${SAVED_PAGES:-0}" -ge 2 ] || fail "the saved report has ${SAVED_PAGES:-no} pages, expected several"

PRINTED=""
for _ in $(seq 1 60); do
  PRINTED="$(find "$PRINTED_SPOOL" -maxdepth 1 -name 'd*-001' -newer "$MARKER" 2>/dev/null |
    xargs -r ls -t 2>/dev/null | head -n 1)"
  [ -n "$PRINTED" ] && pdfinfo "$PRINTED" >/dev/null 2>&1 && break
  PRINTED=""
  sleep 0.5
done
[ -n "$PRINTED" ] || fail "no printed job in the queue's spool $PRINTED_SPOOL"
PRINTED_PAGES="$(pdfinfo "$PRINTED" | sed -n 's/^Pages: *//p')"
[ "$PRINTED_PAGES" = "$SAVED_PAGES" ] ||
  fail "the printed report has $PRINTED_PAGES pages, the saved one $SAVED_PAGES"
pdftoppm -r 40 -png -f 1 -l 1 "$PRINTED" "$OUT/print-report-page" 2>/dev/null

rm -rf "$WORK"
echo "PASS: the report went to $DEFAULT ($PRINTED_PAGES pages, as many as the saved PDF)"
