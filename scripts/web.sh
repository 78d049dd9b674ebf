#!/usr/bin/env bash
# Builds the browser edition (the core as WebAssembly and the page) into build-web/web/site/
# and prints the page to open; it opens from disk and makes no request. Installs what is missing
# from Debian's packages first.
#   scripts/web.sh            install, build, print the page's path
#   scripts/web.sh configure  install and configure only (scripts/web-test.sh builds on it)
set -euo pipefail
cd "$(dirname "$0")/.."

# chromium: the tests in a real browser (scripts/web-test.sh).
packages=(emscripten node-acorn esbuild cmake ninja-build libgtest-dev chromium)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
# Any node of version 12 or later will do; Debian's comes only when there is none.
command -v node >/dev/null || missing+=(nodejs)
# npm installs the browser tests' puppeteer-core from web/package-lock.json.
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Debian's emscripten looks for its acorn module among Debian's node modules, which a node
# from elsewhere does not search; and its emcmake would give node a flag that node 20 refuses.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DCMAKE_UNITY_BUILD=ON \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" >/dev/null
[ "${1:-}" = configure ] && exit 0

cmake --build build-web --target quirlweg_site -j 2
echo "The browser edition: file://$(pwd)/build-web/web/site/index.html"
