#!/usr/bin/env bash
# Runs a command with DISPLAY on a private Xvfb, which is stopped afterwards.
# Usage: on_private_xvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../../tools/private-xvfb.sh
source "$(dirname "$(realpath "$0")")/../../tools/private-xvfb.sh"
start_xvfb
"$@"
