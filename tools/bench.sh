#!/usr/bin/env bash
# Builds the release preset and runs every benchmark, printing one table. Extra arguments go
# to the driver (for example: --repeats 20).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release
QT_QPA_PLATFORM=offscreen build/release/bench/zwervel_bench "$@"
