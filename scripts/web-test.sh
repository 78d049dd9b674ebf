#!/usr/bin/env bash
# Builds the browser edition with its tests and runs them under node: the engine's, theory's,
# the layout's and the web displays' GoogleTest suites compiled to WebAssembly, and the page's
# scripts against the real core module. Then the page itself in Debian's headless Chromium,
# driven by puppeteer-core from web/package-lock.json (no browser download): it prints the
# figures of speed and size and leaves its screenshots in build-web/web/shots/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh configure
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# Two jobs at most: WebAssembly links are heavy and the machine is shared.
cmake --build build-web -j 2
ctest --test-dir build-web --output-on-failure -j 2

npm ci --prefix web --ignore-scripts --no-audit --no-fund --loglevel=error
# walkbench's figure beside the page's, and the class server a device joins, where the desktop
# build has them.
if [ -x build/bench/walkbench ]; then export QUIRLWEG_WALKBENCH=$PWD/build/bench/walkbench; fi
if [ -x build/app/quirlweg ]; then export QUIRLWEG_PROGRAM=$PWD/build/app/quirlweg; fi
QUIRLWEG_SITE=build-web/web/site QUIRLWEG_BENCH=build-web/web/quirlweg_bench.js \
  node --test --test-reporter=spec web/e2e/page.e2e.mjs web/e2e/lessons.e2e.mjs web/e2e/class.e2e.mjs \
  web/e2e/evaluation.e2e.mjs
