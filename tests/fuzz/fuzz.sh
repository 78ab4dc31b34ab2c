#!/usr/bin/env bash
# Fuzzes the reader of the object text form, the reader of the settings
# store, the iCalendar import, the site manifest's reader or the known_hosts
# reader, for a chosen number of seconds:
#
#   tests/fuzz/fuzz.sh 1800           # the reader
#   tests/fuzz/fuzz.sh 1800 settings  # the settings store's reader
#   tests/fuzz/fuzz.sh 1800 ical      # the iCalendar import
#   tests/fuzz/fuzz.sh 1800 manifest  # the site manifest's reader
#   tests/fuzz/fuzz.sh 1800 known-hosts  # the known_hosts reader of the upload
#
# Builds build-fuzz with clang (libFuzzer, ASan, UBSan), copies the committed
# seed corpus into fuzz-work/ (outside version control) and runs one job on
# one core. The log is fuzz-work/fuzz-0.log; crashing inputs land in
# fuzz-work/crashes/. Add each fixed crash to the target's corpus folder
# (tests/fuzz/corpus/, corpus-settings/, corpus-ical/, corpus-manifest/ or
# corpus-known-hosts/) so that the corpus test replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-600}
root=$PWD
case "${2:-reader}" in
  reader) target=fuzz_reader seeds=corpus dict=objecttext.dict max_len=65536 ;;
  settings) target=fuzz_settings seeds=corpus-settings dict=settings.dict max_len=16384 ;;
  ical) target=fuzz_ical seeds=corpus-ical dict=icalendar.dict max_len=16384 ;;
  manifest) target=fuzz_manifest seeds=corpus-manifest dict=manifest.dict max_len=16384 ;;
  known-hosts) target=fuzz_known_hosts seeds=corpus-known-hosts dict=known-hosts.dict max_len=16384 ;;
  *) echo "usage: $0 [SECONDS] [reader|settings|ical|manifest|known-hosts]" >&2; exit 2 ;;
esac

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLBAY_GUI=OFF -DQUILLBAY_TESTS=OFF -DQUILLBAY_FUZZ=ON >/dev/null
cmake --build build-fuzz -j2 --target "$target"

mkdir -p "fuzz-work/$seeds" fuzz-work/crashes
cp -n "tests/fuzz/$seeds"/* "fuzz-work/$seeds/" 2>/dev/null || true
cd fuzz-work
"$root/build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -jobs=1 -workers=1 \
  -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -dict="$root/tests/fuzz/$dict" -artifact_prefix="$root/fuzz-work/crashes/" "$seeds"
echo "log: $root/fuzz-work/fuzz-0.log"
