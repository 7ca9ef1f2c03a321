#!/usr/bin/env bash
# Installs what is missing, builds, and then starts Zwervel (`run`) or runs every test (`test`).
# Works on a fresh Debian 12 machine, as root or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

PAKKETTEN=(cmake ninja-build g++ ccache qt6-base-dev qt6-svg-dev libgl-dev
           fonts-liberation2 xvfb xauth openbox xdotool x11-utils)

installeer() {
    local ontbreekt=()
    for p in "${PAKKETTEN[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || ontbreekt+=("$p")
    done
    [ ${#ontbreekt[@]} -eq 0 ] && return 0
    local als_root=()
    [ "$(id -u)" -eq 0 ] || als_root=(sudo)
    echo "Installing: ${ontbreekt[*]}"
    "${als_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${ontbreekt[@]}"
}

bouw() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

case "${1:-}" in
run)
    installeer
    bouw dev
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: Zwervel is a desktop program and needs one." >&2
        echo "Start it under a virtual X server instead:" >&2
        echo "    xvfb-run -a build/dev/zwervel" >&2
        exit 1
    fi
    exec build/dev/zwervel
    ;;
test)
    installeer
    bouw dev
    ctest --preset dev
    # The same tests with AddressSanitizer and UndefinedBehaviorSanitizer.
    bouw asan
    ctest --preset asan
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
