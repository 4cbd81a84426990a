#!/usr/bin/env bash
# Builds everything and runs every test, as CI does: the optimised build's whole suite (end-to-end
# and package tests included); the tally, window and a shorter soak again under AddressSanitizer
# and UndefinedBehaviorSanitizer, and built with Clang; the whole program for Windows, tried
# under Wine; the optimised build's suite on Debian 13; then the style checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh test
bash tools/qt-for-windows.sh

# Making Debian 13's chroot is mostly downloading: it goes on beside the host's builds.
mkdir -p build
bash tools/test-on-debian13.sh prepare >build/debian13-prepare.log 2>&1 &
prepare=$!
trap 'kill "$prepare" 2>/dev/null || true' EXIT

for preset in release sanitize clang windows; do
    echo "=== $preset"
    cmake --workflow --preset "$preset"
done

wait "$prepare" || { cat build/debian13-prepare.log; exit 1; }
tail -n 1 build/debian13-prepare.log
bash tools/test-on-debian13.sh

bash tools/check-style.sh
