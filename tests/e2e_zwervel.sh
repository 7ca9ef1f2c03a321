#!/usr/bin/env bash
# The whole program as a user meets it: started beside a prepared configuration file under a
# real X server and window manager, "Zwervel tonen" clicked, the address caught by a stand-in
# browser, the window closed through the window manager, and the file on disk compared.
# Argument: the built program. Exit 77 (skipped) where the X tools are missing.
set -euo pipefail

programma=${1:?usage: e2e_zwervel.sh path/to/zwervel}

for nodig in Xvfb openbox xdotool xprop; do
    if ! command -v "$nodig" >/dev/null 2>&1; then
        echo "SKIP: $nodig is not installed (apt-get install xvfb openbox xdotool x11-utils)"
        exit 77
    fi
done

werk=$(mktemp -d)
pids=()
opruimen() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$werk"
}
trap opruimen EXIT

fout() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to $1 tenths of a second for the command that follows to succeed.
wacht() {
    local tienden=$1
    shift
    for ((i = 0; i < tienden; i++)); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}

# True once the process has ended (gone, or a zombie waiting for its status).
beeindigd() {
    local stand
    stand=$(ps -o stat= -p "$1" 2>/dev/null) || return 0
    [[ $stand == Z* ]]
}

# ---- the program beside its prepared file, as an older copy wrote it (Windows-1252) -------
cp "$programma" "$werk/zwervel"
printf 'route=Nieuwegein / Den Haag(Centrum)//Z\xfcrich/z\xfcrich\r\nplaats=Z\xfcrich\x0fAmsterdam\x0f\r\nroutes=Rome, Colosseum/Parijs\x0f\r\n' \
    >"$werk/zwervel.cfg"
# Normal form (of a run of the same place the last stays), brackets removed, each place
# percent-encoded as UTF-8.
verwacht_adres='https://www.google.com/maps/dir/Nieuwegein/Den%20Haag/z%C3%BCrich'
# Normal form with the brackets kept; the places sorted; still Windows-1252.
printf 'route=Nieuwegein/Den Haag(Centrum)/z\xfcrich\r\nplaats=Amsterdam\x0fZ\xfcrich\x0f\r\nroutes=Rome, Colosseum/Parijs\x0f\r\n' \
    >"$werk/verwacht.cfg"

# ---- a stand-in browser: records how many arguments it got, and each one -----------------
mkdir "$werk/bin"
cat >"$werk/bin/xdg-open" <<EOF
#!/bin/sh
{ printf '%s' "\$#"; printf ' %s' "\$@"; printf '\n'; } >>"$werk/adressen"
EOF
chmod +x "$werk/bin/xdg-open"

# ---- an X server on a free display, and a window manager ------------------------------------
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >"$werk/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 20 -u "$displayfd" nummer || fout "Xvfb did not start: $(cat "$werk/xvfb.log")"
exec {displayfd}<&-
export DISPLAY=":$nummer"

openbox --sm-disable >"$werk/openbox.log" 2>&1 &
pids+=($!)
wacht 200 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fout "openbox did not start: $(cat "$werk/openbox.log")"

# ---- the program ----------------------------------------------------------------------------
# In a sanitizer build the system's D-Bus library leaks a buffer at exit; only that is excused.
echo 'leak:libdbus-1.so' >"$werk/lsan.supp"
export LSAN_OPTIONS="suppressions=$werk/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
mkdir -m 700 "$werk/runtime"
export XDG_RUNTIME_DIR="$werk/runtime"
PATH="$werk/bin:$PATH" BROWSER="$werk/bin/xdg-open" QT_QPA_PLATFORM=xcb \
    "$werk/zwervel" >"$werk/zwervel.log" 2>&1 &
zwervel_pid=$!
pids+=("$zwervel_pid")

venster=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zwervel$' | head -n 1) ||
    fout "the window did not appear: $(cat "$werk/zwervel.log")"
[[ -n $venster ]] || fout "the window did not appear"

# "Zwervel tonen" lies at Left 240, Top 6480, 5775 by 375 twips in a client area of 6195 by
# 6990 twips; its middle, scaled to the window's real size in pixels.
read -r breedte hoogte < <(xdotool getwindowgeometry "$venster" |
    sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')
x=$(( breedte * (240 * 2 + 5775) / (2 * 6195) ))
y=$(( hoogte * (6480 * 2 + 375) / (2 * 6990) ))
xdotool mousemove --window "$venster" "$x" "$y" click 1

wacht 100 test -s "$werk/adressen" || fout "no address reached the browser: $(cat "$werk/zwervel.log")"
adres=$(cat "$werk/adressen")
[[ $adres == "1 $verwacht_adres" ]] ||
    fout "the browser got '$adres', expected one argument '$verwacht_adres'"

# ---- closed through the window manager (its Alt+F4), then the file on disk ------------------
xdotool windowactivate --sync "$venster"
xdotool key --clearmodifiers alt+F4
wacht 100 beeindigd "$zwervel_pid" || fout "the program did not end after Alt+F4"
status=0
wait "$zwervel_pid" || status=$?
[[ $status -eq 0 ]] || fout "the program ended with status $status: $(cat "$werk/zwervel.log")"

if ! cmp -s "$werk/zwervel.cfg" "$werk/verwacht.cfg"; then
    echo "expected:" >&2; od -c "$werk/verwacht.cfg" >&2
    echo "found:" >&2; od -c "$werk/zwervel.cfg" >&2
    fout "the configuration file differs"
fi
echo "PASS: address '$verwacht_adres' opened, configuration file written as expected"
