#!/usr/bin/env bash
# Builds everything and runs every test, as CI does: the optimised build's whole suite (end-to-end
# and package tests included); the tally, window and a shorter soak again under AddressSanitizer
# and UndefinedBehaviorSanitizer, and built with Clang; the whole program for Windows, tried
# under Wine; the optimised build's suite on Debian 13; then the style checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh

# Making Debian 13's chroot is mostly downloading: it goes on beside the host's builds.
bash tools/test-on-debian13.sh prepare >build/debian13-prepare.log 2>&1 &
prepare=$!
trap 'kill "$prepare" 2>/dev/null || true' EXIT

ctest --preset release

for preset in sanitize clang windows; do
    echo "=== $preset"
    if [[ $preset == windows ]]; then
        bash tools/qt-for-windows.sh
    fi
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

wait "$prepare" || { cat build/debian13-prepare.log; exit 1; }
tail -n 1 build/debian13-prepare.log
bash tools/test-on-debian13.sh

bash tools/check-style.sh
