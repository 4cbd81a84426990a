#!/usr/bin/env bash
# Builds the optimised tree and runs every benchmark: the tally's, the window's (offscreen)
# and start-up against a bare Qt program (on a private Xvfb). Prints figures beside goals and
# fails if any goal is missed.
#   bench.sh           on this machine
#   bench.sh windows   start-up of gridwick.exe under Wine against a bare Qt 6.8 exe, built in
#                      Debian 13 (in its chroot when this is Debian 12)
#   bench.sh web       the web page in headless Chromium: start-up against a bare page, its
#                      download's sizes, a batch of 900 against the desktop's; built in Debian 13
#                      (in its chroot when this is Debian 12)
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ ${1:-} == web ]]; then
    # shellcheck source=tools/debian-release.sh
    . tools/debian-release.sh
    if ((GRIDWICK_DEBIAN_RELEASE < 13)); then
        exec bash tools/test-on-debian13.sh bench-web
    fi
    bash tools/install-deps.sh web
    bash tools/qt-for-wasm.sh
    bash tools/build.sh release >/dev/null
    cmake --preset wasm -DGRIDWICK_BUILD_BENCHMARKS=ON >/dev/null
    cmake --build --preset wasm --target gridwick_web bare_page >/dev/null
    exec python3 bench/web_bench.py build/wasm build/release/bench/window_bench
fi
if [[ ${1:-} == windows ]]; then
    # shellcheck source=tools/debian-release.sh
    . tools/debian-release.sh
    if ((GRIDWICK_DEBIAN_RELEASE < 13)); then
        exec bash tools/test-on-debian13.sh bench-windows
    fi
    bash tools/install-deps.sh windows
    bash tools/qt-for-windows.sh
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target startup_probe bare_qt_startup >/dev/null
    WINEPREFIX=$PWD/build/windows/wine WINEDEBUG=-all exec python3 bench/startup_bench.py build/windows 30 wine
fi
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
