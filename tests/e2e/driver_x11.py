"""Gridwick under X11, driven by real X input (xdotool) and read over AT-SPI."""

import os

import pytest

import xwindow
from atspi_tree import GridwickTree, wait_for
from processes import Started, wait_until


class X11Driver:
    platform = "x11"

    def __init__(self, program, scratch, environment):
        self.log = scratch / "gridwick-x11.log"
        self.process = Started([program], self.log, env=dict(os.environ, QT_QPA_PLATFORM="xcb", **environment))
        self.tree = GridwickTree(self.process.process.pid, self.process.printed)
        self.window = xwindow.xdotool("search", "--sync", "--onlyvisible", "--pid",
                                      str(self.process.process.pid), "--name", "^Gridwick$").split()[0]
        xwindow.focus(self.window)

    def stop(self):
        self.tree.close()
        self.process.stop()

    def title(self):
        return xwindow.title(self.window)

    def window_class(self):
        return xwindow.wm_class(self.window)

    def boxes(self):
        return self.tree.boxes()

    def picks_reach(self, count):
        """The boxes, once they show `count` picks."""
        wait_for(lambda: self.boxes()["Total picks"] == str(count), f"{count} picks")
        return self.boxes()

    @staticmethod
    def wait(condition, what, timeout=10.0):
        return wait_for(condition, what, timeout)

    def spoken(self):
        return self.tree.spoken()

    def pick(self):
        xwindow.focus(self.window)
        xwindow.keys("alt+k")

    def open_menu(self, keys, item):
        """The menu that keys open, once its item shows. X sends a key pressed before a menu
        shows to the window instead; on a busy machine the keys are tried again."""
        for _ in range(3):
            xwindow.focus(self.window)
            xwindow.keys(*keys)
            try:
                return wait_for(lambda: self.tree.shown_item(item), f"{item} to show", timeout=4)
            except TimeoutError:
                xwindow.keys("Escape")
        raise TimeoutError(f"{' '.join(keys)} did not show {item}")

    def click_item(self, item):
        x, y = item.position
        width, height = item.size
        xwindow.click(x + width // 2, y + height // 2)

    def add_100(self, way):
        if way == "menu bar":
            self.click_item(self.open_menu(["alt+r"], "Plus 100 More"))
        elif way == "right button":
            xwindow.click(10, 390, button=3, window=self.window)  # below TOTAL PICKS, on the bare surface
            self.click_item(wait_for(lambda: self.tree.shown_item("Plus 100 More"), "the pop-up menu"))
        else:  # the first item is Plus 100 More
            self.open_menu([way], "Plus 100 More")
            xwindow.keys("Down", "Return")

    def print_window(self):
        self.open_menu(["alt+f"], "Print")
        xwindow.keys("p")

    def ask_to_quit(self, way):
        if way != "File > Exit":
            pytest.skip("the X11 run has no window manager to pass a close request on")
        self.open_menu(["alt+f"], "Exit")
        xwindow.keys("x")
        self.tree.question()

    def question_title(self):
        return xwindow.title(xwindow.xdotool("search", "--sync", "--onlyvisible", "--name", r"^QUIT\?!$").split()[0])

    def question_text(self):
        return self.tree.question_text()

    def answer(self, button):
        xwindow.keys(f"alt+{button[0].lower()}")

    def wait_question_closed(self):
        self.tree.wait_question_closed()

    def running(self):
        return self.process.process.poll() is None

    def wait_for_end(self):
        wait_until(lambda: not self.running(), "the program to end")
        return self.process.process.returncode
