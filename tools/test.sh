#!/usr/bin/env bash
# Builds everything and runs every test, as CI does: the optimised build's whole suite (end-to-end
# and package tests included); the tally, window and a shorter soak again under AddressSanitizer
# and UndefinedBehaviorSanitizer, and built with Clang; gridwick.exe, built against Qt 6.8 for
# Windows and tried under Wine, which only Debian 13 can build; Gridwick and its Debian package
# for arm64, cross-built and tried under qemu-aarch64; the web page, built with Qt for
# WebAssembly and tried in headless Chromium (all three from amd64); then the style checks. On Debian
# 12 the README's two commands then run on Debian 13 as a new user runs them, in a chroot that
# starts as a minimal Debian 13 with build-essential: tools/run.sh --version, then this script.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tools/debian-release.sh
. tools/debian-release.sh
bash tools/install-deps.sh test
presets=(release sanitize clang)
if ((GRIDWICK_DEBIAN_RELEASE >= 13)); then
    if [[ $(dpkg --print-architecture) == amd64 ]]; then
        bash tools/qt-for-windows.sh
        bash tools/qt-for-wasm.sh
        presets+=(windows arm64 wasm)
    fi
else
    # Making Debian 13's chroot is mostly downloading: it goes on beside the host's builds.
    mkdir -p build
    bash tools/test-on-debian13.sh prepare >build/debian13-prepare.log 2>&1 &
    prepare=$!
    trap 'kill "$prepare" 2>/dev/null || true' EXIT
fi

for preset in "${presets[@]}"; do
    echo "=== $preset"
    started=$SECONDS
    cmake --workflow --preset "$preset"
    echo "=== $preset passed in $((SECONDS - started)) s"
done

if ((GRIDWICK_DEBIAN_RELEASE < 13)); then
    wait "$prepare" || { cat build/debian13-prepare.log; exit 1; }
    tail -n 1 build/debian13-prepare.log
    bash tools/test-on-debian13.sh
fi

bash tools/check-style.sh
