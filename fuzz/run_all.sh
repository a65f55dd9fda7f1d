#!/usr/bin/env bash
# Runs every fuzz target for about 20 seconds from its seed corpus and fails on
# the first crash. Usage: fuzz/run_all.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: fuzz/run_all.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
seconds=${FUZZ_SECONDS:-20}
status=0
for seeds in "$here"/corpus/*/; do
  name=$(basename "$seeds")
  target="$build/fuzz/${name}_fuzz"
  if [ ! -x "$target" ]; then
    echo "fuzz: missing target $target" >&2
    status=1
    continue
  fi
  work="$here/corpus-work/$name"
  mkdir -p "$work"
  echo "fuzz: $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix="$work/" \
      "$work" "$seeds" >"$work/log.txt" 2>&1; then
    echo "fuzz: $name FAILED; see $work/log.txt" >&2
    tail -n 40 "$work/log.txt" >&2
    status=1
  fi
done
exit $status
