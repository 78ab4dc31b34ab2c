#!/bin/sh
# Usage: check_translation.sh LUPDATE FILE.ts [LUPDATE-OPTIONS...] -- SOURCES...
# Runs lupdate over the sources into a copy of FILE.ts. Fails when a text has
# no translation yet or when the copy differs from FILE.ts (texts added,
# changed or gone since the catalogue was last updated with the sources).
set -eu
lupdate=$1 ts=$2
shift 2
options=""
while [ "$1" != "--" ]; do options="$options $1"; shift; done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy="$work/$(basename "$ts")"
cp "$ts" "$copy"
# shellcheck disable=SC2086
"$lupdate" $options "$@" -ts "$copy"
unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
if [ "$unfinished" -ne 0 ]; then
  echo "$unfinished text(s) without translation in $ts:" >&2
  grep -B2 'type="unfinished"' "$copy" | grep '<source>' >&2
  exit 1
fi
if ! cmp -s "$ts" "$copy"; then
  echo "$ts is not current with the sources; run: cmake --build <build> --target update_translations" >&2
  diff "$ts" "$copy" >&2 || true
  exit 1
fi
echo "$ts: complete and current"
