#!/usr/bin/env bash
# Fuzzes the reader of the object text form for a chosen number of seconds:
#
#   tests/fuzz/fuzz.sh 1800
#
# Builds build-fuzz with clang (libFuzzer, ASan, UBSan), copies the committed
# seed corpus into fuzz-work/corpus (outside version control) and runs one job
# on one core. The log is fuzz-work/fuzz-0.log; crashing inputs land in
# fuzz-work/crashes/. Add each fixed crash to tests/fuzz/corpus/ so that the
# corpus test replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-600}
root=$PWD

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLBAY_GUI=OFF -DQUILLBAY_TESTS=OFF -DQUILLBAY_FUZZ=ON >/dev/null
cmake --build build-fuzz -j2 --target fuzz_reader

mkdir -p fuzz-work/corpus fuzz-work/crashes
cp -n tests/fuzz/corpus/* fuzz-work/corpus/ 2>/dev/null || true
cd fuzz-work
"$root/build-fuzz/tests/fuzz/fuzz_reader" -max_total_time="$seconds" -jobs=1 -workers=1 \
  -max_len=65536 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -dict="$root/tests/fuzz/objecttext.dict" -artifact_prefix="$root/fuzz-work/crashes/" corpus
echo "log: $root/fuzz-work/fuzz-0.log"
