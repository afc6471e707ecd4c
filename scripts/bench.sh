#!/usr/bin/env bash
# Builds Release, makes the benchmark's game files with the synthetic
# builder and compares whole processes on them in one run:
#   orbek-cli save A -o B          against  dd if=A of=B bs=1M conv=fsync
#   orbek-cli info A               against  cat A > /dev/null
#   load + rename all 18 teams + save   against  the flushed copy
# on the demo game (3,000 players), the largest file (65,535 players) and a
# demo-sized game whose rest holds 10,000 team-name strings, and, in one
# process, a whole load against reading the file into one fresh buffer.
# Prints medians of the per-run ratios and the peak memory against their
# targets; exits 1 when a target is missed.
#
#   scripts/bench.sh [--runs N] [--micro] [--table]
#     --runs N   runs per comparison (default 7)
#     --micro    also run the in-process step benchmarks (orbek_bench)
#     --table    only the editor's players table on the largest file
#                (orbek_table_bench, offscreen; a Release build with the
#                editor in build-bench-gui), then stop
# ORBEK_BENCH_DATA chooses where the game files go (default build-bench/data;
# keep it on the disk you want to measure, not on tmpfs).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=7
micro=0
table=0
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs="$2"; shift 2 ;;
        --micro) micro=1; shift ;;
        --table) table=1; shift ;;
        *) echo "usage: scripts/bench.sh [--runs N] [--micro] [--table]" >&2; exit 2 ;;
    esac
done

jobs=$(nproc 2>/dev/null || echo 2)

if [ "$table" = 1 ]; then
    cmake -S . -B build-bench-gui -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DORBEK_BUILD_TESTS=OFF -DORBEK_BUILD_BENCH=ON >/dev/null
    cmake --build build-bench-gui -j "$jobs" --target orbek_table_bench
    QT_LOGGING_RULES='qt.qpa.*=false' build-bench-gui/bench/orbek_table_bench --benchmark_min_time=0.5 \
        --benchmark_repetitions=3 --benchmark_report_aggregates_only=true 2>&1 | grep -v propagateSizeHints
    exit 0
fi
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

# A load makes a private copy of the file and the model on it; the copy
# alone (ReadIntoOneBuffer) is the floor. Medians over repetitions of the
# two in random order; each input in a process of its own, so that neither
# runs on memory another one freed.
echo "== In-process load against reading the file into one buffer (target 1.3)"
load_met=0
for input in 0 1; do
    build-bench/bench/orbek_bench --benchmark_filter="^(ReadIntoOneBuffer|Load)/$input\$" --benchmark_min_time=0.3 \
        --benchmark_repetitions="$runs" --benchmark_enable_random_interleaving=true \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null
done |
awk -F, -v target=1.3 '
    { gsub(/"/, "") }
    $1 ~ /_median$/ { split($1, part, /[\/_]/); ms[part[1], part[2]] = $3; label[part[2]] = $8 }
    END {
        printf "%-20s %9s %9s %7s %7s  %s\n", "file", "read ms", "load ms", "ratio", "target", "result"
        missed = 0
        for (i = 0; i <= 1; ++i) {
            read = ms["ReadIntoOneBuffer", i]; load = ms["Load", i]
            ratio = read > 0 ? load / read : 0
            ok = read > 0 && ratio <= target
            missed += !ok
            printf "%-20s %9.2f %9.2f %7.2f %7.2f  %s\n", label[i], read, load, ratio, target, (ok ? "ok" : "MISSED")
        }
        exit missed > 0
    }' || load_met=1

echo "== Whole processes ($(uname -sr), $(nproc) cores)"
processes_met=0
build-bench/bench/compare_processes --cli build-bench/cli/orbek-cli --rename build-bench/bench/rename_all_teams \
    --inputs "$data/inputs" --work "$data/work" --runs "$runs" || processes_met=1
exit $((load_met | processes_met))
