#!/usr/bin/env bash
# Reproduces the performance figures in one run: builds the release benchmarks, writes the
# benchmark statements, prints the model's memory, runs the Google Benchmark programs, and times
# Korvan beside the peer parsers (installed pinned into build/bench/peers) on the same statements.
#   bash bench/run.sh [--no-peers] [GOOGLE_BENCHMARK_FILTER]
set -euo pipefail
cd "$(dirname "$0")/.."

peers=1
if [ "${1:-}" = "--no-peers" ]; then
    peers=0
    shift
fi
filter=${1:-.}

bash scripts/install-deps.sh
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKORVAN_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
statements="$build/statements"
mkdir -p "$statements"
"$build/bench/korvan-bench-gen" "$statements"

echo "== Heap held by a parsed model (bytes)"
"$build/bench/korvan-bench-memory"

echo "== Google Benchmark: scanning, parsing, writing and the round trip, every mode and size"
"$build/bench/korvan_bench" --benchmark_filter="$filter" --benchmark_min_time=0.5

if [ -x "$build/bench/korvan-bench-diagram" ]; then
    echo "== Google Benchmark: the diagram (offscreen)"
    QT_QPA_PLATFORM=offscreen "$build/bench/korvan-bench-diagram" --benchmark_filter="$filter" --benchmark_min_time=0.5
fi

if [ -x "$build/bench/korvan-bench-editors" ]; then
    echo "== Google Benchmark: the clause editors (offscreen)"
    QT_QPA_PLATFORM=offscreen "$build/bench/korvan-bench-editors" --benchmark_filter="$filter" --benchmark_min_time=0.5
fi

if [ -x "$build/bench/korvan-bench-component" ]; then
    echo "== Google Benchmark: the whole control, SetSQL and GetSQL (offscreen)"
    QT_QPA_PLATFORM=offscreen "$build/bench/korvan-bench-component" --benchmark_filter="$filter" --benchmark_min_time=0.5
fi

if [ -x "$build/bench/korvan-bench-criteria" ]; then
    echo "== Google Benchmark: the criteria editor (offscreen)"
    QT_QPA_PLATFORM=offscreen "$build/bench/korvan-bench-criteria" --benchmark_filter="$filter" --benchmark_min_time=0.5
fi

# The peers read the generic statements: no dialect clauses, no quoted names.
files=()
for size in small medium large huge batch; do files+=("$statements/generic-$size.sql"); done
echo "== Side by side on the generic statements"
tsv="$build/compare.tsv"
"$build/bench/korvan-compare" "${files[@]}" >"$tsv"
if [ "$peers" -eq 1 ]; then
    bash bench/peers/install.sh "$build/peers"
    bash bench/peers/run.sh --dir "$build/peers" "${files[@]}" >>"$tsv" || true
fi
awk -f bench/report.awk "$tsv"
