#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each one for SECONDS (default 30), one after another.
# Fails on the first finding; the input that caused it is kept in build/fuzz/artifacts/.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
cmake --preset fuzz
cmake --build --preset fuzz -j2

mkdir -p build/fuzz/artifacts
for binary in build/fuzz/fuzz/*_fuzz; do
  target="$(basename "$binary" _fuzz)"
  # New inputs go to a scratch corpus; the checked-in seeds stay as they are.
  corpora=("build/fuzz/corpus/$target")
  mkdir -p "${corpora[0]}"
  if [[ -d "fuzz/corpus/$target" ]]; then corpora+=("fuzz/corpus/$target"); fi
  echo "fuzz: $target for ${seconds}s"
  "$binary" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/artifacts/$target-" "${corpora[@]}"
done
echo "fuzz: no findings"
