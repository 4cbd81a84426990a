#!/usr/bin/env bash
# With no display to connect to: --version and --help answer on stdout and exit 0; a plain
# start says in one line why it cannot open the window and fails cleanly (no abort, no core
# dump). An unknown option is refused in one line, also after Qt's own options.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source-path=SCRIPTDIR source=checks.sh
source "$(dirname "$(realpath "$0")")/checks.sh"

# Runs the program without a display; sets out, err and status.
run() {
    out=$(timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" \
        2>"$work/err")
    status=$?
    err=$(<"$work/err")
    echo "\$ gridwick $*  -> status $status"
    printf '%s\n' "$out" "$err" | sed '/^$/d; s/^/    /'
}

one_line() { [[ -n $1 && $(printf '%s\n' "$1" | wc -l) -eq 1 ]]; }

run
check "a plain start fails with status 1" test "$status" -eq 1
check "and says why in one line" one_line "$err"
check "the line names the missing display" \
    test "${err#gridwick: cannot open the window: *DISPLAY is not set}" != "$err"

run --version
check "--version exits 0" test "$status" -eq 0
check "--version prints the name and version" test "$out" = "Gridwick 1.00"

run --help
check "--help exits 0 and is quiet on stderr" test "$status" -eq 0 -a -z "$err"
check "--help names both options" grep -q -- '-h, --help.*-v, --version' <<<"${out//$'\n'/ }"
check "--help says Qt's options apply" grep -q -- '-platform' <<<"$out"

run --no-such-option
check "an unknown option fails" test "$status" -ne 0
check "without a display too, in one line" one_line "$err"

run -platform offscreen --no-such-option
check "after Qt's options an unknown option fails with status 2" test "$status" -eq 2
check "in one line that names it and points to --help" \
    grep -qx "gridwick: Unknown option 'no-such-option'. Try 'gridwick --help'." <<<"$err"

summary no-display
