#!/usr/bin/env bash
# The real program on a private Xvfb, driven by real X input (xdotool), read over AT-SPI, and
# printing to a private CUPS scheduler whose default queue is cups-pdf. Every process it
# starts, it stops by process id.
# Usage: run_end_to_end.sh PATH_TO_GRIDWICK
set -euo pipefail

program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source-path=SCRIPTDIR source=processes.sh
source "$here/processes.sh"
chmod 755 "$work" # the scheduler's filters run as lp and read the spool below it

# shellcheck source-path=SCRIPTDIR source=private_cups.sh
source "$here/private_cups.sh"

start_xvfb
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

# A scheduler that will not take the printer gets one fresh start before the test fails.
for attempt in 1 2; do
    start_private_cups "$work/cups-$attempt"
    pids+=("$CUPSD_PID")
    if add_pdf_printer "$work/cups-$attempt"; then
        break
    fi
    kill "$CUPSD_PID"
    ((attempt < 2)) || exit 1
done
cups_log="$work/cups-$attempt/log/error_log"

status=0
dbus-run-session -- /usr/bin/python3 "$here/drive_gridwick.py" "$program" "$(cups_pdf_output_dir)" \
    || status=$?
if ((status != 0)) && [[ -f $cups_log ]]; then
    echo "--- private CUPS error log" >&2
    grep -E "^[EW] |Job" "$cups_log" >&2 || true
fi
exit "$status"
