#!/usr/bin/env bash
# Sets up what is missing, builds tlg with its tests and runs every test, runs the Core-only
# tests again under the sanitizers, then fuzzes the loader and the CSV import for a bounded
# time. Works with no display: tests use the offscreen platform, and what needs a real X server
# starts one itself (xvfb-run).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"

bash scripts/setup.sh test

JOBS="$(nproc 2>/dev/null || echo 2)"
BUILD="${TLG_BUILD_DIR:-$ROOT/build}"

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTLG_WERROR=ON
cmake --build "$BUILD" -j "$JOBS"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD" --output-on-failure -j "$JOBS"

# The store and the diary (what needs Qt Core only) once more under the address and
# undefined-behaviour sanitizers; any report fails the test. About ten minutes on two cores.
if [ "${TLG_SANITIZE_TESTS:-1}" != 0 ]; then
  SAN_BUILD="$ROOT/build-sanitize"
  cmake -S "$ROOT" -B "$SAN_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTLG_WERROR=ON \
    -DTLG_CORE_ONLY=ON -DTLG_SANITIZE=ON -DTLG_BUILD_BENCH=OFF
  cmake --build "$SAN_BUILD" -j "$JOBS"
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$SAN_BUILD" --output-on-failure -j "$JOBS"
fi

# The loader, the load-save-load round trip and the CSV import under libFuzzer, for a bounded
# time; then the loader once more with the node pool kept on (sanitizer builds otherwise take
# every tag from the plain heap), so that the undefined-behaviour sanitizer checks its blocks.
FUZZ_SECONDS="${TLG_FUZZ_SECONDS:-30}"
if [ "$FUZZ_SECONDS" -gt 0 ] && [ -f fuzz/CMakeLists.txt ]; then
  for pool in OFF ON; do
    FUZZ_BUILD="$ROOT/build-fuzz"
    [ "$pool" = OFF ] || FUZZ_BUILD="$ROOT/build-fuzz-pool"
    CXX=clang++ CC=clang cmake -S "$ROOT" -B "$FUZZ_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTLG_CORE_ONLY=ON -DTLG_BUILD_FUZZ=ON -DTLG_BUILD_TESTS=OFF -DTLG_BUILD_BENCH=OFF \
      -DTLG_KEEP_NODE_POOL="$pool"
  done
  cmake --build "$ROOT/build-fuzz" -j "$JOBS"
  cmake --build "$ROOT/build-fuzz-pool" -j "$JOBS" --target fuzz_xmlstore_load
  bash fuzz/run.sh "$ROOT/build-fuzz" "$FUZZ_SECONDS"
  bash fuzz/run.sh "$ROOT/build-fuzz-pool" $(( (FUZZ_SECONDS + 2) / 3 )) fuzz_xmlstore_load
fi
echo "All tests passed."
