#!/usr/bin/env bash
# Builds Quirlweg and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target quirlweg
exec build/ui/quirlweg "$@"
