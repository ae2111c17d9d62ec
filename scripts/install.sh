#!/usr/bin/env bash
# Builds the Debian package of tlg (scripts/package.sh) and installs it with apt, which also
# installs the libraries it needs. Remove it again with: sudo apt remove tlg
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/package.sh

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
DEB="$(ls build-package/tlg_*.deb)"
$SUDO apt-get install -y "./$DEB"
echo "Installed: tlg (start it from the menu as Tensiolog, or run tlg)"
