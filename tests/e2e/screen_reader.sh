#!/usr/bin/env bash
# Starts the real program on a virtual display with an accessibility bus of its own and reads
# its controls as a screen reader would: every focusable control has a name, the commands can
# be pressed, a message box names its parts, the report is read with its pictures in words. Also
# checks the title the window system shows (no product name appended).
# Arguments: the tlg executable, a folder for a screenshot when something goes wrong.
# Exit code 77: skipped (no AT-SPI tools).
set -uo pipefail

TLG="$1"
OUT="${2:-.}"
if [ ! -x /usr/libexec/at-spi-bus-launcher ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  echo "SKIP: at-spi2-core or python3-pyatspi is not installed"
  exit 77
fi
WORK="$(mktemp -d)"
export HOME="$WORK/home"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
PID=""
BUS_PID=""
FAILURE_SHOT=screen-reader-failure.png
source "$(dirname "$0")/desktop.sh"

# A diary with a few days, so that no welcome window comes first.
printf '<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n\t\t<20261201>\r\n\t\t\t<S>128</S>\r\n\t\t\t<D>84</D>\r\n\t\t\t<P>71</P>\r\n\t\t\t<C>walk</C>\r\n\t\t</20261201>\r\n\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n' \
  >"$XDG_DATA_HOME/crtlg.dat"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
BUS_PID=$!
sleep 1
"$TLG" &
PID=$!
MAIN="$(window_named tlg)"
[ -n "$MAIN" ] || { kill "$BUS_PID"; fail "no main window titled exactly \"tlg\""; }
TITLE="$(xprop -id "$MAIN" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')"
[ "$TITLE" = "tlg" ] || { kill "$BUS_PID"; fail "the window system shows the title \"$TITLE\", not \"tlg\""; }
# No window manager runs here: the program itself must take the keyboard.
sleep 1

/usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$PID" >"$WORK/tree.txt" 2>&1
STATUS=$?
cat "$WORK/tree.txt"
if [ "$STATUS" -eq 0 ]; then
  # Today's reading typed with the keyboard alone: each full box moves on, and the chart the
  # screen reader describes now holds two days.
  xdotool type --delay 100 135
  xdotool type --delay 100 85
  xdotool type --delay 100 70
  sleep 1
  DAYS=2
  [ "$(date +%Y%m%d)" = 20261201 ] && DAYS=1
  /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$PID" "$DAYS" >"$WORK/tree.txt" 2>&1
  STATUS=$?
  grep FAIL "$WORK/tree.txt"
fi
if [ "$STATUS" -eq 0 ]; then
  # A message box (the question before a reset, answered No): every part of it has a name.
  /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$PID" box >"$WORK/tree.txt" 2>&1
  STATUS=$?
  cat "$WORK/tree.txt"
fi
if [ "$STATUS" -eq 0 ]; then
  # The report, read as text: its pictures by their words.
  /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$PID" report >"$WORK/tree.txt" 2>&1
  STATUS=$?
  cat "$WORK/tree.txt"
fi
kill "$PID" 2>/dev/null
wait "$PID" 2>/dev/null
PID=""
kill "$BUS_PID" 2>/dev/null
wait "$BUS_PID" 2>/dev/null
[ "$STATUS" -eq 0 ] || fail "the screen reader's view has problems (above)"
rm -rf "$WORK"
echo "PASS: every focusable control has a name; the commands can be pressed; the report is read whole"
