#!/usr/bin/env bash
# Installs what building, running and testing Quirlweg needs, from Debian's packages.
# Safe to run again: it installs only what is missing.
#   scripts/install-deps.sh              building, running and testing the program
#   scripts/install-deps.sh packaging    also making and checking the Debian package
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6svg6 qt6-svg-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  # Qt Charts' CMake package asks for Qt's OpenGL modules, which qt6-charts-dev does not bring.
  qt6-charts-dev libqt6opengl6-dev
  # Qt's own texts (dialogs, --help) in German.
  qt6-translations-l10n
  libgtest-dev libgmock-dev clang-format
  # Experiment files are JSON, read in the Qt-free lesson library.
  nlohmann-json3-dev
  # The class server (quirlweg --class): Qt's HTTP server and WebSockets, the QR code of its
  # address.
  qt6-httpserver-dev qt6-websockets-dev libqrencode-dev
  # pdftotext and pdftoppm read the reports back in the tests.
  poppler-utils
  fonts-dejavu-core fonts-liberation
  xvfb xauth x11-apps imagemagick xdotool
)
# Kept apart because lintian brings many Perl packages that scripts/run.sh does not need.
packaging=(dpkg-dev lintian desktop-file-utils appstream libxml2-utils)
if [ "${1:-}" = packaging ]; then packages+=("${packaging[@]}"); fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
