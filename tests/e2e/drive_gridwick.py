"""Drives the real Gridwick program with real X input and reads its boxes over AT-SPI.

Run by run_end_to_end.sh inside a private D-Bus session, with DISPLAY on a private Xvfb and
CUPS_SERVER on a private scheduler whose default queue is cups-pdf.
Usage: drive_gridwick.py PROGRAM PDF_OUTPUT_DIR [--smoke]
  --smoke: only start, one pick and a clean Exit (the installed package's autopkgtest).
"""

import os
import pathlib
import subprocess
import sys
import tempfile
import time

import pyatspi

import gridwick_atspi
from gridwick_atspi import (ACCESSIBILITY_ENVIRONMENT, check, summary, SpokenLines, boxes, do_action,
                            find, gridwick_app, picks_reach, quit_question, require, require_one_pick,
                            require_outcomes_add_up, spoken_result, start_accessibility_bus, wait_for,
                            wait_for_program_on_bus, walk)

PROGRAM, PDF_DIR = sys.argv[1], pathlib.Path(sys.argv[2])
gridwick_atspi.smoke_only = "--smoke" in sys.argv[3:]


def run_text(command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout.strip()


def xdotool(*args):
    return run_text(["xdotool", *args])


def title_on_screen(window_id):
    """The title the window system received (_NET_WM_NAME), not the widget's own property."""
    line = run_text(["xprop", "-id", window_id, "_NET_WM_NAME"])
    return line.split(" = ", 1)[1].strip().strip('"') if " = " in line else line


def press_keys(*keys):
    for key in keys:
        xdotool("key", "--clearmodifiers", key)
        time.sleep(0.15)


def choose_exit():
    """File > Exit from the keyboard. X waits for the menu: on a busy machine a key pressed before
    the menu shows goes to the window instead."""
    press_keys("alt+f")
    wait_for(lambda: find(pyatspi.ROLE_MENU_ITEM, "Exit", shown=True), "the File menu")
    press_keys("x")


environment = dict(os.environ, **ACCESSIBILITY_ENVIRONMENT, QT_QPA_PLATFORM="xcb")
bus_launcher = start_accessibility_bus()
spoken = SpokenLines()
log = tempfile.NamedTemporaryFile(prefix="gridwick-", suffix=".log")
program = subprocess.Popen([PROGRAM], env=environment, stdout=log, stderr=subprocess.STDOUT)
try:
    wait_for_program_on_bus(program, log.name)
    window = xdotool("search", "--sync", "--onlyvisible", "--name", "^Gridwick$").split()[0]
    xdotool("windowfocus", "--sync", window)

    def title_is_gridwick():
        require(title_on_screen(window) == "Gridwick", title_on_screen(window))
    check("the window's title on screen is exactly Gridwick", title_is_gridwick, smoke=True)

    def class_is_startup_wm_class():
        entry = pathlib.Path(__file__).resolve().parents[2] / "packaging/io.github.gridwick.Gridwick.desktop"
        startup_class = [line.split("=", 1)[1] for line in entry.read_text().splitlines()
                         if line.startswith("StartupWMClass=")]
        wm_class = run_text(["xprop", "-id", window, "WM_CLASS"])
        require(startup_class == [wm_class.split('"')[3]], f"{wm_class}; the entry's: {startup_class}")
    check("the window's class is the desktop entry's StartupWMClass, by which docks find its launcher", class_is_startup_wm_class)

    def nine_empty_boxes():
        texts = wait_for(lambda: (lambda t: t if len(t) == 9 else None)(boxes()), "nine boxes")
        require(all(text == "" for text in texts.values()), texts)
    check("starts with nine empty boxes", nine_empty_boxes, smoke=True)

    def alt_k_picks_and_is_told():
        press_keys("alt+k")
        texts = picks_reach(1)
        require_one_pick(texts)
        wait_for(lambda: spoken.lines, "a spoken line")
        require(spoken.lines == [spoken_result(texts)], spoken.lines)
    check("Alt+K makes one pick, and a screen reader is told its result once", alt_k_picks_and_is_told, smoke=True)

    def pop_up_adds_100():
        del spoken.lines[:]
        xdotool("mousemove", "--window", window, "10", "390", "click", "3")
        item = wait_for(lambda: find(pyatspi.ROLE_MENU_ITEM, "Plus 100 More", shown=True),
                        "the pop-up menu")
        box = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")
        texts = picks_reach(101)
        require_outcomes_add_up(texts, 101)
        wait_for(lambda: spoken.lines, "a spoken line")
        time.sleep(0.3)
        require(spoken.lines == [spoken_result(texts)], spoken.lines)
    check("right-button pop-up runs Plus 100 More, told once", pop_up_adds_100)

    def pop_up_from_keys():
        for key, total in (("Menu", 201), ("shift+F10", 301)):
            press_keys(key)
            wait_for(lambda: find(pyatspi.ROLE_MENU_ITEM, "Plus 100 More", shown=True),
                     f"the pop-up from {key}")
            press_keys("Down", "Return")
            picks_reach(total)
    check("the Menu key and Shift+F10 open the same pop-up; Down and Enter run Plus 100 More", pop_up_from_keys)

    def print_one_page():
        def pdfs():  # the private scheduler numbers jobs from 1 again, so names repeat across runs
            return {path: path.stat().st_mtime_ns for path in PDF_DIR.glob("*.pdf")} if PDF_DIR.exists() else {}

        before = pdfs()
        press_keys("alt+f", "p")
        pdf = wait_for(lambda: next((path for path, mtime in pdfs().items() if before.get(path) != mtime), None),
                       "the printed PDF", timeout=60)
        wait_for(lambda: pdf.stat().st_size > 0 and b"%%EOF" in pdf.read_bytes()[-64:], "the PDF to be complete")
        info = run_text(["pdfinfo", str(pdf)])
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
    check("File > Print puts one page on the default printer", print_one_page)

    def exit_answered_no():
        xdotool("windowfocus", "--sync", window)
        choose_exit()
        wait_for(quit_question, "the quit question")
        question = xdotool("search", "--sync", "--onlyvisible", "--name", "QUIT").split()[0]
        require(title_on_screen(question) == "QUIT?!", title_on_screen(question))
        press_keys("alt+n")
        wait_for(lambda: quit_question() is None, "the question to close")
        time.sleep(0.3)
        require(program.poll() is None, "the program ended")
        require(boxes()["Total picks"] == "301", boxes())
    check("File > Exit answered No keeps everything", exit_answered_no)

    def exit_answered_yes():
        xdotool("windowfocus", "--sync", window)
        choose_exit()
        wait_for(quit_question, "the quit question")
        press_keys("Return")  # Yes is the default button
        wait_for(lambda: program.poll() is not None, "the program to end", timeout=5)
        require(program.returncode == 0, program.returncode)
    check("File > Exit answered Yes ends the program", exit_answered_yes, smoke=True)

    def quit_question_in_german_and_french():
        for language, yes, no in (("de_DE.UTF-8", "Ja", "Nein"), ("fr_FR.UTF-8", "Oui", "Non")):
            translated = subprocess.Popen([PROGRAM], stdout=log, stderr=subprocess.STDOUT, env=dict(
                {key: value for key, value in environment.items() if not key.startswith(("LC_", "LANGUAGE"))},
                LANG=language))
            try:
                wait_for_program_on_bus(translated, log.name)
                window = xdotool("search", "--sync", "--onlyvisible", "--name", "^Gridwick$").split()[0]
                xdotool("windowfocus", "--sync", window)
                choose_exit()
                question = wait_for(quit_question, f"the quit question in {language}")
                buttons = wait_for(lambda: sorted(node.name for node in walk(question)
                                                  if node.getRole() == pyatspi.ROLE_PUSH_BUTTON), "its buttons")
                require(buttons == sorted([yes, no]), f"{language}: {buttons}")
                do_action(find(pyatspi.ROLE_PUSH_BUTTON, no, root=question), "Press")
                wait_for(lambda: quit_question() is None, f"{no} to close the question")
                require(translated.poll() is None, f"{no} ended the program")
            finally:
                translated.terminate()
                translated.wait(timeout=5)
            wait_for(lambda: gridwick_app() is None, "the program to leave the bus")
    check("under LANG=de_DE.UTF-8 and fr_FR.UTF-8 the quit question asks Ja/Nein and Oui/Non", quit_question_in_german_and_french)
finally:
    for process in (program, bus_launcher):
        if process.poll() is None:
            process.terminate()
            process.wait(timeout=5)

sys.exit(summary("end-to-end"))
