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

from PIL import Image

import wine
import xwindow
from pictures import Picture, ocr
from processes import Started, wait_until
from scenarios import BOX_NAMES, Words

CLIENT_WIDTH = 470  # at 96 dpi
# Wine's stub logs the line as its debugstr_w writes it, characters past ASCII as \hhhh in hex.
TOLD = re.compile(r'UiaRaiseNotificationEvent \([^,]*, \d+, \d+, L"((?:[^"\\]|\\.)*)"')


class Driver(xwindow.XInput):
    platform = "windows"

    def __init__(self, option, scratch, arguments=(), **environment):
        self.scratch = scratch
        self.words = Words(environment.get("LC_ALL", "C"))
        log = scratch / "gridwick-windows.log"
        log.unlink(missing_ok=True)
        self.process = Started([wine.WINE, option("program"), *arguments], log, env=dict(
            os.environ, WINEDEBUG="fixme+uiautomation", **environment))
        self.window = xwindow.window_titled("^Gridwick$")
        wine.run(option("ask_for_provider"), timeout=30)
        self.told_before = 0

    def close(self):
        self.process.stop()

    def size(self):
        """The window's width and height: the client area and the menu bar above it."""
        return xwindow.size(self.window)

    def picture(self):
        path = xwindow.picture(self.window, self.scratch / "window.png")
        return Picture(path, self.size()[0] / CLIENT_WIDTH, self.words)

    def boxes(self, names=BOX_NAMES):
        return self.picture().boxes(names)

    def captions(self):
        """The labels' captions as OCR reads them, each drawn whole; or what is wrong with it."""
        return sorted(read if whole else report for read, whole, report in self.picture().captions())

    def picks(self):
        return self.boxes(["Total picks"])["Total picks"]

    def picks_reach(self, count):
        wait_until(lambda: self.picks() == str(count), f"{count} picks", 20)
        return self.boxes()

    def spoken(self):
        """The lines told since the last call: once one comes, a moment for a second."""
        def told():
            return [re.sub(r"\\([0-9a-f]{4})", lambda code: chr(int(code[1], 16)), line)
                    for line in TOLD.findall(self.process.printed())]
        wait_until(lambda: len(told()) > self.told_before, "a line told to UI Automation")
        time.sleep(0.5)
        lines = told()[self.told_before:]
        self.told_before += len(lines)
        return lines

    @staticmethod
    def menu_shows(item):
        time.sleep(1)  # Wine's menus are not on the accessibility bus; they show within a second
        return True

    def request_close(self):
        subprocess.run(["wmctrl", "-i", "-c", self.window], check=True)

    def question_text(self):
        """The question's words read by OCR from its picture, enlarged (OCR misses the caption
        inside the default button's focus frame)."""
        time.sleep(0.5)
        image = Image.open(xwindow.picture(self.question_window, self.scratch / "question.png")).convert("L")
        return ocr([image.resize((image.width * 3, image.height * 3))], "-l", self.words.ocr_language, "--psm", "11")[0]
