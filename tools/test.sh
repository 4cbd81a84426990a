#!/usr/bin/env bash
# Builds everything and runs every test, then the style checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
ctest --preset release
bash tools/check-style.sh
