#!/usr/bin/env bash
# Started with no display to connect to, the program says so in one line and fails cleanly
# (no abort, no core dump).
set -uo pipefail
program=$1
stderr=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1 >/dev/null)
status=$?
failures=0
expect() {
    if eval "$2"; then echo "PASS $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}
expect "exits with status 1" '[[ $status -eq 1 ]]'
expect "prints exactly one line" '[[ $(printf "%s\n" "$stderr" | wc -l) -eq 1 ]]'
expect "the line says why" '[[ $stderr == "gridwick: cannot open the window: "*"DISPLAY is not set"* ]]'
echo "$stderr"
echo "no-display: $((3 - failures)) passed, $failures failed"
exit $((failures > 0))
