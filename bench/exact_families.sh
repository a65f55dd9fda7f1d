#!/bin/bash
# Runs every case of bench_exact_families with a processor-time limit and, when the
# `cbc` command is installed, times the same case as a MIP (single thread) beside it.
# Times are processor seconds (user + system), fairer than wall time on a shared machine.
# usage: bench/exact_families.sh BUILD_DIR [SECONDS] [FILTER]
#   BUILD_DIR  a Release build with the target bench_exact_families built
#   SECONDS    processor-time limit per run (default 60)
#   FILTER     a grep pattern on "family case" (default: every case)
# CBC=none in the environment skips the MIP solver.
set -u
bench="$1/bench/bench_exact_families"
limit="${2:-60}"
filter="${3:-.}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
TIMEFORMAT='%3U %3S'

# Processor seconds of a command run under the limit; its output goes to $work/out.
cpu_seconds() {
  local t
  t=$( { time (ulimit -t "$limit"; nice "$@" > "$work/out" 2>&1); } 2>&1 )
  echo "$t" | tail -1 | awk '{ printf "%.3f", $1 + $2 }'
}

printf '%-10s %-7s %12s %12s %8s %9s %8s %8s %-10s | %9s %14s %8s\n' family case objective bound nodes iters \
  cpu_s wall_s status cbc_cpu_s cbc_objective ratio
"$bench" list | grep -e "$filter" | while read -r family case; do
  cpu_seconds "$bench" run "$family" "$case" > /dev/null
  line=$(cat "$work/out")
  [ -n "$line" ] || line=$(printf '%-10s %-7s %12s %12s %8s %9s %8s %8s %s' "$family" "$case" - - - - ">$limit" - LIMIT)
  cbc_time=n/a cbc_obj=-
  if [ "${CBC:-cbc}" != none ] && command -v cbc >/dev/null 2>&1 &&
     "$bench" lp "$family" "$case" "$work/case.lp" 2>/dev/null; then
    cbc_time=$(cpu_seconds cbc "$work/case.lp" -threads 1 -solve -quit)
    cbc_obj=$(sed -n 's/^Objective value: *//p' "$work/out" | head -1)
    grep -q "Result - Optimal" "$work/out" || { cbc_obj="${cbc_obj:-?}*"; cbc_time=">$cbc_time"; }
  fi
  ours=$(echo "$line" | awk '{print $7}')
  ratio=$(awk -v a="$ours" -v b="$cbc_time" 'BEGIN { if (a + 0 > 0 && b + 0 > 0) printf "%.2f", a / b; else print "-" }')
  printf '%s | %9s %14s %8s\n' "$line" "$cbc_time" "$cbc_obj" "$ratio"
done
