"""Drives the real Gridwick program with real X input and reads its boxes over AT-SPI.

Run by run_end_to_end.sh inside a private D-Bus session, with DISPLAY on a private Xvfb and
CUPS_SERVER on a private scheduler whose default queue is cups-pdf.
Usage: drive_gridwick.py PROGRAM PDF_OUTPUT_DIR [--smoke]
  --smoke: only start, one pick and a clean Exit (for the installed package).
"""

import os
import pathlib
import subprocess
import sys
import time

import pyatspi

PROGRAM, PDF_DIR = sys.argv[1], pathlib.Path(sys.argv[2])
SMOKE = "--smoke" in sys.argv[3:]
BOX_NAMES = ["Visitor score", "Visitor winner", "Visitor wins", "Home score", "Home winner",
             "Home wins", "Total", "Ties", "Total picks"]
results = []


class CheckFailed(Exception):
    pass


def require(condition, detail):
    """A check that holds under python3 -O too, unlike assert."""
    if not condition:
        raise CheckFailed(str(detail))


def wait_for(condition, what, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise CheckFailed(f"timed out waiting for {what}")


def check(name, smoke=False):
    def run(test):
        if SMOKE and not smoke:
            return
        try:
            test()
            results.append((name, None))
            print(f"PASS {name}", flush=True)
        except Exception as error:  # one failed check must not stop the others
            results.append((name, error))
            print(f"FAIL {name}: {error}", flush=True)
    return run


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout.strip()


def walk(node):
    for child in node:
        if child is not None:
            yield child
            yield from walk(child)


def gridwick_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Gridwick":
            return app
    return None


def boxes():
    """Every text box's text, by its accessible name."""
    texts = {}
    for node in walk(gridwick_app()):
        if node.getRole() == pyatspi.ROLE_TEXT and node.name in BOX_NAMES:
            texts[node.name] = node.queryText().getText(0, -1)
    return texts


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def quit_question():
    app = gridwick_app()
    for node in app:
        if node is not None and node.name == "QUIT?!" and showing(node):
            return node
    return None


def title_on_screen(window_id):
    """The title the window system received (_NET_WM_NAME), not the widget's own property."""
    line = run_text(["xprop", "-id", window_id, "_NET_WM_NAME"])
    return line.split(" = ", 1)[1].strip().strip('"') if " = " in line else line


def run_text(command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout.strip()


def picks_reach(count):
    return wait_for(lambda: (lambda t: t if t["Total picks"] == str(count) else None)(boxes()),
                    f"{count} picks")


def press_keys(*keys):
    for key in keys:
        xdotool("key", "--clearmodifiers", key)
        time.sleep(0.15)


environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
bus_launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
program = subprocess.Popen([PROGRAM], env=environment)
try:
    wait_for(gridwick_app, "Gridwick on the accessibility bus")
    window = xdotool("search", "--sync", "--onlyvisible", "--name", "^Gridwick$").split()[0]
    xdotool("windowfocus", "--sync", window)

    @check("the window's title on screen is exactly Gridwick", smoke=True)
    def _():
        require(title_on_screen(window) == "Gridwick", title_on_screen(window))

    @check("starts with nine empty boxes", smoke=True)
    def _():
        texts = wait_for(lambda: (lambda t: t if len(t) == 9 else None)(boxes()), "nine boxes")
        require(all(text == "" for text in texts.values()), texts)

    @check("Alt+K makes one pick", smoke=True)
    def _():
        press_keys("alt+k")
        texts = wait_for(lambda: (lambda t: t if t["Total picks"] == "1" else None)(boxes()), "the pick")
        visitor, home = int(texts["Visitor score"]), int(texts["Home score"])
        require(2 <= visitor <= 70 and 2 <= home <= 70, texts)
        require(int(texts["Total"]) == visitor + home, texts)
        outcome = [texts["Visitor wins"], texts["Home wins"], texts["Ties"]]
        require(sorted(outcome) == ["", "", "1"], texts)
        require((texts["Visitor winner"] == "WINNER!!") == (visitor > home), texts)
        require((texts["Home winner"] == "WINNER!!") == (home > visitor), texts)

    @check("right-button pop-up runs Plus 100 More")
    def _():
        xdotool("mousemove", "--window", window, "10", "390", "click", "3")
        item = wait_for(lambda: next((n for n in walk(gridwick_app())
                                      if n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name == "Plus 100 More"
                                      and showing(n)), None), "the pop-up menu")
        box = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")
        texts = picks_reach(101)
        wins = sum(int(texts[name] or 0) for name in ("Visitor wins", "Home wins", "Ties"))
        require(wins == 101, texts)

    @check("the Menu key and Shift+F10 open the same pop-up; Down and Enter run Plus 100 More")
    def _():
        for key, total in (("Menu", 201), ("shift+F10", 301)):
            press_keys(key)
            wait_for(lambda: next((n for n in walk(gridwick_app())
                                   if n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name == "Plus 100 More"
                                   and showing(n)), None), f"the pop-up from {key}")
            press_keys("Down", "Return")
            picks_reach(total)

    @check("File > Print puts one page on the default printer")
    def _():
        def pdfs():  # the private scheduler numbers jobs from 1 again, so names repeat across runs
            return {path: path.stat().st_mtime_ns for path in PDF_DIR.glob("*.pdf")} if PDF_DIR.exists() else {}

        before = pdfs()
        press_keys("alt+f", "p")
        pdf = wait_for(lambda: next((path for path, mtime in pdfs().items() if before.get(path) != mtime), None),
                       "the printed PDF", timeout=60)
        wait_for(lambda: pdf.stat().st_size > 0 and b"%%EOF" in pdf.read_bytes()[-64:], "the PDF to be complete")
        info = subprocess.run(["pdfinfo", str(pdf)], check=True, capture_output=True, text=True).stdout
        pages = [line.split()[-1] for line in info.splitlines() if line.startswith("Pages:")]
        require(pages == ["1"], info)
        require("Gridwick" in pdf.name, pdf.name)
        # Sharp on paper: the window drawn at the printer's resolution, so no picture below
        # 300 ppi; or drawn as text, with the captions in it.
        images = run_text(["pdfimages", "-list", str(pdf)]).splitlines()[2:]
        ppi = [min(int(row.split()[12]), int(row.split()[13])) for row in images]
        text = run_text(["pdftotext", "-layout", str(pdf), "-"])
        require(ppi or "VISITOR" in text, "the page is empty")
        require(all(value >= 300 for value in ppi), "\n".join(images))
        require(boxes()["Total picks"] == "301", boxes())
        pdf.unlink()

    @check("File > Exit answered No keeps everything")
    def _():
        xdotool("windowfocus", "--sync", window)
        press_keys("alt+f", "x")
        wait_for(quit_question, "the quit question")
        question = xdotool("search", "--sync", "--onlyvisible", "--name", "QUIT").split()[0]
        require(title_on_screen(question) == "QUIT?!", title_on_screen(question))
        press_keys("alt+n")
        wait_for(lambda: quit_question() is None, "the question to close")
        time.sleep(0.3)
        require(program.poll() is None, "the program ended")
        require(boxes()["Total picks"] == "301", boxes())

    @check("File > Exit answered Yes ends the program", smoke=True)
    def _():
        xdotool("windowfocus", "--sync", window)
        press_keys("alt+f", "x")
        wait_for(quit_question, "the quit question")
        press_keys("Return")  # Yes is the default button
        wait_for(lambda: program.poll() is not None, "the program to end", timeout=5)
        require(program.returncode == 0, program.returncode)
finally:
    for process in (program, bus_launcher):
        if process.poll() is None:
            process.terminate()
            process.wait(timeout=5)

failed = sum(1 for _, error in results if error is not None)
print(f"end-to-end: {len(results) - failed} passed, {failed} failed")
sys.exit(1 if failed or not results else 0)
