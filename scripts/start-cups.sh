#!/usr/bin/env bash
# Starts the print system for the end-to-end printing test: the CUPS scheduler when it is not
# running yet, and a cups-pdf queue "PDF" as the server-wide default printer. Installs nothing
# (setup.sh does) and may be run any number of times. Exits non-zero, saying why, when CUPS
# cannot be started; the printing test then skips itself.
set -u

say() { echo "start-cups: $*"; }

for tool in cupsd lpadmin lpstat cupsenable cupsaccept; do
  if ! command -v "$tool" >/dev/null 2>&1 && [ ! -x "/usr/sbin/$tool" ]; then
    say "$tool is not installed (cups, printer-driver-cups-pdf)"
    exit 1
  fi
done
export PATH="$PATH:/usr/sbin"

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    SUDO="sudo -n"
  fi
fi

running() { lpstat -r 2>/dev/null | grep -q "is running"; }

if ! running; then
  if ! $SUDO /usr/sbin/cupsd; then
    say "cupsd could not be started"
    exit 1
  fi
  for _ in $(seq 1 100); do
    running && break
    sleep 0.1
  done
fi
if ! running; then
  say "the CUPS scheduler is not answering"
  exit 1
fi

if ! lpstat -v PDF >/dev/null 2>&1; then
  PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  if [ -f "$PPD" ]; then
    $SUDO lpadmin -p PDF -v cups-pdf:/ -E -P "$PPD" || { say "could not add the PDF queue"; exit 1; }
  else
    $SUDO lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd ||
      { say "could not add the PDF queue"; exit 1; }
  fi
fi
$SUDO cupsenable PDF 2>/dev/null || true
$SUDO cupsaccept PDF 2>/dev/null || true
if ! $SUDO lpadmin -d PDF; then
  say "could not make PDF the default printer"
  exit 1
fi
say "$(lpstat -d 2>/dev/null)"
