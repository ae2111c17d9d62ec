#!/usr/bin/env bash
# Installs the Debian packages a task needs, and nothing that is already there.
#   setup.sh run    what building and running tlg needs (the default)
#   setup.sh package  that, plus what building and checking the Debian package needs
#   setup.sh test   all of the above, plus what the tests, benchmarks and the fuzz run need
set -euo pipefail
ROLE="${1:-run}"

# Building and running the program.
RUN_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6 libgl-dev
  qt6-l10n-tools qt6-translations-l10n
  fonts-dejavu-core
)
# Testing: benchmarks, the fuzz build, a virtual display driven as a person would, screenshots
# and PDF pages, a private print scheduler, and a screen reader's view (AT-SPI).
TEST_PACKAGES=(
  libbenchmark-dev libpugixml-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils imagemagick poppler-utils
  cups-daemon cups-client
  at-spi2-core dbus-x11 python3-pyatspi
)

# Building and checking the Debian package (scripts/package.sh, the package test).
PACKAGE_PACKAGES=(dpkg-dev lintian desktop-file-utils appstream)

case "$ROLE" in
  run) PACKAGES=("${RUN_PACKAGES[@]}") ;;
  package) PACKAGES=("${RUN_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}") ;;
  test) PACKAGES=("${RUN_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" "${TEST_PACKAGES[@]}") ;;
  *) echo "usage: $0 [run|package|test]" >&2; exit 2 ;;
esac

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
