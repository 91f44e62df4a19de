#!/usr/bin/env bash
# Installs what is missing and builds Zerulin. Usage: scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default
cmake --build --preset default
echo "run: built the text library; the window arrives with the application"
