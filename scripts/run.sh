#!/usr/bin/env bash
# Builds Quirlweg and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# A folder of its own: the test builds keep their test programs up to date.
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-run --target quirlweg
exec build-run/app/quirlweg "$@"
