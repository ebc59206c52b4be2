#!/usr/bin/env bash
# Installs the SQL parsers Korvan is compared with, pinned, into a scratch
# folder (nothing global but one Debian package):
#   libpg_query          Debian package libpg-query-dev, plus pg_query_bench
#                        built from pg_query_bench.c
#   sqlparser-rs (wasm)  npm @guanmingchiu/sqlparser-ts  } versions pinned in
#   node-sql-parser      npm node-sql-parser              } package.json and
#   pgsql-ast-parser     npm pgsql-ast-parser             } package-lock.json
#
#   bash bench/peers/install.sh [SCRATCH_DIR]
#
# SCRATCH_DIR defaults to $KORVAN_PEERS_DIR, else build/bench/peers under the
# repository root.  Safe to run again: does only what is missing or stale.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
scratch="${1:-${KORVAN_PEERS_DIR:-$root/build/bench/peers}}"

# Must match the version pinned for the Debian package.
PG_QUERY_VERSION="15-4.0.0-2"

say() { printf 'install.sh: %s\n' "$*" >&2; }
die() { say "error: $*"; exit 1; }

command -v node >/dev/null || die "node is needed (Node.js 20 or later)"
command -v npm >/dev/null || die "npm is needed"
command -v cc >/dev/null || die "a C compiler (cc) is needed"

# --- libpg_query --------------------------------------------------------------
installed="$(dpkg-query -W -f='${db:Status-Status} ${Version}' libpg-query-dev 2>/dev/null || true)"
if [[ "$installed" != "installed $PG_QUERY_VERSION" ]]; then
    say "installing libpg-query-dev=$PG_QUERY_VERSION (found: ${installed:-none})"
    sudo=()
    [[ "$(id -u)" -eq 0 ]] || sudo=(sudo)
    apt_install() {
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -q --no-install-recommends "libpg-query-dev=$PG_QUERY_VERSION" >/dev/null
    }
    if ! apt_install; then
        say "apt-get install failed; updating the package lists and trying again"
        "${sudo[@]}" apt-get update -q >/dev/null
        apt_install || die "could not install libpg-query-dev=$PG_QUERY_VERSION"
    fi
fi
[[ -f /usr/include/pg_query.h ]] || die "/usr/include/pg_query.h missing after installing libpg-query-dev"

mkdir -p "$scratch"
scratch="$(cd "$scratch" && pwd)"

bin="$scratch/pg_query_bench"
if [[ ! -x "$bin" || "$here/pg_query_bench.c" -nt "$bin" || /usr/include/pg_query.h -nt "$bin" ]]; then
    say "building $bin"
    cc -std=c11 -O2 -Wall -Wextra -Werror -pthread -o "$bin.tmp" "$here/pg_query_bench.c" -lpg_query
    mv -f "$bin.tmp" "$bin"
fi

# --- npm peers ------------------------------------------------------------------
# npm ci installs exactly what the lock file says; it runs again whenever the
# pinned files differ from the ones it last installed from.
stamp="$scratch/node_modules/.korvan-installed-lock.json"
if ! cmp -s "$here/package-lock.json" "$stamp" || ! cmp -s "$here/package.json" "$scratch/package.json"; then
    say "installing the npm peers into $scratch/node_modules"
    cp -f "$here/package.json" "$here/package-lock.json" "$scratch/"
    (cd "$scratch" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
    cp -f "$here/package-lock.json" "$stamp"
fi
