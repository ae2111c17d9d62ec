#!/usr/bin/env bash
# Runs a command with a print system of its own: a private CUPS scheduler in a temporary
# folder, listening on a socket there, with one queue "PDF" as its default. The queue sends
# jobs nowhere, and the scheduler keeps each job's file, so the command can read exactly the
# PDF the program printed (PRINTED_SPOOL names the folder). The machine's own CUPS, its default
# printer and its files are never touched; everything goes when the command ends.
# Usage: private-cups.sh COMMAND [ARGS...]. Exit code 77 (skipped) when no scheduler can start.
set -uo pipefail
SKIP=77

CUPSD=/usr/sbin/cupsd
LPADMIN=/usr/sbin/lpadmin
if [ ! -x "$CUPSD" ] || [ ! -x "$LPADMIN" ]; then
  echo "SKIP: CUPS is not installed (cups)"
  exit $SKIP
fi

ROOT="$(mktemp -d)"
CUPSD_PID=""
cleanup() {
  if [ -n "$CUPSD_PID" ]; then
    kill "$CUPSD_PID" 2>/dev/null
    wait "$CUPSD_PID" 2>/dev/null
  fi
  rm -rf "$ROOT"
}
trap cleanup EXIT

mkdir -p "$ROOT"/{spool,cache,state,tmp,log,ppd}
cat >"$ROOT/cupsd.conf" <<CONF
Listen $ROOT/cups.sock
LogLevel warn
WebInterface No
Browsing Off
DefaultAuthType None
PreserveJobFiles Yes
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$ROOT/cups-files.conf" <<CONF
ServerRoot $ROOT
RequestRoot $ROOT/spool
CacheDir $ROOT/cache
StateDir $ROOT/state
TempDir $ROOT/tmp
AccessLog $ROOT/log/access_log
ErrorLog $ROOT/log/error_log
PageLog $ROOT/log/page_log
FileDevice Yes
CONF

"$CUPSD" -f -c "$ROOT/cupsd.conf" -s "$ROOT/cups-files.conf" &
CUPSD_PID=$!
export CUPS_SERVER="$ROOT/cups.sock"
for _ in $(seq 1 100); do
  lpstat -r 2>/dev/null | grep -q "is running" && break
  sleep 0.1
done
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  echo "SKIP: a private CUPS scheduler could not be started"
  exit $SKIP
fi
# A queue that passes the program's PDF through unchanged and writes it nowhere; the spool
# keeps it.
"$LPADMIN" -p PDF -v file:///dev/null -E -m raw 2>/dev/null ||
  { echo "SKIP: the private scheduler refused the queue"; exit $SKIP; }
"$LPADMIN" -d PDF
export PRINTED_SPOOL="$ROOT/spool"

"$@"
