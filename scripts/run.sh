#!/usr/bin/env bash
# The main job: installs what is needed, builds Korvan and runs korvan-sql on a sample statement,
# printing the statement as the query model writes it back.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release -j"$(nproc)" >/dev/null
echo "== samples/customers.sql, read and written back by build/release/tools/korvan-sql/korvan-sql:"
build/release/tools/korvan-sql/korvan-sql samples/customers.sql
