#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshot of the main window that the AppStream metadata shows
# (docs/screenshot-main.png): tlg on a virtual display, with a home folder of its own holding
# five weeks of sample readings up to the given day.
# Arguments: the tlg executable, the PNG to write, the last day of readings (YYYY-MM-DD,
# default today; the calendar opens on today, so pass today unless faking the clock).
# Needs xvfb-run, xdotool and ImageMagick (scripts/setup.sh test installs them).
set -euo pipefail

if [ -z "${DISPLAY:-}" ] || [ "${TLG_SCREENSHOT_XVFB:-}" != 1 ]; then
  exec env TLG_SCREENSHOT_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

TLG="$(realpath "$1")"
OUT="$(realpath -m "$2")"
LAST="${3:-$(date +%F)}"
WORK="$(mktemp -d)"
PID=""
cleanup() {
  [ -n "$PID" ] && kill "$PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

export HOME="$WORK/home"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_RUNTIME_DIR="$WORK/runtime"
export QT_QPA_PLATFORM=xcb
export DBUS_SESSION_BUS_ADDRESS=disabled:
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Five weeks of morning readings: a pressure that comes down slowly, with a few notes.
comments=([3]="Salty dinner" [9]="Started the new tablets" [16]="Walked 5 km" [23]="Slept badly"
          [30]="Walked 5 km" [34]="Checked at the pharmacy too")
{
  printf '<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n'
  for i in $(seq 0 34); do
    day=$(date -d "$LAST - $((34 - i)) days" +%Y%m%d)
    sys=$((152 - i * 2 / 3 + (i * 7 % 9) - 4))
    dia=$((94 - i / 3 + (i * 5 % 7) - 3))
    pulse=$((76 - i / 5 + (i * 3 % 5) - 2))
    printf '\t\t<%s>\r\n\t\t\t<S>%d</S>\r\n\t\t\t<D>%d</D>\r\n\t\t\t<P>%d</P>\r\n\t\t\t<C>%s</C>\r\n\t\t</%s>\r\n' \
      "$day" "$sys" "$dia" "$pulse" "${comments[$i]:-}" "$day"
  done
  printf '\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n'
} > "$XDG_DATA_HOME/crtlg.dat"

"$TLG" &
PID=$!
WID="$(timeout 20 xdotool search --sync --onlyvisible --pid "$PID" 2>/dev/null | head -n 1)"
[ -n "$WID" ] || { echo "screenshot: the main window did not appear" >&2; exit 1; }
sleep 2
eval "$(xdotool getwindowgeometry --shell "$WID")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$OUT"
kill "$PID"
wait "$PID" || true
PID=""
echo "screenshot: $OUT (${WIDTH}x${HEIGHT})"
