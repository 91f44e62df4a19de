#!/usr/bin/env bash
# Installs what is missing, builds, starts the demo role-lookup service and runs Zerulin against
# it: the window when a display is available, otherwise zerulin-query for the sample number.
# The service is stopped when the program ends. Usage: scripts/run.sh [NUMBER]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default
cmake --build --preset default

build=build/default
port=8936  # the port of the built-in service host, 127.0.0.1:8936
"$build/tools/zerulin-demo-service" "$port" &
service=$!
trap 'kill "$service" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  curl -s -o /dev/null "http://127.0.0.1:$port/" && break
  kill -0 "$service" 2>/dev/null || { echo "run: the demo service did not start" >&2; exit 1; }
  sleep 0.1
done

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  "$build/app/zerulin"
else
  echo "run: no display; the query for ${1:-2718281828} in the terminal:"
  "$build/app/zerulin-query" "${1:-2718281828}"
fi
