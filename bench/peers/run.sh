#!/usr/bin/env bash
# Times the peer SQL parsers on statement files, after install.sh:
#
#   bash bench/peers/run.sh [options] STATEMENTS_FILE...
#
# Prints one TSV line per (peer, file), files in the order given, peers in
# the order libpg_query, sqlparser-rs (wasm), node-sql-parser,
# pgsql-ast-parser:
#   peer  file  statements  bytes  parse_seconds  roundtrip_seconds  status
# bytes being the size of the file, the seconds the best time of one pass
# over all its statements (start-up, module loading and an untimed warm-up
# excluded), status "ok", "timeout" or "error: ..." (times are then "-").
# Each peer runs in a process of its own per file.
#
# Options (or environment variables):
#   --dir DIR      KORVAN_PEERS_DIR      scratch folder given to install.sh
#                                        (default build/bench/peers)
#   --timeout S    KORVAN_PEERS_TIMEOUT  limit for one pass (default 60)
#   --budget S     KORVAN_PEERS_BUDGET   time spent repeating passes (default 1)
#   --warmup S     KORVAN_PEERS_WARMUP   untimed warm-up (default 1)
#   --stack-mb MB  KORVAN_PEERS_STACK_MB stack of the parsing thread (default 64)
#   --only NAMES   KORVAN_PEERS_ONLY     comma-separated peer names to run
#
# Exit status: 0 when every line is "ok" or "timeout", 1 when some peer
# reported an error, 2 when nothing could be run (bad arguments, missing
# file, install.sh not run or out of date).
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
PEERS=("libpg_query" "sqlparser-rs (wasm)" "node-sql-parser" "pgsql-ast-parser")

dir="${KORVAN_PEERS_DIR:-$root/build/bench/peers}"
timeout_s="${KORVAN_PEERS_TIMEOUT:-60}"
budget_s="${KORVAN_PEERS_BUDGET:-1}"
warmup_s="${KORVAN_PEERS_WARMUP:-1}"
stack_mb="${KORVAN_PEERS_STACK_MB:-64}"
only="${KORVAN_PEERS_ONLY:-}"

die() { printf 'run.sh: error: %s\n' "$*" >&2; exit 2; }

files=()
while [[ $# -gt 0 ]]; do
    case "$1" in
        --dir) dir="${2:?--dir needs a value}"; shift 2 ;;
        --timeout) timeout_s="${2:?--timeout needs a value}"; shift 2 ;;
        --budget) budget_s="${2:?--budget needs a value}"; shift 2 ;;
        --warmup) warmup_s="${2:?--warmup needs a value}"; shift 2 ;;
        --stack-mb) stack_mb="${2:?--stack-mb needs a value}"; shift 2 ;;
        --only) only="${2:?--only needs a value}"; shift 2 ;;
        -h|--help) sed -n '2,/^set /{/^set /d;s/^# \{0,1\}//;p}' "${BASH_SOURCE[0]}"; exit 0 ;;
        --) shift; files+=("$@"); break ;;
        -*) die "unknown option $1 (see --help)" ;;
        *) files+=("$1"); shift ;;
    esac
done
[[ ${#files[@]} -gt 0 ]] || die "no statements file given (usage: run.sh [options] STATEMENTS_FILE...)"
for n in "$timeout_s" "$budget_s" "$warmup_s"; do
    [[ "$n" =~ ^[0-9]+([.][0-9]+)?$ ]] || die "not a number of seconds: $n"
done
[[ "$stack_mb" =~ ^[1-9][0-9]*$ ]] || die "not a whole number of megabytes: $stack_mb"
for f in "${files[@]}"; do
    [[ -f "$f" && -r "$f" ]] || die "cannot read statements file $f"
done

selected=()
if [[ -n "$only" ]]; then
    IFS=',' read -r -a wanted <<<"$only"
    for w in "${wanted[@]}"; do
        found=0
        for p in "${PEERS[@]}"; do [[ "$p" == "$w" ]] && found=1; done
        [[ $found -eq 1 ]] || die "unknown peer \"$w\"; known: $(IFS=,; echo "${PEERS[*]}")"
    done
    for p in "${PEERS[@]}"; do
        for w in "${wanted[@]}"; do [[ "$p" == "$w" ]] && selected+=("$p"); done
    done
else
    selected=("${PEERS[@]}")
fi

# The install must be there and match the sources here.
[[ -d "$dir" ]] || die "no scratch folder $dir: run bash bench/peers/install.sh first"
dir="$(cd "$dir" && pwd)"
pgbin="$dir/pg_query_bench"
[[ -x "$pgbin" ]] || die "$pgbin missing: run bash bench/peers/install.sh ${dir@Q}"
[[ "$pgbin" -nt "$here/pg_query_bench.c" ]] || die "$pgbin is older than pg_query_bench.c: run install.sh again"
cmp -s "$here/package-lock.json" "$dir/node_modules/.korvan-installed-lock.json" \
    || die "npm peers missing or not the pinned versions in $dir: run install.sh again"
# ES modules resolve packages from the script's own folder, so the script
# runs from beside the node_modules it needs.
cp -f "$here/js_bench.mjs" "$dir/js_bench.mjs" || die "cannot copy js_bench.mjs into $dir"

# Backstop in case a peer cannot be stopped from inside: warm-up, two phases
# of passes, and start-up, with room to spare.
hard_limit="$(awk -v t="$timeout_s" -v b="$budget_s" -v w="$warmup_s" 'BEGIN { printf "%d", 4 * t + 2 * b + w + 60 }')"

failed=0
errlog="$(mktemp)"
trap 'rm -f "$errlog"' EXIT
for f in "${files[@]}"; do
    base="$(basename "$f")"
    for peer in "${selected[@]}"; do
        common=(--timeout "$timeout_s" --budget "$budget_s" --warmup "$warmup_s" --stack-mb "$stack_mb")
        if [[ "$peer" == "libpg_query" ]]; then
            cmd=("$pgbin" "${common[@]}" "$f")
        else
            cmd=(node "$dir/js_bench.mjs" --peer "$peer" "${common[@]}" "$f")
        fi
        out="$(timeout -k 10 "$hard_limit" "${cmd[@]}" 2>"$errlog")"
        rc=$?
        if [[ $rc -eq 0 && "$out" == "$peer"$'\t'"$base"$'\t'* && "$out" != *$'\n'* ]]; then
            line="$out"
        else
            # Crashed, killed, or said something unexpected: keep the row.
            if [[ $rc -eq 124 || $rc -eq 137 ]]; then
                status="timeout"
            else
                why="$(grep -v '^[[:space:]]*$' "$errlog" | tail -n 1 | tr '\t' ' ' | cut -c1-160)"
                [[ -n "$why" ]] || why="$(printf '%s' "$out" | tail -n 1 | tr '\t' ' ' | cut -c1-160)"
                if [[ $rc -gt 128 ]]; then
                    how="killed by SIG$(kill -l $((rc - 128)) 2>/dev/null || echo $((rc - 128)))"
                else
                    how="exited with status $rc"
                fi
                status="error: $how${why:+: $why}"
            fi
            line="$peer"$'\t'"$base"$'\t-\t'"$(wc -c <"$f" | tr -d ' ')"$'\t-\t-\t'"$status"
        fi
        printf '%s\n' "$line"
        [[ "${line##*$'\t'}" == error:* ]] && failed=$((failed + 1))
    done
done
if [[ $failed -gt 0 ]]; then
    printf 'run.sh: %d (peer, file) run(s) ended in an error; see the status column\n' "$failed" >&2
    exit 1
fi
exit 0
