#!/usr/bin/env python3
"""Runs text_bench once and prints, per operation and input mix, the median CPU time at 1 MB
and at 10 MB and their ratio; fails when a ratio exceeds 12 (the operations must be linear).

Usage: bench/text_growth.py BUILD_DIR/bench/text_bench [extra benchmark flags]
"""
import json
import subprocess
import sys

LIMIT = 12.0


def main():
    command = [sys.argv[1], "--benchmark_format=json", "--benchmark_repetitions=5",
               "--benchmark_report_aggregates_only=true", *sys.argv[2:]]
    report = json.loads(subprocess.run(command, check=True, capture_output=True, text=True).stdout)
    times = {}
    for row in report["benchmarks"]:
        if row.get("aggregate_name") != "median":
            continue
        name, size, mix = row["run_name"].split("/")
        times[(name, mix.split(":")[1], int(size.split(":")[1]))] = row["cpu_time"]
    print(f"{'operation':<22}{'mix':<13}{'1 MB ms':>10}{'10 MB ms':>10}{'ratio':>8}")
    worst = 0.0
    for name, mix in sorted({(name, mix) for name, mix, _ in times}):
        small, large = times[(name, mix, 1 << 20)], times[(name, mix, 10 << 20)]
        ratio = large / small
        worst = max(worst, ratio)
        label = "ascii" if mix == "0" else "double-byte"
        print(f"{name[3:]:<22}{label:<13}{small:>10.2f}{large:>10.2f}{ratio:>8.2f}")
    print(f"largest ratio {worst:.2f} (limit {LIMIT})")
    return 0 if worst <= LIMIT else 1


if __name__ == "__main__":
    sys.exit(main())
