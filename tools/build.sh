#!/usr/bin/env bash
# Configures and builds the optimised tree in build/release. Its arguments go to install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh "$@"
cmake --preset release >/dev/null
cmake --build --preset release
