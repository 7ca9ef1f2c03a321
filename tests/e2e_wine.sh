#!/usr/bin/env bash
# The Windows program under Wine and a real X server, as its users start it: zwervel.exe beside
# a settings file that an older copy wrote (Windows-1252, CR LF, accented places), the window
# drawn, "Zwervel tonen" clicked and the address caught by a stand-in browser (Wine hands it to
# the host's xdg-open), the window closed, and the file on disk compared byte for byte.
# Arguments: zwervel.exe, and optionally a file to keep a picture of the window in.
# WINEPREFIX must name a prepared prefix (fonts in place, no crash dialog).
set -euo pipefail

program=${1:?usage: e2e_wine.sh path/to/zwervel.exe [picture.png]}
picture=${2:-}
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
export WINEDEBUG=-all

mkdir "$work/Zwervel"
cp "$program" "$work/Zwervel/zwervel.exe"
prepare_settings_and_browser
mv "$work/zwervel.cfg" "$work/Zwervel/zwervel.cfg"

start_x_server_and_window_manager
# Wine's desktop belongs to the display its first program found: an earlier server of this
# prefix (the offscreen tests') must have ended, or the window would open on no display.
wineserver -w
PATH="$work/bin:$PATH" timeout 120 wine "$work/Zwervel/zwervel.exe" >"$work/zwervel.log" 2>&1 &
zwervel_pid=$!
pids+=("$zwervel_pid")

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zwervel$' | head -n 1) ||
    fail "the window did not appear: $(cat "$work/zwervel.log")"
# Drawn: a window still blank has a colour or two, not the window's many.
drawn() {
    local colours
    colours=$(import -window "$window" -format '%k' info: 2>/dev/null) || return 1
    [[ ${colours:-0} -gt 20 ]]
}
wait_for 300 drawn || fail "the window was not drawn"
[[ -z $picture ]] || import -window "$window" "$picture"

click_show_route "$window"
check_address "$(cat "$work/zwervel.log")"

# Closed as Windows closes a window (WM_CLOSE), then the file on disk.
wine taskkill /im zwervel.exe >/dev/null 2>&1 || true
wait_for 300 has_ended "$zwervel_pid" || fail "zwervel.exe did not end after WM_CLOSE"
cp "$work/Zwervel/zwervel.cfg" "$work/zwervel.cfg"
check_saved_settings

# The end of a Windows session saves as closing the window does: started on the saved file,
# which is then spoilt behind the window's back, the session's end writes it whole again.
PATH="$work/bin:$PATH" timeout 120 wine "$work/Zwervel/zwervel.exe" >>"$work/zwervel.log" 2>&1 &
zwervel_pid=$!
# Not waited for at the end: Wine kills what is left of the program once it has saved, and
# bash would report that as a failure.
disown "$zwervel_pid"
timeout 60 xdotool search --sync --onlyvisible --name '^Zwervel$' >/dev/null ||
    fail "the window did not appear again"
printf 'route=\r\n' >"$work/Zwervel/zwervel.cfg"
timeout 60 wine wineboot --end-session --force >/dev/null 2>&1 || true
wait_for 300 has_ended "$zwervel_pid" || fail "zwervel.exe did not end with the session"
mv "$work/Zwervel/zwervel.cfg" "$work/zwervel.cfg"
check_saved_settings
echo "PASS: zwervel.exe under Wine: window drawn, address '$expected_address' opened," \
    "configuration file written as expected at its close and at the session's end"
