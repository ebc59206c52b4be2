#!/usr/bin/env bash
# Builds the libFuzzer targets (clang++, ASan + UBSan) and runs each for SECONDS, two at a time on
# a two-core machine; any finding fails the run and is kept under build/fuzz/findings.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     default: 60 seconds, every target
# Targets: scanner parser_generic parser_interbase parser_firebird parser_mysql roundtrip quoting
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(scanner parser_generic parser_interbase parser_firebird parser_mysql roundtrip quoting)

bash scripts/install-deps.sh
build=build/fuzz
CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVAN_FUZZ=ON -DBUILD_TESTING=OFF \
    -DKORVAN_QT=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

# The dictionary holds every dialect's words; the seeds are the statements the tests read.
"$build/fuzz/korvan_fuzz_dictionary" >"$build/korvan.dict"
seeds="$build/seeds"
rm -rf "$seeds" && mkdir -p "$seeds"
awk -v dir="$seeds" '
    /^#/ || /^[ \t]*$/ { next }
    {
        line = $0
        sub(/\r$/, "", line)
        while (match(line, /^\[[^]]*\] */)) line = substr(line, RLENGTH + 1)
        out = ""
        for (i = 1; i <= length(line); i++) {
            c = substr(line, i, 1)
            if (c == "\\" && i < length(line)) {
                n = substr(line, ++i, 1)
                out = out (n == "n" ? "\r\n" : n == "t" ? "\t" : n)
            } else out = out c
        }
        printf "%s", out > (dir "/roundtrip-" NR ".sql")
        close(dir "/roundtrip-" NR ".sql")
    }' tests/parser/data/roundtrip.sql
cp tests/tools/data/*.sql samples/*.sql "$seeds"/

mkdir -p "$build/findings" "$build/logs"
run() {
    local target=$1 corpus="$build/corpus/$1"
    mkdir -p "$corpus"
    local inputs=("$corpus")
    [ "$target" = quoting ] || inputs+=("$seeds")
    "$build/fuzz/korvan_fuzz_$target" -max_total_time="$seconds" -dict="$build/korvan.dict" -max_len=4096 \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
        "${inputs[@]}" >"$build/logs/$target.log" 2>&1
}

declare -A status
pids=()
for target in "${targets[@]}"; do
    [ -x "$build/fuzz/korvan_fuzz_$target" ] || { echo "no fuzz target '$target'" >&2; exit 64; }
    while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
    echo "== fuzzing $target for ${seconds}s"
    run "$target" &
    pids+=("$!:$target")
done
failed=0
for entry in "${pids[@]}"; do
    if wait "${entry%%:*}"; then status[${entry#*:}]=ok; else status[${entry#*:}]=FINDING; failed=1; fi
done

printf '%-18s %-8s %14s %8s %8s\n' target result executions cov ft
for target in "${targets[@]}"; do
    log="$build/logs/$target.log"
    execs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | awk '{print $2}' | tail -1 || true)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | awk '{print $2}' || true)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | awk '{print $2}' || true)
    printf '%-18s %-8s %14s %8s %8s\n' "$target" "${status[$target]}" "${execs:-?}" "${cov:-?}" "${ft:-?}"
done
if [ "$failed" -ne 0 ]; then
    for target in "${targets[@]}"; do
        [ "${status[$target]}" = ok ] || { echo "== $target"; grep -A40 -m1 -E '^==[0-9]+==ERROR|^\*\*\*|runtime error|deadly signal|timeout' "$build/logs/$target.log" || tail -40 "$build/logs/$target.log"; }
    done
    echo "Findings are in $build/findings" >&2
    exit 1
fi
