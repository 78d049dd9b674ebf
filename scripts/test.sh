#!/usr/bin/env bash
# Builds Quirlweg with its tests and runs every test twice: in a normal build and in a build
# with AddressSanitizer and UndefinedBehaviorSanitizer (any finding stops the test). After the
# normal build's tests it makes the Debian package from that build and checks it
# (scripts/check-package.sh, a few seconds) and builds and tests the browser edition
# (scripts/web-test.sh). Then it starts the real program once under Xvfb
# and saves a screenshot.
#   scripts/test.sh            both builds, the package checks and the screenshot
#   scripts/test.sh normal     the normal build and the package checks (quicker while developing)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh packaging
scripts/check-format.sh
jobs=$(nproc)

# Unity builds compile each library's files together in batches: a fresh build takes half the
# time. scripts/run.sh builds file by file, so a file that compiles only beside its batch
# neighbours still shows.
run_suite() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DBUILD_TESTING=ON -DCMAKE_UNITY_BUILD=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

run_suite build -DCMAKE_BUILD_TYPE=Release -DQUIRLWEG_SANITIZE=OFF -DQUIRLWEG_ENGINE_ONLY=OFF
scripts/check-package.sh build
echo "== The browser edition: the core as WebAssembly under node, the page's scripts =="
scripts/web-test.sh

if [ "${1:-all}" != "normal" ]; then
  echo "== The same tests with AddressSanitizer and UndefinedBehaviorSanitizer =="
  export ASAN_OPTIONS=halt_on_error=1:detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  # -O1 and line tables only, as the sanitizers' makers advise: quicker to build, and every
  # finding still names its file and line.
  run_suite build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" -DQUIRLWEG_SANITIZE=ON \
    -DQUIRLWEG_ENGINE_ONLY=OFF
  unset ASAN_OPTIONS UBSAN_OPTIONS
  scripts/screenshot.sh build || echo "No screenshot could be taken."
fi
