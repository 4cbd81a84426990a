#!/usr/bin/env bash
# The real program as a native Wayland client on a private, headless weston, driven and read
# over AT-SPI. Every process it starts, it stops by process id; on failure it prints what the
# compositor and the program said.
# Usage: run_on_wayland.sh PATH_TO_GRIDWICK
set -euo pipefail

program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source-path=SCRIPTDIR source=processes.sh
source "$here/processes.sh"
chmod 700 "$work"

export XDG_RUNTIME_DIR=$work
socket=gridwick-$$
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    </dev/null >"$work/weston.log" 2>&1 &
pids+=($!)
wait_until test -S "$work/$socket" \
    || { echo "weston did not start" >&2; cat "$work/weston.log" >&2; exit 1; }
export WAYLAND_DISPLAY=$socket
unset DISPLAY

status=0
timeout 120 dbus-run-session -- /usr/bin/python3 "$here/drive_wayland.py" "$program" \
    "$work/gridwick.log" || status=$?
if ((status != 0)); then
    echo "--- weston" >&2
    cat "$work/weston.log" >&2
    echo "--- gridwick" >&2
    cat "$work/gridwick.log" >&2 || true
fi
exit "$status"
