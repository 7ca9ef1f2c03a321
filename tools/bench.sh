#!/usr/bin/env bash
# Builds the release preset and runs every benchmark, printing one table. The driver starts its
# own X server (Xvfb) for the start-up rows and shows everything else offscreen, so no display
# is needed. Extra arguments go to the driver (for example: --repeats 20).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release
build/release/bench/zwervel_bench "$@"
