#!/usr/bin/env bash
# Builds everything and runs every test: the optimised build, the same suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the style checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
ctest --preset release

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

bash tools/check-style.sh
