#!/usr/bin/env bash
# Starts the built program on a virtual 1920x1080 screen and saves what it shows as
# build/screenshot.png. Builds nothing (scripts/run.sh or scripts/test.sh build it).
# Succeeds whenever the program started, whatever the picture looks like.
# Optional argument: another build directory (the picture is then saved there).
set -uo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
program="$build_dir/ui/quirlweg"
picture="$build_dir/screenshot.png"
if [ ! -x "$program" ]; then
  echo "No program at $program: build it first." >&2
  exit 1
fi

xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
  "$1" &
  pid=$!
  sleep 3
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "The program ended right after starting." >&2
    exit 1
  fi
  import -window root "$2" || echo "Could not take the screenshot." >&2
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  exit 0
' screenshot "$program" "$picture"
status=$?
[ "$status" -eq 0 ] && [ -f "$picture" ] && echo "Saved $picture"
exit "$status"
