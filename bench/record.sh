#!/usr/bin/env bash
# Regenerates BENCHMARKS.md: builds the default preset, runs every benchmark in bench/ in one go
# and writes, for each figure, its goal, medians, ratio, pass or miss and the command that
# reproduces it, with the machine and its load. Takes about 5 minutes on 2 cores; not part of
# the test command or CI (timings on a shared machine are a record, not a gate).
# Usage: bench/record.sh            RUNS=N sets the repetitions per benchmark (default 7).
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${RUNS:-7}"
build=build/default
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

load() { cut -d' ' -f1-3 /proc/loadavg; }
{
  echo "date=$(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "cpu=$(lscpu | sed -n 's/^Model name: *//p' | head -1)"
  echo "cores=$(nproc)"
  echo "memory=$(awk '/MemTotal/ { printf "%.1f GB", $2 / 1048576 }' /proc/meminfo)"
  echo "kernel=$(uname -sr)"
  echo "commit=$(git rev-parse --short HEAD)"
  echo "load_start=$(load)"
} >"$work/machine"

cmake --preset default >/dev/null
cmake --build --preset default -j2 >/dev/null
echo "built; load $(load)" >&2

# Each benchmark runs to its end even when it misses a goal; its status goes into the record.
run() {
  local name="$1"
  shift
  echo "$name: $* (load $(load))" >&2
  echo "$(load)" >"$work/$name.load"
  local status=0
  "$@" >"$work/$name.out" 2>"$work/$name.err" || status=$?
  echo "$status" >"$work/$name.status"
}

run text python3 bench/text_growth.py "$build/bench/text_bench" --benchmark_repetitions="$runs"
run page env REPEAT="$runs" bench/page_pipeline.sh "$build"
run download bench/download.sh "$build" "$runs"
run window "$build/bench/window_bench" --benchmark_repetitions="$runs" \
  --benchmark_report_aggregates_only=true --benchmark_format=json
echo "load_end=$(load)" >>"$work/machine"

python3 bench/record_report.py "$work" "$runs" >"$work/BENCHMARKS.md"
mv "$work/BENCHMARKS.md" BENCHMARKS.md
echo "wrote BENCHMARKS.md" >&2
