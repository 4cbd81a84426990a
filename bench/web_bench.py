#!/usr/bin/env python3
"""The page's benchmarks in Debian's headless Chromium, served from loopback as files:
- start-up, from navigation to the window's first frame (its first picture put on a canvas),
  against a bare page of the same widgets built with the same Qt and link options, the two loaded
  in turn, the browser's cache off;
- the download: each file raw, with gzip -9 and with brotli, as servers send them, the .wasm
  against the bare page's;
- a batch of 900, from the Return on Plus 900 More to the new count told, against the desktop's
  (window_bench's BM_WindowBatch900FromReturn, offscreen: the same span), in the same run.
Prints each figure beside its goal; exits with status 1 if a goal is missed.
Usage: web_bench.py WASM_BUILD_DIR WINDOW_BENCH [LOADS]
"""

import json
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

build, window_bench = sys.argv[1], sys.argv[2]
loads = int(sys.argv[3]) if len(sys.argv) > 3 else 10
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync", "--window-size=800,600"]
# The first picture Qt puts on any canvas, in milliseconds from navigation.
FIRST_FRAME = """const put = CanvasRenderingContext2D.prototype.putImageData;
CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    window.firstFrame ??= performance.now();
    return put.apply(this, args);
};"""
goals_met = True


def report(name, value, floor, goal, unit):
    global goals_met
    ratio = value / floor
    met = ratio <= goal
    goals_met &= met
    print(f"{name}: {value:.1f} {unit} against {floor:.1f} {unit}: {ratio:.2f}x (goal {goal:.2f}x) "
          f"{'met' if met else 'MISSED'}")


def compressed(path, *command):
    with open(path, "rb") as source:
        return len(subprocess.run(command, stdin=source, capture_output=True, check=True).stdout)


def sizes():
    files = {name: os.path.join(build, "web", name) for name in sorted(os.listdir(os.path.join(build, "web")))}
    files["bare page's .wasm"] = os.path.join(build, "bench", "bare_page.wasm")
    measured = {}
    print(f"{'file':<20} {'raw':>10} {'gzip -9':>10} {'brotli':>10}")
    for name, path in files.items():
        row = (os.path.getsize(path), compressed(path, "gzip", "-9", "-c"), compressed(path, "brotli", "-c", "-q", "11"))
        measured[name] = row
        print(f"{name:<20} {row[0]:>10} {row[1]:>10} {row[2]:>10}")
    page = [sum(row[column] for name, row in measured.items() if name != "bare page's .wasm") for column in range(3)]
    print(f"{'the page, in all':<20} {page[0]:>10} {page[1]:>10} {page[2]:>10}")
    for column, how in enumerate(("raw", "with gzip -9", "with brotli")):
        report(f"the .wasm {how}", measured["gridwick.wasm"][column] / 1e6, measured["bare page's .wasm"][column] / 1e6,
               1.10, "MB")


def first_frame(browser, address):
    browser.get(address)
    deadline = time.monotonic() + 30
    while (frame := browser.execute_script("return window.firstFrame")) is None:
        if time.monotonic() > deadline:
            raise SystemExit(f"no frame from {address}")
        time.sleep(0.01)
    return frame


def batch_of_900(browser, address):
    """Milliseconds from the Return on Plus 900 More to the line that tells the new count."""
    browser.get(address)
    while browser.execute_script("return document.getElementById('state').textContent") != "":
        time.sleep(0.05)
    browser.execute_script("""window.batchTimes = [];
        document.addEventListener('keydown', e => { if (e.key === 'Enter') window.returned = e.timeStamp; }, true);
        const region = document.querySelector('[aria-live="polite"]');
        new MutationObserver(() => window.batchTimes.push(performance.now() - window.returned))
            .observe(region, {childList: true, characterData: true, subtree: true});""")
    times = []
    for run in range(5):
        ActionChains(browser).key_down(Keys.ALT).send_keys("r").key_up(Keys.ALT).perform()
        time.sleep(0.3)
        ActionChains(browser).send_keys(*[Keys.DOWN] * 8).pause(0.2).send_keys(Keys.RETURN).perform()
        deadline = time.monotonic() + 30
        while len(browser.execute_script("return window.batchTimes")) <= run:
            if time.monotonic() > deadline:
                raise SystemExit("the batch of 900 did not end")
            time.sleep(0.01)
        times.append(browser.execute_script("return window.batchTimes")[run])
    told = browser.execute_script("return document.querySelector('[aria-live=\"polite\"]').textContent")
    if not re.search(r"\b4500\b", told):
        raise SystemExit(f"five batches of 900 told {told!r}")
    return statistics.median(times)


def desktop_batch_of_900():
    done = subprocess.run([window_bench, "--benchmark_filter=BM_WindowBatch900FromReturn", "--benchmark_format=json",
                           "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"],
                          env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), capture_output=True, text=True, check=True)
    median = next(row for row in json.loads(done.stdout)["benchmarks"] if row.get("aggregate_name") == "median")
    return median["real_time"] / 1000  # microseconds


server = subprocess.Popen(["python3", "-u", "-m", "http.server", "--bind", "127.0.0.1", "--directory", build, "0"],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
try:
    port = re.search(r" port (\d+)", server.stdout.readline()).group(1)
    page, bare = f"http://127.0.0.1:{port}/web/index.html", f"http://127.0.0.1:{port}/bench/bare_page.html"
    sizes()
    with tempfile.TemporaryDirectory() as profile:
        options = webdriver.ChromeOptions()
        for flag in FLAGS + [f"--user-data-dir={profile}"]:
            options.add_argument(flag)
        browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        try:
            browser.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
            browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": FIRST_FRAME})
            frames = {page: [], bare: []}
            for _ in range(loads):
                for address in frames:
                    frames[address].append(first_frame(browser, address))
            for address, times in frames.items():
                print(f"first frame of {address.rsplit('/', 1)[1]}: {' '.join(f'{t:.0f}' for t in times)} ms")
            report("start-up to the first frame (median)", statistics.median(frames[page]),
                   statistics.median(frames[bare]), 1.10, "ms")
            web = batch_of_900(browser, page)
        finally:
            browser.quit()
    report("a batch of 900, Return to the count told (median)", web, desktop_batch_of_900(), 1.5, "ms")
finally:
    server.terminate()
sys.exit(0 if goals_met else 1)
