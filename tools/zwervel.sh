#!/usr/bin/env bash
# Installs what is missing, builds, and then starts Zwervel (`run`) or runs every test (`test`).
# Works on a fresh Debian 12 machine, as root or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ ccache qt6-base-dev qt6-svg-dev libgl-dev
          fonts-liberation2 xvfb xauth openbox xdotool x11-utils)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

case "${1:-}" in
run)
    install_missing
    build dev
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: Zwervel is a desktop program and needs one." >&2
        echo "Start it under a virtual X server instead:" >&2
        echo "    xvfb-run -a build/dev/zwervel" >&2
        exit 1
    fi
    exec build/dev/zwervel
    ;;
test)
    install_missing
    build dev
    ctest --preset dev
    # The same tests with AddressSanitizer and UndefinedBehaviorSanitizer.
    build asan
    ctest --preset asan
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
