# Shared by the end-to-end scripts that drive the real program on a virtual display.
# Expects OUT (folder for screenshots), WORK (temporary folder), PID (the program, or empty)
# and FAILURE_SHOT (name of the screenshot taken on failure).

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
