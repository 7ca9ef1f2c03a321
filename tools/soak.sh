#!/usr/bin/env bash
# A long soak of the real window under AddressSanitizer and UndefinedBehaviorSanitizer: seeded
# random user actions, every rule checked after each one.
#
#   bash tools/soak.sh [actions] [seed]
#
# The actions (250,000 by default) are spread over consecutive seeds, at most
# ZWERVEL_SOAK_PER_SEED (50,000) each, from the given seed or a random one. A failure prints its
# seed and the steps before it; the same seed and count replay it:
#
#   ZWERVEL_SOAK_SEED=<seed> ZWERVEL_SOAK_ACTIONS=<count> QT_QPA_PLATFORM=offscreen \
#       build/asan/tests/tst_soak longRun
set -euo pipefail

cd "$(dirname "$0")/.."
actions=${1:-250000}
seed=${2:-$(((RANDOM << 15) | RANDOM))}
per_seed=${ZWERVEL_SOAK_PER_SEED:-50000}
if ! [[ $actions =~ ^[0-9]+$ && $seed =~ ^[0-9]+$ && $per_seed =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: bash tools/soak.sh [actions] [seed]" >&2
    exit 2
fi

export CCACHE_BASEDIR=$PWD
cmake --preset asan >/dev/null
cmake --build --preset asan --target tst_soak

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
logs=build/asan/soak
mkdir -p "$logs"

started=$(date +%s)
left=$actions
seeds=()
while ((left > 0)); do
    count=$((left < per_seed ? left : per_seed))
    seeds+=("$seed")
    log=$logs/seed-$seed.log
    echo "seed $seed: $count actions"
    # A step that never returns (a modal loop the soak does not answer) shows as a timeout.
    if ! ZWERVEL_SOAK_SEED=$seed ZWERVEL_SOAK_ACTIONS=$count timeout 1800 \
        build/asan/tests/tst_soak longRun >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "FAILED: seed $seed ($count actions); the whole log is $log" >&2
        exit 1
    fi
    grep -o 'soak seed .*' "$log" || true
    left=$((left - count))
    seed=$((seed + 1))
done

seconds=$(($(date +%s) - started))
echo "soak: $actions actions over ${#seeds[@]} seeds (${seeds[*]}) in ${seconds} s," \
    "$((actions / (seconds > 0 ? seconds : 1))) actions/s, no failure"
