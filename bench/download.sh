#!/usr/bin/env bash
# Times downloads of 50 MB and 500 MB bodies from a loopback server: WebAccess (through a
# small driver that keeps the body in memory, as WebAccess must) against the curl tool, each
# run a fresh process, alternating. curl is timed writing to /dev/null (the goal's yardstick)
# and, for reference, into a memory file, which shows what holding the body costs here.
# Usage: bench/download.sh [build dir, default build/default] [runs, default 7]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/default}"
runs="${2:-7}"

server_out=$(mktemp)
memory_file=/dev/shm/zerulin-download-$$
"$build/bench/body_server" > "$server_out" &
server=$!
trap 'kill $server; rm -f "$server_out" "$memory_file"' EXIT
until [[ -s "$server_out" ]]; do sleep 0.05; done
port=$(head -1 "$server_out")

# Seconds taken by one run of the command.
seconds() {
  local start end
  start=$(date +%s%N)
  "$@" > /dev/null
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.4f\n", ns / 1e9 }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

declare -A web cli mem
for size in 52428800 524288000; do
  url="http://127.0.0.1:$port/$size"
  w=() c=() m=()
  for ((i = 0; i < runs; i++)); do
    w+=("$(seconds "$build/bench/web_access_download" "$url" "$size")")
    c+=("$(seconds curl -sS -o /dev/null "$url")")
    m+=("$(seconds curl -sS -o "$memory_file" "$url")")
    rm -f "$memory_file"
  done
  web[$size]=$(printf '%s\n' "${w[@]}" | median)
  cli[$size]=$(printf '%s\n' "${c[@]}" | median)
  mem[$size]=$(printf '%s\n' "${m[@]}" | median)
  echo "$((size / 1048576)) MB, medians of $runs: WebAccess ${web[$size]} s," \
    "curl ${cli[$size]} s, curl into memory ${mem[$size]} s"
done
echo "WebAccess / curl at 50 MB: $(ratio "${web[52428800]}" "${cli[52428800]}") (goal: at most 1.5)"
echo "WebAccess 500 MB / 50 MB: $(ratio "${web[524288000]}" "${web[52428800]}") (goal: at most 12)"
echo "for reference, curl into memory 500 MB / 50 MB:" \
  "$(ratio "${mem[524288000]}" "${mem[52428800]}")"
