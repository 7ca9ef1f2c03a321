#!/usr/bin/env bash
# Builds the release preset and runs every benchmark, printing two tables. The driver starts its
# own X server (Xvfb) for the start-up rows and shows everything else offscreen, so no display
# is needed. Extra arguments go to the driver (for example: --repeats 20). Then the latency
# table: the program on an X server with a window manager of its own, driven by input events
# and timed until its drawing is quiet (bench/latency.py; needs python3-xlib and openbox).
# `--latency-only` skips the first table; `--latency-repeats N` sets the rounds (7 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
driver_args=()
latency_args=()
latency_only=false
while [ $# -gt 0 ]; do
    case "$1" in
    --latency-only) latency_only=true ;;
    --latency-repeats)
        latency_args+=(--repeats "$2")
        shift
        ;;
    *) driver_args+=("$1") ;;
    esac
    shift
done
cmake --preset release >/dev/null
cmake --build --preset release
$latency_only || build/release/bench/zwervel_bench "${driver_args[@]}"
echo
if ! /usr/bin/python3 -c 'import Xlib' 2>/dev/null; then
    echo "The latency table needs python3-xlib: sudo apt install python3-xlib" >&2
    exit 1
fi
/usr/bin/python3 bench/latency.py --program build/release/zwervel \
    --bench build/release/bench/zwervel_bench "${latency_args[@]}"
