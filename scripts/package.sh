#!/usr/bin/env bash
# Builds the Debian package of Quillbay: a release build of the programs with
# Debian's hardening flags in build-pkg/ (no tests), then CPack. Prints the
# path of the .deb, which lands in build-pkg/. Install it with
#   sudo apt-get install ./build-pkg/quillbay_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build-pkg}

# The compiler and linker flags that Debian builds its own packages with
# (fortified functions, stack protector, read-only relocations, bind now).
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }

cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLBAY_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build "$out" -j"$(nproc)" >&2
rm -f "$out"/quillbay_*.deb
(cd "$out" && cpack -G DEB >&2)
ls "$out"/quillbay_*.deb
