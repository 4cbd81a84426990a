#!/usr/bin/env bash
# Builds everything and runs every test, as CI does: the optimised build's whole suite (end-to-end
# and package tests included); the tally, window and a shorter soak again under AddressSanitizer
# and UndefinedBehaviorSanitizer, and built with Clang; gridwick.exe, built against Qt 6.8 for
# Windows and tried under Wine, which only Debian 13 can build; then the style checks. On Debian
# 12 the optimised build's suite runs once more on Debian 13, in a chroot that also builds
# gridwick.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh test
# shellcheck source=/dev/null # the release
release=$(. /etc/os-release && echo "${VERSION_ID:-0}")
presets=(release sanitize clang)
if ((release >= 13)); then
    bash tools/qt-for-windows.sh
    presets+=(windows)
else
    # Making Debian 13's chroot is mostly downloading: it goes on beside the host's builds.
    mkdir -p build
    bash tools/test-on-debian13.sh prepare >build/debian13-prepare.log 2>&1 &
    prepare=$!
    trap 'kill "$prepare" 2>/dev/null || true' EXIT
fi

for preset in "${presets[@]}"; do
    echo "=== $preset"
    cmake --workflow --preset "$preset"
done

if ((release < 13)); then
    wait "$prepare" || { cat build/debian13-prepare.log; exit 1; }
    tail -n 1 build/debian13-prepare.log
    bash tools/test-on-debian13.sh
fi

bash tools/check-style.sh
