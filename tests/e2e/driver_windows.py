"""gridwick.exe under Wine on the private X server: real X input (xdotool), the boxes read by OCR
from the window's picture, and the lines told to UI Automation read from Wine's log.

A screen reader first asks the window for its UI Automation provider (the helper program does
that); then Qt raises each announcement as a notification, which Wine's stub logs on its
uiautomation channel.
"""

import os
import re
import subprocess
import time

import wine
import xwindow
from pictures import CLIENT_HEIGHT, LAYOUT, as_dark_on_light, magick
from processes import Started, wait_until

CLIENT_WIDTH = 470  # at 96 dpi
TOLD = re.compile(r"Visitor \d+, home \d+, (?:visitor wins|home wins|a tie), \d+ picks?")


def box_rectangles():
    """Each text box's rectangle in the client area at 96 dpi, by its accessible name."""
    boxes = {}
    for widget in LAYOUT.iter("widget"):
        name = widget.find("property[@name='accessibleName']/string")
        if widget.get("class") == "QLineEdit" and name is not None:
            boxes[name.text] = [int(widget.find(f"property[@name='geometry']/rect/{key}").text)
                                for key in ("x", "y", "width", "height")]
    return boxes


def ocr(picture, *options):
    return subprocess.run(["tesseract", str(picture), "-", *options], capture_output=True, text=True,
                          timeout=30).stdout.strip()


class WindowsDriver:
    platform = "windows"

    def __init__(self, program, scratch, environment, ask_for_provider, arguments=()):
        self.scratch = scratch
        self.log = scratch / "gridwick-windows.log"
        self.log.unlink(missing_ok=True)
        self.process = Started([wine.WINE, program, *arguments], self.log, env=dict(
            os.environ, WINEDEBUG="fixme+uiautomation", **environment))
        self.window = xwindow.window_titled("^Gridwick$")
        wine.run(ask_for_provider, timeout=30)
        xwindow.focus(self.window)
        self.told_before = 0

    def stop(self):
        self.process.stop()
        wine.stop_server()

    @staticmethod
    def wait(condition, what, timeout=10.0):
        return wait_until(condition, what, timeout)

    def title(self):
        return xwindow.title(self.window)

    def size(self):
        """The window's width and height: the client area and the menu bar above it."""
        return xwindow.size(self.window)

    def scale(self):
        return xwindow.size(self.window)[0] / CLIENT_WIDTH

    def picture(self, name="window.png"):
        return xwindow.picture(self.window, self.scratch / name)

    def box_pictures(self, names=None, for_ocr=False):
        """Each box's inside, cut from one picture of the window, by its name; for OCR, drawn
        dark on light in greys, with a margin."""
        window = self.picture()
        scale = self.scale()
        top = int(magick(window, "-format", "%h", "info:")) - round(CLIENT_HEIGHT * scale)
        # Light greys, such as a box's underline, are left out.
        reading = [*as_dark_on_light(window), "-colorspace", "gray", "-level", "0,80%",
                   "-bordercolor", "white", "-border", "20"] if for_ocr else []
        pictures = {}
        for name, (x, y, width, height) in box_rectangles().items():
            if names and name not in names:
                continue
            inside = round(2 * scale)  # within the frame
            crop = (f"{round(width * scale) - 2 * inside}x{round(height * scale) - 2 * inside}"
                    f"+{round(x * scale) + inside}+{top + round(y * scale) + inside}")
            pictures[name] = self.scratch / f"box-{name.replace(' ', '-')}.png"
            magick(window, "-crop", crop, "+repage", *reading, pictures[name])
        return pictures

    def boxes(self, names=None):
        """The boxes' texts by OCR, at the screen's own size (enlarged, OCR misreads more): read
        as a line, or where that reads nothing (a lone 8), as a word."""
        texts = {}
        for name, picture in self.box_pictures(names, for_ocr=True).items():
            texts[name] = next(filter(None, (ocr(picture, "--psm", mode, "-c", "tessedit_char_whitelist=0123456789WINER!")
                                             for mode in ("7", "8"))), "")
        return texts

    def picks(self):
        return self.boxes(["Total picks"])["Total picks"]

    def picks_reach(self, count):
        wait_until(lambda: self.picks() == str(count), f"{count} picks", 20)
        return self.boxes()

    def spoken(self):
        """The lines told since the last call: once one comes, a moment for a second."""
        def told():
            return TOLD.findall("".join(line for line in self.process.printed().splitlines()
                                        if "UiaRaiseNotificationEvent" in line))
        wait_until(lambda: len(told()) > self.told_before, "a line told to UI Automation")
        time.sleep(0.5)
        lines = told()[self.told_before:]
        self.told_before += len(lines)
        return lines

    def pick(self):
        xwindow.focus(self.window)
        xwindow.keys("alt+k")

    def add_100(self, way):
        xwindow.focus(self.window)
        if way == "menu bar":
            xwindow.keys("alt+r")
            time.sleep(1)
            xwindow.keys("Return")
            return
        if way == "right button":
            xwindow.click(10, 390, button=3, window=self.window)  # below TOTAL PICKS, on the bare surface
        else:
            xwindow.keys(way)
        time.sleep(1)
        xwindow.keys("Down", "Return")  # the first item is Plus 100 More

    def print_window(self):
        xwindow.focus(self.window)
        xwindow.keys("alt+f", pause=0.5)
        xwindow.keys("p")

    def ask_to_quit(self, way):
        if way == "close button":
            subprocess.run(["wmctrl", "-i", "-c", self.window], check=True)
        else:
            xwindow.focus(self.window)
            xwindow.keys("alt+f", pause=1)
            xwindow.keys("x")
        self.question = xwindow.window_titled(r"^QUIT\?!$")

    def question_title(self):
        return xwindow.title(self.question)

    def question_text(self):
        """The question's words read by OCR from its picture, enlarged (OCR misses the caption
        inside the default button's focus frame)."""
        time.sleep(0.5)
        picture = self.scratch / "question.png"
        subprocess.run(["import", "-window", self.question, "-resize", "300%", picture], check=True, timeout=30)
        return " ".join(ocr(picture, "--psm", "11").split())

    def answer(self, button):
        xwindow.keys(f"alt+{button[0].lower()}")

    def wait_question_closed(self):
        wait_until(lambda: not xwindow.shown(self.question), "the quit question to close")

    def running(self):
        return self.process.process.poll() is None

    def wait_for_end(self):
        """The exit status, once the program ends; a second quit question, a window of its own,
        fails the wait."""
        def ended():
            questions = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", r"^QUIT\?!$"],
                                       capture_output=True, text=True).stdout.split()
            assert not set(questions) - {self.question}, "a second quit question"
            return not self.running()
        wait_until(ended, "the program to end", 20)
        return self.process.process.returncode
