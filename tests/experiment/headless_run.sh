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

# The report: setting, seed and the exact share of journeys home, as the CSV has it.
"$program" --experiment "$lesson" --journeys 50 --report "$work/report.pdf" 2>"$work/err" ||
  { echo "FAIL report: status $?"; cat "$work/err"; fail=1; }
text=$(pdftotext "$work/report.pdf" - 2>&1)
home=$(awk -F';' '/^exakt zu Hause/ { gsub(",", ".", $2); printf "%.2f", 100 * $2 }' "$work/1.csv")
for expected in "Dimension 3, Gitter −15 … 15" "Startwert: 1921" "${home/./,} %"; do
  grep -qF -- "$expected" <<<"$text" || { echo "FAIL: the report lacks \"$expected\""; fail=1; }
done

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

[ "$fail" = 0 ] && echo "The headless run repeats itself and refuses bad input."
exit "$fail"
