#!/usr/bin/env bash
# Installs the Debian packages KORVELAN needs to build, test and run. Safe to run again.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev
  libxkbcommon-dev fonts-dejavu-core libgtest-dev xvfb xauth clang-14 libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
