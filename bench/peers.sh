#!/usr/bin/env bash
# Times quillbay-export against its peers and its floors, all in one hyperfine
# run (-N: no shell between the timer and the process):
#  - the year page of one year from the same 10,000 events over 30 years,
#    against pcal -H, remind (into rem2html where installed) and Python's
#    calendar.HTMLCalendar, and against cat of an output of the same size
#    (the floor of any process that writes that page);
#  - quillbay-export --version against a C program that prints one line (the
#    floor of any process at all).
# Prints every ratio last. Run by hand:
#   QUILLBAY_BENCH_PEERS=1 scripts/install-deps.sh; cmake --build build
#   bench/peers.sh [path/to/quillbay-export]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=$(realpath -m "${1:-$here/../build/cli/quillbay-export}")
[ -x "$tool" ] || { echo "peers: build quillbay-export first (or give its path)" >&2; exit 1; }
for t in hyperfine pcal remind python3 cc; do
  command -v "$t" >/dev/null || { echo "peers: $t is missing: QUILLBAY_BENCH_PEERS=1 scripts/install-deps.sh" >&2; exit 1; }
done
year=2026
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/peers_events.py" "$work"
cd "$work"

"$tool" events.qby --year $year > ours.html
head -c "$(stat -c %s ours.html)" /dev/urandom > floor.bin
printf '#include <stdio.h>\nint main(void) { puts("hello (C) 1.0"); return 0; }\n' > hello.c
cc -O2 -o hello hello.c

if command -v rem2html >/dev/null; then
  remind_name="remind | rem2html"
  remind_cmd="bash -c 'remind -pp12 events.rem $year-01-01 | rem2html'"
else
  # Debian 12 ships remind without rem2html: only the calendar data it would read is timed.
  remind_name="remind -pp12 (no rem2html)"
  remind_cmd="remind -pp12 events.rem $year-01-01"
fi

hyperfine -N --warmup 10 --min-runs 60 --export-json times.json \
  -n quillbay-export "'$tool' events.qby --year $year" \
  -n "pcal -H" "pcal -H -f events.pcal $year" \
  -n "$remind_name" "$remind_cmd" \
  -n "python3 HTMLCalendar" "python3 '$here/peers_htmlcal.py' events.tsv $year" \
  -n "cat (same size)" "cat floor.bin" \
  -n "quillbay-export --version" "'$tool' --version" \
  -n "C program, one line" "./hello"

python3 - times.json <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
ms = lambda name: results[name]["mean"] * 1000
ours = ms("quillbay-export")
print()
print(f"quillbay-export year page from 10,000 events: {ours:.2f} ms")
for name in results:
    if name in ("quillbay-export", "cat (same size)", "quillbay-export --version", "C program, one line"):
        continue
    print(f"{name:28s} {ms(name):8.2f} ms   ratio peer/ours {ms(name) / ours:6.2f}")
floor = ms("cat (same size)")
print(f"{'floor: cat (same size)':28s} {floor:8.2f} ms   ratio ours/cat {ours / floor:6.2f}")
version, c = ms("quillbay-export --version"), ms("C program, one line")
print(f"{'quillbay-export --version':28s} {version:8.2f} ms   ratio ours/C program {version / c:6.2f}")
PY
