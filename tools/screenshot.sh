#!/usr/bin/env bash
# Remakes docs/gridwick.png: the real program on a private Xvfb after one batch of picks,
# captured with ImageMagick's import (installed when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh >/dev/null
if ! command -v import >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q imagemagick >/dev/null
fi

# shellcheck source-path=SCRIPTDIR source=../tests/e2e/processes.sh
source tests/e2e/processes.sh

start_xvfb
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb build/release/window/gridwick &
pids+=($!)

window=$(xdotool search --sync --onlyvisible --name '^Gridwick$' | head -n 1)
xdotool windowfocus --sync "$window"
# Randomization > Plus 300 More, then one more pick, so that every box shows something.
xdotool key --clearmodifiers alt+r Down Down Return
sleep 0.5
xdotool key --clearmodifiers alt+k
sleep 0.5
mkdir -p docs
import -window "$window" docs/gridwick.png
echo "wrote docs/gridwick.png"
