#!/usr/bin/env bash
# The headless run. Arguments: the program, the folder of ready-made lessons.
set -uo pipefail
program=$1 lessons=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LANG=de_DE.UTF-8 LC_ALL=
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM  # it must not need one
fail=0
lesson="$lessons/polya-3d.quirlweg"

# The same file twice: the same journeys, row for row (the header's date may differ).
for run in 1 2; do
  "$program" --experiment "$lesson" --journeys 300 --csv "$work/$run.csv" 2>"$work/err" ||
    { echo "FAIL run $run: status $?"; cat "$work/err"; fail=1; }
done
if ! diff <(grep -v '^Datum' "$work/1.csv") <(grep -v '^Datum' "$work/2.csv") >/dev/null; then
  echo "FAIL: the same experiment gave different journeys"; fail=1
fi
grep -q '^Startwert;1921' "$work/1.csv" || { echo "FAIL: the CSV lacks the seed"; fail=1; }
[ "$(grep -c '^[0-9]*;' "$work/1.csv")" = 300 ] || { echo "FAIL: not 300 journeys"; fail=1; }

# The report: setting, seed and the exact share of journeys home, as the CSV has it. The
# lesson asks the class to guess first: its worksheet comes first and the exact values stay
# hidden, until a copy no longer asks.
home=$(awk -F';' '/^exakt zu Hause/ { gsub(",", ".", $2); printf "%.2f", 100 * $2 }' "$work/1.csv")
sed 's/"first": true/"first": false/' "$lesson" >"$work/shown.quirlweg"
for file in "$lesson" "$work/shown.quirlweg"; do
  "$program" --experiment "$file" --journeys 50 --report "$work/report.pdf" 2>"$work/err" ||
    { echo "FAIL report: status $?"; cat "$work/err"; fail=1; }
  text=$(pdftotext "$work/report.pdf" - 2>&1)
  for expected in "Quirlweg – Arbeitsblatt" "1. Schätzt: Wie oft kommt der Wanderer im Raum heim" \
    "Dimension 3, Gitter −15 … 15" "Startwert: 1921"; do
    grep -qF -- "$expected" <<<"$text" || { echo "FAIL: the report lacks \"$expected\""; fail=1; }
  done
  if [ "$file" = "$lesson" ]; then
    grep -qF -- "${home/./,} %" <<<"$text" && { echo "FAIL: the guess-first report shows $home"; fail=1; }
  else
    grep -qF -- "${home/./,} %" <<<"$text" || { echo "FAIL: the report lacks $home %"; fail=1; }
  fi
done

