# Shared by the end-to-end scripts that drive the real program on a virtual display.
# Expects OUT (folder for screenshots), WORK (temporary folder), PID (the program, or empty),
# DATA (the data file) and FAILURE_SHOT (name of the screenshot taken on failure).

# Ends the test: says why, keeps a screenshot, stops the program and removes the temporary folder.
fail() {
  echo "FAIL: $*" >&2
  import -window root "$OUT/$FAILURE_SHOT" 2>/dev/null && echo "screenshot: $OUT/$FAILURE_SHOT" >&2
  [ -n "$PID" ] && kill "$PID" 2>/dev/null
  rm -rf "$WORK"
  exit 1
}

# The id of the visible window with this exact title, waiting for it to appear.
window_named() {
  timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

# Clicks at a point given in twips from the top left corner of a window.
click_twips() {
  local wid="$1" x="$2" y="$3" X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  xdotool mousemove $((X + x / 15)) $((Y + y / 15))
  sleep 0.2
  xdotool click 1
  sleep 0.3
}

type_text() {
  xdotool type --delay 60 "$1"
  sleep 0.3
}

# BYTES = the whole data file, byte for byte (command substitution alone would drop its final
# line break).
read_data() {
  BYTES="$(cat "$DATA"; echo x)"
  BYTES="${BYTES%x}"
}

wait_for_exit() {
  local i
  for i in $(seq 1 100); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$PID" 2>/dev/null && fail "tlg did not end after its close button"
  wait "$PID"
  local rc=$?
  PID=""
  [ "$rc" -eq 0 ] || fail "tlg ended with code $rc"
}
