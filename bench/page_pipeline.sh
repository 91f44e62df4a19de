#!/usr/bin/env bash
# The page pipeline in C++ and in the Python reference, side by side on the same generated pages
# of 10 000 rows (1.2 MB) and 100 000 rows (12 MB). Prints the medians, the Python/C++ ratio and
# the growth with a ten times larger page, twice: repeated within one process (C++ through
# Google Benchmark, Python in a loop) and one run per fresh process (as each query meets its
# page); then the peak memory of one run of each on the large page, and checks that both read
# the same rows.
# Usage: bench/page_pipeline.sh [BUILD_DIR]   (default build/default, built beforehand)
#        REPEAT=N sets the number of runs per page and way (default 7).
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/default}"
bench="$build/bench/page_pipeline_bench"
repeat="${REPEAT:-7}"
if [[ ! -x "$bench" ]]; then
  echo "page_pipeline.sh: $bench is missing; run cmake --build --preset default first" >&2
  exit 1
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

small="$work/rows_10000.html"
large="$work/rows_100000.html"
python3 bench/make_result_page.py 10000 "$small"
python3 bench/make_result_page.py 100000 "$large"

# Repeated within one process. Google Benchmark interleaves the two pages' repetitions.
"$bench" "$small" "$large" --benchmark_repetitions="$repeat" \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
  --benchmark_format=json >"$work/cpp.json"
python3 bench/page_pipeline.py "$small" "$repeat" >"$work/py_small.loop"
python3 bench/page_pipeline.py "$large" "$repeat" >"$work/py_large.loop"

# One run per process, the two languages and pages taking turns. GNU time records each
# process's peak memory.
for ((run = 1; run <= repeat; run++)); do
  for page in small large; do
    /usr/bin/time -f %M -a -o "$work/cpp_$page.rss" "$bench" --once "${!page}" >>"$work/cpp_$page.once"
    /usr/bin/time -f %M -a -o "$work/py_$page.rss" python3 bench/page_pipeline.py "${!page}" \
      >>"$work/py_$page.once"
  done
done

python3 - "$work" "$small" "$large" <<'PY'
import json, os, statistics, sys
work, small, large = sys.argv[1:4]
def lines(name):
    return [line.split() for line in open(os.path.join(work, name)) if line.strip()]
def median(name):
    return statistics.median(float(fields[0]) for fields in lines(name))
loop = {b["run_name"]: b["real_time"] / 1000 for b in json.load(open(f"{work}/cpp.json"))["benchmarks"]
        if b.get("aggregate_name") == "median" and b["time_unit"] == "ms"}
ways = {
    "repeated in one process": {"cpp": (loop[small], loop[large]),
                                "py": (median("py_small.loop"), median("py_large.loop"))},
    "one run per process": {"cpp": (median("cpp_small.once"), median("cpp_large.once")),
                            "py": (median("py_small.once"), median("py_large.once"))},
}
for way, t in ways.items():
    print(f"{way}, median of {len(lines('py_small.once'))}:")
    print(f"  {'page':<24}{'C++':>10}{'Python':>12}{'Python/C++':>12}")
    for k, (name, path) in enumerate((("10 000 rows", small), ("100 000 rows", large))):
        c, p = t["cpp"][k], t["py"][k]
        label = f"{name} ({os.path.getsize(path) / 1e6:.1f} MB)"
        print(f"  {label:<24}{c * 1000:>8.1f}ms{p * 1000:>10.1f}ms{p / c:>11.1f}x")
    print(f"  10x page costs: C++ {t['cpp'][1] / t['cpp'][0]:.1f}x the time, "
          f"Python {t['py'][1] / t['py'][0]:.1f}x")
rss = lambda name: max(int(v) for v in open(os.path.join(work, name)).read().split()) / 1024
print(f"peak memory of one run, 100 000 rows: C++ {rss('cpp_large.rss'):.1f} MB, "
      f"Python {rss('py_large.rss'):.1f} MB")
results = {tuple(fields[1:]) for name in ("cpp_large.once", "py_large.once", "py_large.loop")
           for fields in lines(name)}
print(f"rows and cell digest, 100 000 rows: {' / '.join(' '.join(r) for r in results)}"
      f" ({'the same in both' if len(results) == 1 else 'DIFFERENT'})")
sys.exit(0 if len(results) == 1 else 1)
PY
