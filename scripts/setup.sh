#!/usr/bin/env bash
# Installs the Debian packages the build needs (only when some are missing),
# then configures and builds into build/. Run as root on a fresh Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libqt6sql6-sqlite qt6-charts-dev qt6-pdf-dev qt6-tools-dev libqt6opengl6-dev libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  cups printer-driver-cups-pdf poppler-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

build_dir=${REVTAL_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" -j"$(nproc)"
