#!/usr/bin/env bash
# The program killed while it holds a series: what it kept on disk is the whole series, and a
# run from the kept file walks the same journeys again. Arguments: the program, a lesson.
set -uo pipefail
program=$1 lesson=$2
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=
kept=$work/data/quirlweg/last-series.quirlweg
journeys=2000

# A series of the lesson's setting and seed, as a saved experiment holds it.
"$program" --experiment "$lesson" --journeys $journeys --csv "$work/walked.csv" 2>/dev/null ||
  { echo "FAIL: the headless run"; exit 1; }
series=$(awk -F, 'walking { printf "%s[%s,%s,%s,%s]", n++ ? "," : "", $2, $3, $4, $5 }
                  /^Nr\.,/ { walking = 1 }' "$work/walked.csv")
# Without its description, whose box would wait for a click.
sed -e '/"description"/,/^  }/d' -e 's/"version": 1,/"version": 1, "series": ['"$series"'],/' \
  "$lesson" >"$work/series.quirlweg"

# Opened as a file, the series is walked again; it is kept within seconds; then the program
# dies without a chance to save anything.
"$program" "$work/series.quirlweg" 2>/dev/null &
pid=$!
shape() { tr -d ' \n' <"$1" | grep -o '"series":\[[^]]*\(\][^]]*\)*\]\]'; }
# Kept while it is walked again, the file may first hold part of it; the whole series within
# seconds of its last journey. A slow machine (or a sanitizer build) takes longer to walk it.
for _ in $(seq 600); do
  [ -s "$kept" ] && [ "$(shape "$kept")" = "$(shape "$work/series.quirlweg")" ] && break
  sleep 0.1
done
{ kill -9 "$pid" && wait "$pid"; } 2>/dev/null
pid=

fail=0
if [ ! -s "$kept" ]; then
  echo "FAIL: nothing was kept"; fail=1
elif [ "$(shape "$kept")" != "$(shape "$work/series.quirlweg")" ]; then
  echo "FAIL: the kept series differs from the one walked"; fail=1
fi
# The kept file walks the same journeys from its seed.
"$program" --experiment "$kept" --journeys $journeys --csv "$work/again.csv" 2>/dev/null ||
  { echo "FAIL: the kept file does not open"; fail=1; }
if ! diff <(sed -n '/^Nr\.,/,$p' "$work/walked.csv") <(sed -n '/^Nr\.,/,$p' "$work/again.csv") \
  >/dev/null; then
  echo "FAIL: the kept file walks other journeys"; fail=1
fi
exit $fail
