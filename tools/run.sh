#!/usr/bin/env bash
# Builds Gridwick and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
exec build/release/window/gridwick "$@"
