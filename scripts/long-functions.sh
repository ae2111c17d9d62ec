#!/usr/bin/env bash
# Lists our functions longer than about 60 lines (clang-tidy's readability-function-size, counting
# lines of the body). Needs a build folder configured with CMAKE_EXPORT_COMPILE_COMMANDS=ON.
# Usage: scripts/long-functions.sh [build-folder] [folders...]; exits non-zero when one is found.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(xmlstore diary resources widgets welcome report mainwindow program)
tidy=$(command -v clang-tidy || command -v clang-tidy-14 || true)
[ -n "$tidy" ] || { echo "clang-tidy is not installed" >&2; exit 2; }
[ -e "$build/compile_commands.json" ] || {
  echo "$build/compile_commands.json is missing: configure with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON" >&2
  exit 2
}
patterns=()
for folder in "${folders[@]}"; do patterns+=("$folder/*.cpp"); done
found=$(git ls-files "${patterns[@]}" |
  xargs -P2 -n4 "$tidy" -p "$build" --quiet --checks='-*,readability-function-size' \
    --config='{CheckOptions: [{key: readability-function-size.LineThreshold, value: 60}]}' 2>/dev/null |
  grep 'warning: function' | sed "s#^$PWD/##" | sort || true)
if [ -n "$found" ]; then
  echo "$found"
  exit 1
fi
echo "No function is longer than 60 lines."
