#!/usr/bin/env bash
# The whole program as a user meets it: started beside a prepared configuration file under a
# real X server and window manager, "Zwervel tonen" clicked, the address caught by a stand-in
# browser, the window closed through the window manager, and the file on disk compared. Then
# ended as a session or a terminal ends it (SIGTERM, SIGINT, SIGHUP): it still saves. Last, one
# window per settings file: a second start ends at once, a copy in another folder runs beside
# it, and a copy that crashed does not stop the next start.
# Argument: the built program. Exit 77 (skipped) where the X tools are missing.
set -euo pipefail

program=${1:?usage: e2e_zwervel.sh path/to/zwervel}

for tool in Xvfb openbox xdotool xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (apt-get install xvfb openbox xdotool x11-utils)"
        exit 77
    fi
done

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

# ---- the program beside its prepared file, as an older copy wrote it (Windows-1252) -------
cp "$program" "$work/zwervel"
prepare_settings_and_browser

# ---- an X server on a free display, and a window manager ------------------------------------
start_x_server_and_window_manager

# ---- the program ----------------------------------------------------------------------------
# In a sanitizer build the system's D-Bus library leaks a buffer at exit; only that is excused.
echo 'leak:libdbus-1.so' >"$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
PATH="$work/bin:$PATH" BROWSER="$work/bin/xdg-open" QT_QPA_PLATFORM=xcb \
    "$work/zwervel" >"$work/zwervel.log" 2>&1 &
zwervel_pid=$!
pids+=("$zwervel_pid")

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zwervel$' | head -n 1) ||
    fail "the window did not appear: $(cat "$work/zwervel.log")"
[[ -n $window ]] || fail "the window did not appear"

click_show_route "$window"
check_address "$(cat "$work/zwervel.log")"

# ---- closed through the window manager (its Alt+F4), then the file on disk ------------------
# On a busy machine the window manager may not have given the window the keyboard yet when
# the keys arrive: then they are sent once more.
close_with_alt_f4() {
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers alt+F4
    wait_for 50 has_ended "$zwervel_pid"
}
close_with_alt_f4 || close_with_alt_f4 || fail "the program did not end after Alt+F4"
status=0
wait "$zwervel_pid" || status=$?
[[ $status -eq 0 ]] || fail "the program ended with status $status: $(cat "$work/zwervel.log")"

check_saved_settings
echo "PASS: address '$expected_address' opened, configuration file written as expected"

# ---- ended from outside: the same shut-down save ---------------------------------------------
for signal in TERM INT HUP; do
    rm -f "$work/zwervel.cfg"
    QT_QPA_PLATFORM=xcb "$work/zwervel" >"$work/zwervel.log" 2>&1 &
    zwervel_pid=$!
    pids+=("$zwervel_pid")
    timeout 20 xdotool search --sync --onlyvisible --name '^Zwervel$' >/dev/null ||
        fail "the window did not appear: $(cat "$work/zwervel.log")"
    kill -s "$signal" "$zwervel_pid"
    wait_for 100 has_ended "$zwervel_pid" || fail "the program did not end after SIG$signal"
    status=0
    wait "$zwervel_pid" || status=$?
    [[ $status -eq 0 ]] || fail "SIG$signal: the program ended with status $status"
    [[ "$(cat "$work/zwervel.cfg" 2>/dev/null)" == $'route=\r\nplaats=\r\nroutes=\r' ]] ||
        fail "SIG$signal: no shut-down save: $(od -c "$work/zwervel.cfg" 2>&1)"
done
echo "PASS: SIGTERM, SIGINT and SIGHUP end the program with its shut-down save"

# ---- one window per settings file ----------------------------------------------------------
count_windows() {
    xdotool search --onlyvisible --name '^Zwervel$' 2>/dev/null | wc -l
}
windows_are() {
    [[ "$(count_windows)" -eq $1 ]]
}
start_copy() { # folder; sets started_pid
    QT_QPA_PLATFORM=xcb "$1/zwervel" >>"$work/zwervel.log" 2>&1 &
    started_pid=$!
    pids+=("$started_pid")
}
start_copy "$work"
first_pid=$started_pid
wait_for 200 windows_are 1 || fail "the first copy did not appear"
status=0
timeout 20 env QT_QPA_PLATFORM=xcb "$work/zwervel" >>"$work/zwervel.log" 2>&1 || status=$?
[[ $status -eq 0 ]] || fail "a second start on the same file ended with status $status"
windows_are 1 || fail "a second start on the same file opened a window"
# A first copy that does not answer (stopped here) is named in a message box, not passed over.
kill -s STOP "$first_pid"
start_copy "$work"
wait_for 100 windows_are 2 || fail "a second start beside a hung copy said nothing"
kill "$started_pid"
kill -s CONT "$first_pid"
mkdir "$work/other"
cp "$program" "$work/other/zwervel"
start_copy "$work/other"
other_pid=$started_pid
wait_for 200 windows_are 2 || fail "a copy in another folder did not run beside"
# A crash leaves its lock behind; the next start on that file takes it over.
kill -s KILL "$first_pid"
wait_for 100 has_ended "$first_pid" || fail "the first copy did not end"
wait_for 100 windows_are 1 || fail "the crashed copy's window stayed"
start_copy "$work"
again_pid=$started_pid
wait_for 200 windows_are 2 || fail "a start after a crash did not open its window"
kill "$again_pid" "$other_pid"
wait_for 100 has_ended "$again_pid" && wait_for 100 has_ended "$other_pid" ||
    fail "the copies did not end"
echo "PASS: one window per settings file, side by side on two files, a crash's lock taken over"

