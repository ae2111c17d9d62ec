#!/usr/bin/env bash
# Runs the fuzz targets (all of them unless named) for a share of the given seconds each,
# starting from the seed files.
# Usage: bash fuzz/run.sh <build-dir> <seconds> [target...]
set -euo pipefail
BUILD="$(cd "${1:?build directory}" && pwd)"
SECONDS_TOTAL="${2:-30}"
HERE="$(cd "$(dirname "$0")" && pwd)"
TARGETS=(fuzz_xmlstore_load fuzz_xmlstore_roundtrip fuzz_diary_csv)
if [ "$#" -gt 2 ]; then
  TARGETS=("${@:3}")
fi
EACH=$(( SECONDS_TOTAL / ${#TARGETS[@]} ))
[ "$EACH" -ge 1 ] || EACH=1
ARTIFACTS="$BUILD/fuzz-artifacts"
mkdir -p "$ARTIFACTS"

for t in "${TARGETS[@]}"; do
  bin="$(find "$BUILD" -type f -name "$t" -perm -u+x | head -n 1)"
  if [ -z "$bin" ]; then
    echo "fuzz target $t was not built" >&2
    exit 1
  fi
  work="$(mktemp -d)"
  cp "$HERE"/corpus/* "$work"/
  echo "== $t for ${EACH}s"
  status=0
  "$bin" -max_total_time="$EACH" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$ARTIFACTS/$t-" -print_final_stats=1 "$work" >"$work.log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$work.log"
    echo "fuzz target $t failed (status $status); the input is in $ARTIFACTS" >&2
    rm -rf "$work" "$work.log"
    exit "$status"
  fi
  grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|Done )' "$work.log" || tail -n 3 "$work.log"
  rm -rf "$work" "$work.log"
done
