# The helpers the end-to-end scripts share; sourced, not run. It makes the scratch folder
# $work, removed at exit together with every process listed in $pids.

work=$(mktemp -d)
pids=()
clean_up() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap clean_up EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to $1 tenths of a second for the command that follows to succeed.
wait_for() {
    local tenths=$1
    shift
    for ((i = 0; i < tenths; i++)); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}

# True once the process has ended (gone, or a zombie waiting for its status).
has_ended() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) || return 0
    [[ $state == Z* ]]
}

# An X server on a free display (exported as DISPLAY) and a window manager on it.
start_x_server_and_window_manager() {
    local displayfd display
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    read -r -t 20 -u "$displayfd" display || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    exec {displayfd}<&-
    export DISPLAY=":$display"

    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    wait_for 200 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start: $(cat "$work/openbox.log")"
}

# ---- the run the end-to-end scripts share ---------------------------------------------------

# The program's file beside it as an older copy wrote it (Windows-1252, CR LF), what closing
# the window must leave there, and a stand-in browser that records how many arguments it got,
# and each one.
prepare_settings_and_browser() {
    mkdir -p "$work/bin"
    printf 'route=Nieuwegein / Den Haag(Centrum)//Z\xfcrich/z\xfcrich\r\nplaats=Z\xfcrich\x0fAmsterdam\x0f\r\nroutes=Rome, Colosseum/Parijs\x0f\r\n' \
        >"$work/zwervel.cfg"
    # Normal form (of a run of the same place the last stays), brackets removed, each place
    # percent-encoded as UTF-8.
    expected_address='https://www.google.com/maps/dir/Nieuwegein/Den%20Haag/z%C3%BCrich'
    # Normal form with the brackets kept; the places sorted; still Windows-1252.
    printf 'route=Nieuwegein/Den Haag(Centrum)/z\xfcrich\r\nplaats=Amsterdam\x0fZ\xfcrich\x0f\r\nroutes=Rome, Colosseum/Parijs\x0f\r\n' \
        >"$work/expected.cfg"
    cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
{ printf '%s' "\$#"; printf ' %s' "\$@"; printf '\n'; } >>"$work/addresses"
EOF
    chmod +x "$work/bin/xdg-open"
}

# Clicks "Zwervel tonen": Left 240, Top 6480, 5775 by 375 twips in a client area of 6195 by
# 6990 twips; its middle, scaled to the window's real size in pixels.
click_show_route() {
    local width height
    read -r width height < <(xdotool getwindowgeometry "$1" |
        sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')
    xdotool mousemove --window "$1" $((width * (240 * 2 + 5775) / (2 * 6195))) \
        $((height * (6480 * 2 + 375) / (2 * 6990))) click 1
}

# The browser got the route's address, once, as one argument; $1 is the program's log.
check_address() {
    wait_for 100 test -s "$work/addresses" || fail "no address reached the browser: $1"
    local address
    address=$(cat "$work/addresses")
    [[ $address == "1 $expected_address" ]] ||
        fail "the browser got '$address', expected one argument '$expected_address'"
}

# The file on disk is, byte for byte, what closing the window must leave.
check_saved_settings() {
    if ! cmp -s "$work/zwervel.cfg" "$work/expected.cfg"; then
        echo "expected:" >&2; od -c "$work/expected.cfg" >&2
        echo "found:" >&2; od -c "$work/zwervel.cfg" >&2
        fail "the configuration file differs"
    fi
}
