#!/usr/bin/env bash
# Serves the web page (build/wasm/web) on 127.0.0.1 for a look in a browser, as any static web
# server would: Python's own, until Ctrl+C.
#   serve-web.sh [PORT]   (8000 unless given)
# The page is built on Debian 13 with `cmake --workflow --preset wasm` (after
# `bash tools/install-deps.sh web` and `bash tools/qt-for-wasm.sh`); on Debian 12,
# `bash tools/test-on-debian13.sh web` builds it in the Debian 13 chroot and puts it here.
set -euo pipefail
cd "$(dirname "$0")/.."
page=build/wasm/web
port=${1:-8000}
if [[ ! -f $page/index.html ]]; then
    echo "serve-web.sh: no page in $page yet: build it first (see the top of this script)" >&2
    exit 1
fi
echo "Gridwick's page at http://127.0.0.1:$port/ (Ctrl+C stops the server)"
exec python3 -m http.server --bind 127.0.0.1 --directory "$page" "$port"
