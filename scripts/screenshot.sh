#!/usr/bin/env bash
# Starts the built program on a virtual 1920x1080 screen and saves what it shows. Builds
# nothing (scripts/run.sh or scripts/test.sh build it). Succeeds whenever the program started,
# whatever the picture looks like.
#   scripts/screenshot.sh [BUILD_DIR [PICTURE [--after-run]]]
# BUILD_DIR defaults to build, PICTURE to BUILD_DIR/screenshot.png. With --after-run the picture
# shows the window after "20 Reisen" on a lattice of radius 5 with the protocol shown (the
# README's picture, docs/quirlweg.png, is made so).
set -uo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
picture=${2:-$build_dir/screenshot.png}
after_run=${3:-}
program="$build_dir/app/quirlweg"
if [ ! -x "$program" ]; then
  echo "No program at $program: build it first." >&2
  exit 1
fi
if [ -n "$after_run" ] && ! command -v xdotool >/dev/null; then
  echo "--after-run clicks with xdotool: apt-get install xdotool" >&2
  exit 1
fi

# Where the layout puts "20 Reisen", the start button and "Protokoll einblenden" on a maximised
# window of a 1920x1080 screen at 96 dpi (the design twips times the screen's factors).
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
  "$1" --lang de &
  pid=$!
  sleep 3
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "The program ended right after starting." >&2
    exit 1
  fi
  if [ -n "$3" ]; then
    xdotool mousemove 1710 462 click 1 sleep 0.3
    xdotool mousemove 1526 940 click 1 sleep 0.3
    for i in 1 2 3; do xdotool mousemove 1506 478 click 1 sleep 0.5; done
    xdotool mousemove 1900 1060 sleep 0.5
  fi
  import -window root "$2" || echo "Could not take the screenshot." >&2
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  exit 0
' screenshot "$program" "$picture" "$after_run"
status=$?
[ "$status" -eq 0 ] && [ -f "$picture" ] && echo "Saved $picture"
exit "$status"
