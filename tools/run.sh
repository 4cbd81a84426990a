#!/usr/bin/env bash
# Builds Gridwick, installing only what that needs, and opens its window. Arguments go to the
# program (--version, --help, Qt's own options).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh program
exec build/program/window/gridwick "$@"
