#!/usr/bin/env bash
# Builds Gridwick. The window is not there yet: this builds the tally and its tools.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
echo "Built the tally library, its tests and benchmarks; the window comes next."
