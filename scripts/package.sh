#!/usr/bin/env bash
# Builds the Debian package of tlg: a Release build without tests or benchmarks, with Debian's
# hardening flags, packed by CPack into build-package/tlg_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"
BUILD="$ROOT/build-package"

bash scripts/setup.sh package

# The compiler and linker flags Debian builds its own packages with (fortified functions,
# stack protector, read-only relocations, immediate binding).
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release \
  -DTLG_BUILD_TESTS=OFF -DTLG_BUILD_BENCH=OFF -DTLG_BUILD_FUZZ=OFF -DTLG_SANITIZE=OFF \
  -DCMAKE_CXX_FLAGS="$CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS"
cmake --build "$BUILD" -j "$(nproc 2>/dev/null || echo 2)"

rm -f "$BUILD"/tlg_*.deb
(cd "$BUILD" && cpack -G DEB)
echo "Package: $(ls "$BUILD"/tlg_*.deb)"
