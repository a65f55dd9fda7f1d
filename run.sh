#!/usr/bin/env bash
# Installs what is missing, builds KORVELAN and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVELAN_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target korvelan korvelan-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. To run KORVELAN without a screen use:  xvfb-run -a build/release/korvelan"
  echo "The batch program needs no display:  build/release/korvelan-cli --help"
  exit 1
fi
exec build/release/korvelan "$@"
