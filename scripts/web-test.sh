#!/usr/bin/env bash
# Builds the browser edition with its tests and runs them under node: the engine's, theory's
# and the web displays' GoogleTest suites compiled to WebAssembly, and the page's scripts
# against the real core module.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh configure
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# Two jobs at most: WebAssembly links are heavy and the machine is shared.
cmake --build build-web -j 2
ctest --test-dir build-web --output-on-failure -j 2
