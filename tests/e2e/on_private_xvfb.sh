#!/usr/bin/env bash
# Runs a command with DISPLAY on a private Xvfb, which is stopped afterwards.
# Usage: on_private_xvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
# shellcheck source-path=SCRIPTDIR source=processes.sh
source "$here/processes.sh"
start_xvfb
status=0
"$@" || status=$?
exit "$status"
