#!/usr/bin/env bash
# Times quillbay-export --site on the 10,000 events over 30 years of the peer
# benchmark (peers_events.py), side by side in one hyperfine run (-N, no shell
# between the timer and the process):
#  - the whole site (360 month pages, 30 year pages, index, feed) into an
#    empty folder, against cp -r of the finished site followed by sync -f of
#    the copy (the same durability; the shell that joins them is timed too);
#  - publishing again with nothing changed, against a --year page of the same
#    document;
# then checks that the republish wrote no file, and which files one changed
# day writes (a day in "Coming up", and one a year ahead, still in the feed). Prints the ratios
# last. Run by hand:
#   QUILLBAY_BENCH_PEERS=1 scripts/install-deps.sh; cmake --build build
#   bench/site.sh [path/to/quillbay-export]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=$(realpath -m "${1:-$here/../build/cli/quillbay-export}")
[ -x "$tool" ] || { echo "site: build quillbay-export first (or give its path)" >&2; exit 1; }
command -v hyperfine >/dev/null || { echo "site: hyperfine is missing: QUILLBAY_BENCH_PEERS=1 scripts/install-deps.sh" >&2; exit 1; }
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/peers_events.py" "$work"
cd "$work"

"$tool" events.qby --site finished
cp -r finished again
snapshot() { (cd "$1" && find . -maxdepth 1 -type f -printf '%f %i %T@\n' | sort); }
snapshot again > before.txt

hyperfine -N --warmup 3 --min-runs 20 --export-json times.json \
  --prepare "rm -rf fresh" -n "site into an empty folder" "'$tool' events.qby --site fresh" \
  --prepare "rm -rf copy" -n "cp -r + sync -f" "sh -c 'cp -r finished copy && sync -f copy'" \
  --prepare "true" -n "republish, nothing changed" "'$tool' events.qby --site again" \
  --prepare "true" -n "year page (--year)" "'$tool' events.qby --year 2026"

snapshot again > after.txt
if cmp -s before.txt after.txt; then echo "republish with nothing changed: no file written"; else
  echo "republish with nothing changed wrote:"; diff before.txt after.txt || true; fi

# One day's text changed: the files replaced are those whose inode changed.
change_day() {  # $1: days from today; prints the day changed
  python3 - "$1" <<'PY'
import datetime, re, sys
epoch = datetime.date(1899, 12, 30)
target = (datetime.date.today() - epoch).days + int(sys.argv[1])
text = open("events.qby", newline="").read()
for m in re.finditer(r"Date = (\d+)\r\n      Text = '([^']*)'", text):
    if int(m.group(1)) >= target:
        text = text[:m.start(2)] + m.group(2) + " (moved)" + text[m.end(2):]
        open("events.qby", "w", newline="").write(text)
        print(epoch + datetime.timedelta(days=int(m.group(1))))
        break
PY
}
for ahead in 3 400; do
  rm -rf one && cp -r finished one && "$tool" events.qby --site one > /dev/null
  snapshot one > one-before.txt
  day=$(change_day $ahead)
  "$tool" events.qby --site one
  snapshot one > one-after.txt
  echo "after the text of $day changed, written:" $(join one-before.txt one-after.txt | awk '$2 != $4 {print $1}')
done

python3 - times.json <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
ms = lambda name: results[name]["mean"] * 1000
print()
for name in results:
    print(f"{name:30s} {ms(name):9.2f} ms")
print(f"whole site / (cp -r + sync -f):       {ms('site into an empty folder') / ms('cp -r + sync -f'):5.2f} (target at most 2)")
print(f"republish unchanged / --year page:    {ms('republish, nothing changed') / ms('year page (--year)'):5.2f} (target at most 1.5)")
PY
