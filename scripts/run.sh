#!/usr/bin/env bash
# The main job: installs what is needed and builds the Korvan libraries.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)"
echo
echo "Built the core library: build/runtime/libkorvan_core.a (scanner and framework services)."
echo "The command-line tool korvan-sql arrives with the SELECT parser."
