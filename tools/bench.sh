#!/usr/bin/env bash
# Builds the optimised tree and runs every benchmark: the tally's, the window's (offscreen)
# and start-up against a bare Qt program (on a private Xvfb). Prints figures beside goals and
# fails if any goal is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh release >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
options=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
build/release/bench/tally_bench "${options[@]}" --benchmark_out="$out/tally.json" >/dev/null
QT_QPA_PLATFORM=offscreen build/release/bench/window_bench "${options[@]}" \
    --benchmark_out="$out/window.json" >/dev/null 2>&1
# Both reports run; either one's missed goal fails the script.
status=0
python3 bench/report.py "$out/tally.json" "$out/window.json" || status=1
python3 bench/startup_bench.py build/release 30 || status=1
exit "$status"
