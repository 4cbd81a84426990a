#!/usr/bin/env bash
# Remakes docs/gridwick.png: the real program on a private Xvfb after one batch of picks,
# captured with ImageMagick's import.
#   screenshot.sh [LOCALE]           the program for Linux, built for it; in a LOCALE's language
#                                    (de_DE.UTF-8), into docs/gridwick-de.png
#   screenshot.sh windows [LOCALE]   gridwick.exe under Wine, built by the windows preset, into
#                                    build/windows/gridwick-windows.png (Debian 13 only, where
#                                    it builds)
#   screenshot.sh web [LOCALE]       the web page in headless Chromium, built by the wasm preset,
#                                    the browser's languages set from the LOCALE, into
#                                    build/wasm/gridwick-web.png (Debian 13 only, where it builds)
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tools/private-xvfb.sh
source tools/private-xvfb.sh

platform=${1:-}
[[ $platform == windows || $platform == web ]] && shift
locale=${1:-C.UTF-8}
language=${locale%%[_.]*}
suffix=${language/#C/}

if [[ $platform == web ]]; then
    bash tools/install-deps.sh web
    bash tools/qt-for-wasm.sh
    cmake --preset wasm >/dev/null
    cmake --build --preset wasm --target gridwick_web >/dev/null
    # The page as the end-to-end suite's driver opens it; Plus 300 More from the pop-up, then one
    # more pick, as below; the window with the line under it.
    exec python3 - "$locale" "build/wasm/gridwick-web${suffix:+-$suffix}.png" <<'EOF'
import os, pathlib, re, sys, tempfile
sys.path.insert(0, "tests/e2e")
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
import driver_web
from processes import Started, wait_until
locale, picture = sys.argv[1:]
with tempfile.TemporaryDirectory() as folder:
    scratch = pathlib.Path(folder)
    server = Started(["python3", "-u", "-m", "http.server", "--bind", "127.0.0.1", "--directory",
                      "build/wasm/web", "0"], scratch / "server.log")
    try:
        port = wait_until(lambda: re.findall(r" port (\d+)", (scratch / "server.log").read_text()), "the server")[0]
        os.environ["GRIDWICK_PAGE"] = f"http://127.0.0.1:{port}/"
        page = driver_web.Driver(None, scratch, **({} if locale.startswith("C") else {"LC_ALL": locale}))
        ActionChains(page.browser).move_to_element_with_offset(page.window, *page.surface()).context_click().perform()
        page.menu_shows()
        page.keys(Keys.DOWN, Keys.DOWN, Keys.DOWN, Keys.RETURN)
        page.picks_reach(300)
        page.pick()
        page.picks_reach(301)
        page.browser.find_element(By.ID, "page").screenshot(picture)
        page.close()
    finally:
        server.stop()
print(f"wrote {picture}")
EOF
fi

if [[ $platform == windows ]]; then
    bash tools/install-deps.sh windows
    bash tools/qt-for-windows.sh
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target gridwick >/dev/null
    # shellcheck source=tools/wine.sh
    source tools/wine.sh
    export WINEPREFIX=$PWD/build/windows/wine
    program=("$wine" build/windows/window/gridwick.exe)
    picture=build/windows/gridwick-windows${suffix:+-$suffix}.png
    prepare_wine_prefix
else
    bash tools/install-deps.sh screenshot
    bash tools/build.sh program >/dev/null
    program=(env QT_QPA_PLATFORM=xcb build/program/window/gridwick)
    picture=docs/gridwick${suffix:+-$suffix}.png
fi

start_xvfb
mkdir -m 700 "$work/runtime"
LANG=$locale LC_ALL=$locale XDG_RUNTIME_DIR="$work/runtime" "${program[@]}" >"$work/program.log" 2>&1 &
pids+=($!)

timeout 60 xdotool search --sync --onlyvisible --name '^Gridwick$' >/dev/null
sleep 1 # Wine makes and drops a window or two on the way
window=$(xdotool search --onlyvisible --name '^Gridwick$' | head -n 1)
xdotool windowfocus --sync "$window"
# Plus 300 More from the pop-up menu, then one more pick with the focused PICK!! button, so that
# every box shows something; in every language alike.
xdotool mousemove --window "$window" 10 390 click 3
sleep 0.5
xdotool key --clearmodifiers Down Down Down Return
sleep 0.5
xdotool key --clearmodifiers space
sleep 0.5
mkdir -p "$(dirname "$picture")"
import -window "$window" "$picture"
echo "wrote $picture"
