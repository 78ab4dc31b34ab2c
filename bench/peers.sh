#!/usr/bin/env bash
# Times the year page of one year from the same 10,000 events over 30 years:
# quillbay-export against pcal -H, remind piped into rem2html, and Python's
# calendar.HTMLCalendar; prints each ratio (peer time / our time) last, and
# our time against cat of an output of the same size (the floor of a process).
# Run by hand: QUILLBAY_BENCH_PEERS=1 scripts/install-deps.sh; cmake --build build
#   bench/peers.sh [path/to/quillbay-export]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=$(realpath -m "${1:-$here/../build/cli/quillbay-export}")
[ -x "$tool" ] || { echo "peers: build quillbay-export first (or give its path)" >&2; exit 1; }
for t in hyperfine pcal remind python3; do
  command -v "$t" >/dev/null || { echo "peers: $t is missing: QUILLBAY_BENCH_PEERS=1 scripts/install-deps.sh" >&2; exit 1; }
done
year=2026
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/peers_events.py" "$work"
cd "$work"

"$tool" events.qby --year $year > ours.html
head -c "$(stat -c %s ours.html)" /dev/urandom > floor.bin

if command -v rem2html >/dev/null; then
  remind_name="remind | rem2html"
  remind_cmd="remind -pp12 events.rem $year-01-01 | rem2html > /dev/null"
else
  # Debian 12 ships remind without rem2html: only the calendar data it would read is timed.
  remind_name="remind -pp12 (no rem2html)"
  remind_cmd="remind -pp12 events.rem $year-01-01 > /dev/null"
fi

hyperfine --shell=bash --warmup 5 --min-runs 40 --export-json times.json \
  -n quillbay-export "'$tool' events.qby --year $year > /dev/null" \
  -n "pcal -H" "pcal -H -f events.pcal $year > /dev/null" \
  -n "$remind_name" "$remind_cmd" \
  -n "python3 HTMLCalendar" "python3 '$here/peers_htmlcal.py' events.tsv $year > /dev/null" \
  -n "cat (same size)" "cat floor.bin > /dev/null"

python3 - times.json <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
ours = results["quillbay-export"]["mean"]
print()
print(f"quillbay-export year page from 10,000 events: {ours * 1000:.2f} ms")
for name, r in results.items():
    if name in ("quillbay-export", "cat (same size)"):
        continue
    print(f"{name:28s} {r['mean'] * 1000:8.2f} ms   ratio peer/ours {r['mean'] / ours:6.2f}")
floor = results["cat (same size)"]["mean"]
print(f"{'floor: cat (same size)':28s} {floor * 1000:8.2f} ms   ratio ours/cat {ours / floor:6.2f}")
PY