# Every ready-made lesson opens and prints its worksheet in both languages.
count=0
for file in "$lessons"/*.quirlweg; do
  count=$((count + 1))
  for lang in de:Arbeitsblatt en:worksheet; do
    "$program" --lang "${lang%%:*}" --experiment "$file" --journeys 20 --report "$work/sheet.pdf" \
      2>"$work/err" || { echo "FAIL: $file in ${lang%%:*}"; cat "$work/err"; fail=1; }
    pdftotext "$work/sheet.pdf" - 2>&1 | grep -q "${lang#*:}" ||
      { echo "FAIL: no worksheet for $file in ${lang%%:*}"; fail=1; }
  done
done
[ "$count" -ge 6 ] || { echo "FAIL: only $count lessons"; fail=1; }

# Bad input: a message naming the file or option, status 2, and nothing written.
good=$(cat "$lesson")
printf '%s' "${good:0:200}" >"$work/truncated.quirlweg"
sed 's/"radius": 15/"radius": 51/' "$lesson" >"$work/radius51.quirlweg"
sed 's/"radius": 15/"radius": "15"/' "$lesson" >"$work/type.quirlweg"
sed 's/"version": 1/"version": 9/' "$lesson" >"$work/version.quirlweg"
printf '\xff\xfe{}' >"$work/latin.quirlweg"
head -c 200000 /dev/zero | tr '\0' '[' >"$work/deep.quirlweg"
cp "$lesson" "$work/huge.quirlweg" && truncate -s 100M "$work/huge.quirlweg"
expect_refusal() {  # what, text the message must hold, arguments...
  local what=$1 text=$2
  shift 2
  local out status
  out=$(timeout 20 "$program" "$@" 2>&1)
  status=$?
  if [ "$status" != 2 ] || ! grep -qF -- "$text" <<<"$out"; then
    echo "FAIL $what: status $status, output: $out"; fail=1
  fi
}
for bad in truncated radius51 type version latin deep huge; do
  expect_refusal "$bad" "$bad.quirlweg" --experiment "$work/$bad.quirlweg" --journeys 10 \
    --csv "$work/$bad.csv"
  [ -e "$work/$bad.csv" ] && { echo "FAIL $bad: a CSV was written"; fail=1; }
done
expect_refusal "missing file" "fehlt.quirlweg" --experiment "$work/fehlt.quirlweg" --journeys 1
expect_refusal "no journeys" "--journeys" --experiment "$lesson"
expect_refusal "zero journeys" "--journeys" --experiment "$lesson" --journeys 0
expect_refusal "journeys as text" "viele" --experiment "$lesson" --journeys viele
expect_refusal "csv without experiment" "--csv" --csv "$work/x.csv"

# A run that writes a report draws its journeys into the lattice view, one that does not
# streams them from the engine alone; their rows agree.
"$program" --experiment "$lesson" --journeys 1500 --csv "$work/window.csv" \
  --report "$work/window.pdf" 2>"$work/err" || { echo "FAIL window run"; cat "$work/err"; fail=1; }
"$program" --experiment "$lesson" --journeys 1500 --csv "$work/engine.csv" 2>"$work/err" ||
  { echo "FAIL engine run"; cat "$work/err"; fail=1; }
if ! diff <(grep -v '^Datum' "$work/window.csv") <(grep -v '^Datum' "$work/engine.csv") >/dev/null
then
  echo "FAIL: the window and the engine walked different journeys"; fail=1
fi

# Hostile paths: never a blocked open, never a pipe or device replaced, the right status and
# reason. Each row: what, expected status, text the output must hold, arguments.
mkfifo "$work/pipe" "$work/pipe.csv"
cp "$lesson" "$work/lesson.quirlweg"
: >"$work/empty.quirlweg"
printf '{\n  "format": "quirlweg-experiment", "version": 1, \xc3\xa4 }' >"$work/position.quirlweg"
printf 'old' >"$work/old.csv"
# A device node of our own where we may make one: should it ever be replaced, no system one is.
device=/dev/null
[ "$(id -u)" = 0 ] && mknod "$work/full" c 1 7 2>/dev/null && device="$work/full"
while IFS='|' read -r what status text args; do
  [ -z "$what" ] && continue
  eval "set -- $args"
  out=$(timeout 20 "$program" "$@" 2>&1)
  got=$?
  if [ "$got" != "$status" ] || ! grep -qF -- "$text" <<<"$out"; then
    echo "FAIL $what: status $got (wanted $status), output: $out"; fail=1
  fi
done <<ROWS
pipe as experiment|2|Pipe|--experiment "$work/pipe" --journeys 1
device as experiment|2|Gerät|--experiment /dev/zero --journeys 1
folder as experiment|2|Ordner|--experiment "$work" --journeys 1
empty experiment|2|leer|--experiment "$work/empty.quirlweg" --journeys 1
error place in lines and characters|2|Zeile 2, Zeichen|--experiment "$work/position.quirlweg" --journeys 1
pipe as csv|2|Pipe|--experiment "$lesson" --journeys 1 --csv "$work/pipe.csv"
device as csv|2|Gerät|--experiment "$lesson" --journeys 1 --csv "$device"
csv and report on one file|2|dieselbe|--experiment "$lesson" --journeys 1 --csv "$work/x.pdf" --report "$work/x.pdf"
csv over the experiment|2|Versuchsdatei selbst|--experiment "$work/lesson.quirlweg" --journeys 1 --csv "$work/lesson.quirlweg"
report not a pdf|2|.pdf|--experiment "$lesson" --journeys 1 --report "$work/x.txt"
unknown option|2|fliegen|--experiment "$lesson" --journeys 1 --fliegen
language without value|2|--lang braucht|--experiment "$lesson" --journeys 1 --lang
control characters in a name|2|\x1b[31m|--experiment "$work/$(printf '\033')[31m.quirlweg" --journeys 1
ROWS
[ -p "$work/pipe.csv" ] || { echo "FAIL: the pipe was replaced"; fail=1; }
[ -e "$work/x.txt" ] && { echo "FAIL: a report was written into x.txt"; fail=1; }
cmp -s "$lesson" "$work/lesson.quirlweg" || { echo "FAIL: the experiment was overwritten"; fail=1; }
[ -c "$device" ] || { echo "FAIL: the device node $device was replaced"; fail=1; }
# A write past the file size limit is a failed write (status 1), not a silent death, and the old
# file stays.
(ulimit -f 8; "$program" --experiment "$lesson" --journeys 20000 --csv "$work/old.csv") \
  >"$work/out" 2>&1
got=$?
if [ "$got" != 1 ] || ! grep -qF "zu groß" "$work/out" || [ "$(cat "$work/old.csv")" != old ]; then
  echo "FAIL file size limit: status $got, $(cat "$work/out")"; fail=1
fi
ls -A "$work" | grep -q '\.tmp$' && { echo "FAIL: a temporary file was left"; fail=1; }

[ "$fail" = 0 ] && echo "The headless run repeats itself and refuses bad input."
exit "$fail"
