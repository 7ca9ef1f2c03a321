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
