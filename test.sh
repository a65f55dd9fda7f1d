#!/usr/bin/env bash
# Installs what is missing, builds KORVELAN with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test offscreen through CTest,
# then each fuzz target for a short, bounded time.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVELAN_SANITIZE=ON >/dev/null
cmake --build build/test -j "$jobs"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/.ci/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build/test --output-on-failure -j "$jobs" --timeout 600
if [ -d fuzz ] && [ -f fuzz/CMakeLists.txt ]; then
  CXX=clang++-14 cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVELAN_FUZZ=ON \
    -DKORVELAN_BUILD_APP=OFF -DKORVELAN_BUILD_TESTS=OFF >/dev/null
  cmake --build build/fuzz -j "$jobs"
  ./fuzz/run_all.sh build/fuzz
fi
