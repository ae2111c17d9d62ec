#!/usr/bin/env bash
# Sets up what is missing, builds tlg with its tests and runs every test, then fuzzes the
# loader for a bounded time. Works with no display: tests use the offscreen platform, and
# what needs a real X server starts one itself (xvfb-run).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"

bash scripts/setup.sh --package

JOBS="$(nproc 2>/dev/null || echo 2)"
BUILD="${TLG_BUILD_DIR:-$ROOT/build}"

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTLG_WERROR=ON
cmake --build "$BUILD" -j "$JOBS"

# A print queue for the end-to-end printing test (CUPS with a PDF printer as the default).
if [ -x scripts/start-cups.sh ]; then
  bash scripts/start-cups.sh || echo "CUPS could not be started; the printing test will say so"
fi

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD" --output-on-failure -j "$JOBS"

# The loader and the load-save-load round trip under libFuzzer, for a bounded time.
FUZZ_SECONDS="${TLG_FUZZ_SECONDS:-30}"
if [ "$FUZZ_SECONDS" -gt 0 ] && [ -f fuzz/CMakeLists.txt ]; then
  FUZZ_BUILD="$ROOT/build-fuzz"
  CXX=clang++ CC=clang cmake -S "$ROOT" -B "$FUZZ_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTLG_CORE_ONLY=ON -DTLG_BUILD_FUZZ=ON -DTLG_BUILD_TESTS=OFF -DTLG_BUILD_BENCH=OFF
  cmake --build "$FUZZ_BUILD" -j "$JOBS"
  bash fuzz/run.sh "$FUZZ_BUILD" "$FUZZ_SECONDS"
fi
echo "All tests passed."
