#!/usr/bin/env bash
# Sets up what is missing, builds tlg and starts it, with its data in the default place.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(uname -s)" = "Linux" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "tlg needs a display and there is none; to run it under a virtual display: xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi

bash scripts/setup.sh run
cmake -S . -B build
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target tlg
exec build/program/tlg
