# shellcheck shell=bash
# Sourced by the scripts that start servers and programs in the background: a scratch folder
# in $work, and every process whose id is added to $pids is stopped by that id when the script
# exits, whatever way it ends. wait_until waits for a server to come up.
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
