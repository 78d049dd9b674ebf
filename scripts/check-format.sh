#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what the root .clang-format makes of it.
# Checks only; `clang-format -i FILE` mends a file.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "Formatting differs from .clang-format in the files above." >&2
  exit 1
fi
echo "Formatting: ${#files[@]} files as .clang-format wants them."
