#!/usr/bin/env bash
# Fails when a text of the windows, the start-up or the displays has no English translation: lupdate brings a
# copy of the translation file up to date with the sources, and no entry may stay unfinished.
# Arguments: lupdate, the .ts file, the source root.
set -euo pipefail
lupdate=$1 ts=$2 root=$3
copy=$(mktemp --suffix=.ts)
trap 'rm -f "$copy"' EXIT
cp "$ts" "$copy"
"$lupdate" -silent -no-obsolete -locations none -source-language de -I "$root" "$root/app" "$root/window" "$root/evaluation" \
  "$root/display" "$root/experiment" -ts "$copy"
if grep -B3 'type="unfinished"' "$copy" | grep '<source>'; then
  echo "These texts have no English translation in $ts" >&2
  exit 1
fi
echo "Every text has its English translation."
