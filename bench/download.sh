#!/usr/bin/env bash
# Times downloads of 50 MB and 500 MB bodies from a loopback server: WebAccess (through a
# small driver) and the curl command-line tool, alternating, each run a fresh process.
# Prints the medians and the two ratios the goals are about.
# Usage: bench/download.sh [build dir, default build/default] [runs, default 7]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/default}"
runs="${2:-7}"

server_out=$(mktemp)
"$build/bench/body_server" > "$server_out" &
server=$!
trap 'kill $server; rm -f "$server_out"' EXIT
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

declare -A result
for size in 52428800 524288000; do
  url="http://127.0.0.1:$port/$size"
  web=() cli=()
  for ((i = 0; i < runs; i++)); do
    web+=("$(seconds "$build/bench/web_access_download" "$url" "$size")")
    cli+=("$(seconds curl -sS -o /dev/null "$url")")
  done
  result[web$size]=$(printf '%s\n' "${web[@]}" | median)
  result[cli$size]=$(printf '%s\n' "${cli[@]}" | median)
  echo "$((size / 1048576)) MB: WebAccess median ${result[web$size]} s, curl median ${result[cli$size]} s ($runs runs each)"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "WebAccess / curl at 50 MB: $(ratio "${result[web52428800]}" "${result[cli52428800]}") (goal: at most 1.5)"
echo "WebAccess 500 MB / 50 MB: $(ratio "${result[web524288000]}" "${result[web52428800]}") (goal: at most 12)"
