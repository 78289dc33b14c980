#!/usr/bin/env bash
# Installs what building, running and testing Vellomy needs (Debian 12, as
# root), and builds it into build/. Used by run.sh and test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-webengine-dev
          qt6-webchannel-dev qt6-tools-dev libgl-dev libx11-dev xvfb xauth x11-utils xdotool imagemagick
          desktop-file-utils
          fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

[ "${1:-}" = "--no-build" ] && exit 0

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
