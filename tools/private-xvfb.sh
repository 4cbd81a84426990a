# shellcheck shell=bash
# Sourced by the scripts that start servers and programs in the background: a scratch folder
# in $work, and every process whose id is added to $pids is stopped by that id when the script
# exits, whatever way it ends. wait_until waits for a server to come up; start_xvfb starts a
# private X server.
work=$(mktemp -d)
pids=()

# shellcheck disable=SC2317 # called by the trap below
stop_started_processes() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap stop_started_processes EXIT

# Runs a command every tenth of a second until it succeeds, for up to ten seconds.
wait_until() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Starts Xvfb on a display it picks itself as free (-displayfd, which also holds inside a chroot
# that shares the host's abstract X sockets) and exports DISPLAY. -noreset: otherwise the last
# client to leave (the accessibility bus launcher does, early) resets the server, and a client
# connecting during the reset is refused.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
        </dev/null >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    wait_until test -s "$work/display" \
        || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; return 1; }
    DISPLAY=":$(head -n 1 "$work/display")"
    export DISPLAY
}
