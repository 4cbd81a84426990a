#!/usr/bin/env bash
# Installs what one preset's build needs, then configures and builds it in build/PRESET:
#   build.sh program   the program alone, as tools/run.sh opens it
#   build.sh release   the optimised build with its tests and benchmarks
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:?"usage: build.sh program|release"}
bash tools/install-deps.sh "$preset"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
