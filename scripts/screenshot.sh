#!/usr/bin/env bash
# Takes docs/window.png: the window filled from the demo service, on a virtual X screen.
# Needs a build (scripts/run.sh first; BUILD_DIR picks another). Usage: scripts/screenshot.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" != --inside ]]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside
fi

build="${BUILD_DIR:-build/default}"
"$build/tools/zerulin-demo-service" 8936 2>/dev/null &
service=$!
QT_QPA_PLATFORM=xcb "$build/app/zerulin" &
window=$!
trap 'kill "$window" "$service" 2>/dev/null || true' EXIT

for _ in $(seq 100); do
  xdotool search --name '^Zerulin' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 0.5
# The window opens centred: its client area starts at (294, 239) on a 1024x768 screen.
left=294 top=239
xdotool mousemove $((left + 239)) $((top + 233)) click 1  # 查询
sleep 1
xdotool mousemove $((left + 24)) $((top + 37)) click 1    # select the first role
xdotool mousemove $((left + 430)) $((top + 285))
sleep 0.3
mkdir -p docs
import -window root -crop "436x290+$left+$top" +repage docs/window.png
echo "screenshot: docs/window.png"
