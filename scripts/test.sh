#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default
cmake --build --preset default -j2
ctest --preset default --timeout 300
