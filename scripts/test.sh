#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#  1. the full build (program, tool, all tests; window tests on Qt's offscreen
#     platform, the page test in headless Chromium);
#  2. everything again under AddressSanitizer (leak checking on; the leaks
#     inside Qt that tests/lsan.supp lists are let pass) and
#     UndefinedBehaviorSanitizer with clang, the windows and their tests
#     included, with the fuzz corpora replayed;
#  3. the Debian package, unpacked and checked (files, desktop entry,
#     AppStream metadata, MIME type, manual pages, lintian).
# Any failure or sanitizer finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

./scripts/build.sh
ctest --test-dir build --output-on-failure -j"$jobs"

CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DQUILLBAY_GUI=ON -DQUILLBAY_SANITIZE=ON -DQUILLBAY_FUZZ=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --test-dir build-asan --output-on-failure -j"$jobs"

deb=$(./scripts/package.sh | tail -1)
./scripts/check-package.sh "$deb"
