#!/usr/bin/env bash
# Installs the Debian packages tlg needs to build, test and run, and nothing that is already there.
# With --package, also the tools that build and check the Debian package of tlg.
set -euo pipefail

# Only for building and checking the Debian package (scripts/package.sh, the package test).
PACKAGE_PACKAGES=(dpkg-dev lintian desktop-file-utils appstream)

PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6 libgl-dev
  libbenchmark-dev libpugixml-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick poppler-utils
  cups printer-driver-cups-pdf
  fonts-dejavu-core
)

if [ "${1:-}" = "--package" ]; then
  PACKAGES+=("${PACKAGE_PACKAGES[@]}")
fi

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
