#!/usr/bin/env bash
# The program under a Wayland compositor: a headless Weston and Qt's Wayland platform plug-in.
# It starts on a prepared settings file, shows its window, is ended as a session ends it
# (SIGTERM), and its shut-down save is compared with what it should write.
# Argument: the built program. Exit 77 (skipped) where Weston or the plug-in is missing.
set -euo pipefail

program=${1:?usage: e2e_wayland.sh path/to/zwervel}

if ! command -v weston >/dev/null 2>&1; then
    echo "SKIP: weston is not installed (apt-get install weston qt6-wayland)"
    exit 77
fi
plugins=$(dirname "$(dirname "$(find /usr/lib -path '*qt6/plugins/platforms/libqxcb.so' -print -quit)")")
if ! ls "$plugins"/platforms/libqwayland*.so >/dev/null 2>&1; then
    echo "SKIP: Qt's Wayland platform plug-in is not installed (apt-get install qt6-wayland)"
    exit 77
fi

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
weston --backend=headless-backend.so --use-pixman --socket=wayland-zwervel --idle-time=0 \
    >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 200 test -S "$XDG_RUNTIME_DIR/wayland-zwervel" ||
    fail "weston did not start: $(cat "$work/weston.log")"

# A file the save rewrites: a route not yet in normal form, the places out of order.
mkdir "$work/app"
cp "$program" "$work/app/zwervel"
printf 'route=Ede / Zeist\r\nplaats=Zeist\x0fEde\x0f\r\nroutes=Ede/Zeist\x0f\r\n' >"$work/app/zwervel.cfg"
printf 'route=Ede/Zeist\r\nplaats=Ede\x0fZeist\x0f\r\nroutes=Ede/Zeist\x0f\r\n' >"$work/expected.cfg"

# In a sanitizer build the system's D-Bus library leaks a buffer at exit; only that is excused.
echo 'leak:libdbus-1.so' >"$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# The client's protocol log shows when its window is there.
WAYLAND_DISPLAY=wayland-zwervel QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    "$work/app/zwervel" >"$work/zwervel.log" 2>&1 &
zwervel_pid=$!
pids+=("$zwervel_pid")
wait_for 300 grep -q 'xdg_toplevel@[0-9]*\.set_title' "$work/zwervel.log" ||
    fail "the window did not appear: $(grep -v '^\[' "$work/zwervel.log" | tail -n 20)"
has_ended "$zwervel_pid" && fail "the program ended by itself"

kill -s TERM "$zwervel_pid"
wait_for 100 has_ended "$zwervel_pid" || fail "the program did not end after SIGTERM"
status=0
wait "$zwervel_pid" || status=$?
[[ $status -eq 0 ]] || fail "the program ended with status $status"
if ! cmp -s "$work/app/zwervel.cfg" "$work/expected.cfg"; then
    echo "expected:" >&2; od -c "$work/expected.cfg" >&2
    echo "found:" >&2; od -c "$work/app/zwervel.cfg" >&2
    fail "the settings file differs"
fi
echo "PASS: started under Wayland, ended by SIGTERM, settings saved as expected"
