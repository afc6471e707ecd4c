#!/usr/bin/env bash
# Builds Release, makes the benchmark's game files with the synthetic
# builder and compares whole processes on them in one run:
#   orbek-cli save A -o B          against  dd if=A of=B bs=1M conv=fsync
#   orbek-cli info A               against  cat A > /dev/null
#   load + rename all 18 teams + save   against  the flushed copy
# on the demo game (3,000 players), the largest file (65,535 players) and a
# demo-sized game whose rest holds 10,000 team-name strings. Prints medians
# of the per-run ratios and the peak memory against their targets; exits 1
# when a target is missed.
#
#   scripts/bench.sh [--runs N] [--micro]
#     --runs N   runs per comparison (default 7)
#     --micro    also run the in-process step benchmarks (orbek_bench)
# ORBEK_BENCH_DATA chooses where the game files go (default build-bench/data;
# keep it on the disk you want to measure, not on tmpfs).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=7
micro=0
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs="$2"; shift 2 ;;
        --micro) micro=1; shift ;;
        *) echo "usage: scripts/bench.sh [--runs N] [--micro]" >&2; exit 2 ;;
    esac
done

jobs=$(nproc 2>/dev/null || echo 2)
data="${ORBEK_BENCH_DATA:-build-bench/data}"

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DORBEK_BUILD_GUI=OFF -DORBEK_BUILD_TESTS=OFF -DORBEK_BUILD_BENCH=ON >/dev/null
cmake --build build-bench -j "$jobs" --target orbek-cli orbek_bench make_bench_inputs rename_all_teams compare_processes

echo "== Inputs"
build-bench/bench/make_bench_inputs "$data/inputs"

if [ "$micro" = 1 ]; then
    echo "== In-process steps"
    build-bench/bench/orbek_bench --benchmark_min_time=0.5
fi

echo "== Whole processes ($(uname -sr), $(nproc) cores)"
build-bench/bench/compare_processes --cli build-bench/cli/orbek-cli --rename build-bench/bench/rename_all_teams \
    --inputs "$data/inputs" --work "$data/work" --runs "$runs"
