#!/usr/bin/env bash
# Configures and builds the optimised tree in build/release.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
