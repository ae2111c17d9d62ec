#!/usr/bin/env bash
# Installs the Debian packages tlg needs to build, test and run, and nothing that is already there.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6 libgl-dev
  libbenchmark-dev libpugixml-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick poppler-utils
  cups printer-driver-cups-pdf
  fonts-dejavu-core
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
