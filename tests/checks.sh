# shellcheck shell=bash
# Sourced by the test scripts that run named checks: check NAME COMMAND... runs one, prints
# PASS or FAIL and counts it; its output (kept in $work, which the script sets) is shown below a
# FAIL indented, or always with SHOW=1. summary TITLE prints the count and fails if any failed.
# The Python drivers print the same way (gridwick_atspi.check and summary).
passed=0
failed=0
check() {
    local name=$1
    shift
    # shellcheck disable=SC2154 # $work is the sourcing script's
    if "$@" >"$work/out" 2>&1; then
        echo "PASS $name"
        passed=$((passed + 1))
        [[ ${SHOW:-} == 1 ]] || return 0
    else
        echo "FAIL $name"
        failed=$((failed + 1))
    fi
    sed 's/^/    /' "$work/out"
}
summary() {
    echo "$1: $passed passed, $failed failed"
    ((failed == 0 && passed > 0))
}
