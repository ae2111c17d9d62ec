#!/bin/sh
# The long kill -9 soak: 1,000 random kills of a typing, saving child (about forty minutes).
# Prints the readings typed more than two seconds before a kill that were lost: must be 0.
#   tests/diary/soak-kill9.sh [build folder] [kills]
set -eu
build=${1:-build}
kills=${2:-1000}
exe=$(find "$build" -name soak_kill9 -type f -perm -u+x | head -n 1)
[ -n "$exe" ] || { echo "soak_kill9 is not built in $build" >&2; exit 2; }
exec "$exe" --kills "$kills"
