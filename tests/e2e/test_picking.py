"""A session of use, in one run of the program: its window, a pick, batches from the menu bar and
the pop-up, a printed page, and the quit question answered No."""

import subprocess

import pytest

from processes import wait_until
from scenarios import BOX_NAMES, SOURCE_DIR, require_one_pick, require_outcomes_add_up, spoken_result


@pytest.mark.smoke
def test_window_title_on_screen_is_gridwick(driver):
    assert driver.title() == "Gridwick"


def test_window_class_is_the_desktop_entrys_startup_wm_class(driver):
    """By it docks find the window's launcher."""
    if driver.platform != "x11":
        pytest.skip("only X11 has window classes")
    entry = (SOURCE_DIR / "packaging/io.github.gridwick.Gridwick.desktop").read_text().splitlines()
    assert [line.split("=", 1)[1] for line in entry if line.startswith("StartupWMClass=")] == [driver.window_class()]


@pytest.mark.smoke
def test_starts_with_nine_empty_boxes(driver):
    assert driver.boxes() == dict.fromkeys(BOX_NAMES, "")


@pytest.mark.smoke
def test_pick_is_shown_and_told_once(driver):
    driver.pick()
    boxes = driver.picks_reach(1)
    require_one_pick(boxes)
    assert driver.spoken() == [spoken_result(boxes)]


@pytest.mark.parametrize("way", ["menu bar", "right button", "Menu", "shift+F10"])
def test_plus_100_more(driver, way):
    picks = int(driver.picks())
    driver.add_100(way)
    boxes = driver.picks_reach(picks + 100)
    require_outcomes_add_up(boxes, picks + 100)
    assert driver.spoken() == [spoken_result(boxes)]


def test_escape_closes_a_second_pop_up(driver):
    """After a pop-up from the right button, the keyboard still reaches the window."""
    if driver.platform != "web":
        pytest.skip("only a page can lose the keyboard to the right button (its focus left on the page)")
    boxes = driver.boxes()
    assert driver.escape_closes_pop_up()
    assert driver.boxes() == boxes


def test_print_puts_one_sharp_page_on_the_default_printer(driver, printer):
    def pdfs():  # the private scheduler numbers jobs from 1 again, so names repeat across runs
        return {path: path.stat().st_mtime_ns for path in printer.glob("*.pdf")} if printer.exists() else {}

    before, picks = pdfs(), driver.picks()
    driver.print_window()
    pdf = wait_until(lambda: next((path for path, mtime in pdfs().items() if before.get(path) != mtime), None),
                      "the printed PDF", timeout=60)
    wait_until(lambda: b"%%EOF" in pdf.read_bytes()[-64:], "the PDF to be complete")
    assert "Gridwick" in pdf.name
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    assert "\nPages:           1\n" in info
    # Sharp on paper: the window drawn at the printer's resolution, so no picture below 300 ppi,
    # each as wide as the window's 470 px at 96 dpi; or drawn as text, with the captions in it.
    images = subprocess.run(["pdfimages", "-list", pdf], capture_output=True, text=True, check=True).stdout
    rows = [row.split() for row in images.splitlines()[2:]]
    ppi = [min(int(row[12]), int(row[13])) for row in rows]
    assert [round(int(row[3]) * 96 / int(row[12])) for row in rows] == [470] * len(rows), images
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True, check=True).stdout
    assert ppi or "VISITOR" in text, "the page is empty"
    assert all(value >= 300 for value in ppi), images
    assert driver.picks() == picks
    pdf.unlink()


@pytest.mark.parametrize("way", ["File > Exit", "close button"])
def test_quit_answered_no_keeps_everything(driver, way):
    boxes = driver.boxes()
    driver.ask_to_quit(way)
    assert driver.question_title() == "QUIT?!"
    driver.answer("No")
    driver.wait_question_closed()
    assert driver.running()
    assert driver.boxes() == boxes
