#!/usr/bin/env bash
# Builds the Debian package quirlweg_<version>_<architecture>.deb (program stripped, installed
# under /usr, dependencies computed from its shared libraries).
#   scripts/package.sh              in build-pkg (a Release build without tests)
#   scripts/package.sh DIR          in DIR; a directory built before keeps its test setting
# Prints the package's path as its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh packaging
build_dir=${1:-build-pkg}

tests=()
[ -f "$build_dir/CMakeCache.txt" ] || tests=(-DBUILD_TESTING=OFF)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIRLWEG_SANITIZE=OFF \
  -DQUIRLWEG_ENGINE_ONLY=OFF "${tests[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
# A package of an earlier version must not be taken for this one.
rm -f "$build_dir"/quirlweg_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
packages=("$build_dir"/quirlweg_*.deb)
echo "${packages[0]}"
