#!/usr/bin/env bash
# Builds everything and runs every test: the optimised build, the same suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, the whole program built with Clang, the
# runtime and tally cross-built for Windows and run under Wine, then the style checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
ctest --preset release

for preset in sanitize clang mingw; do
    echo "=== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

bash tools/check-style.sh
