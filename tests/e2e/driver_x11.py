"""Gridwick under X11, driven by real X input (xdotool) and read over AT-SPI."""

import pytest

import xwindow
from atspi_tree import AtspiDriver, wait_for


class X11Driver(AtspiDriver):
    platform = "x11"

    def __init__(self, program, scratch, environment):
        super().__init__(program, scratch / "gridwick-x11.log", dict(environment, QT_QPA_PLATFORM="xcb"))
        self.window = xwindow.xdotool("search", "--sync", "--onlyvisible", "--pid",
                                      str(self.process.process.pid), "--name", "^Gridwick$").split()[0]
        xwindow.focus(self.window)

    def title(self):
        return xwindow.title(self.window)

    def window_class(self):
        return xwindow.wm_class(self.window)

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
                return wait_for(lambda: self.shown_item(item), f"{item} to show", timeout=4)
            except TimeoutError:
                xwindow.keys("Escape")
        raise TimeoutError(f"{' '.join(keys)} did not show {item}")

    @staticmethod
    def click_item(item):
        (x, y), (width, height) = item.position, item.size
        xwindow.click(x + width // 2, y + height // 2)

    def add_100(self, way):
        if way == "menu bar":  # opened from the keyboard, its first item is chosen
            self.open_menu(["alt+r"], "Plus 100 More")
            xwindow.keys("Return")
        elif way == "right button":
            xwindow.click(10, 390, button=3, window=self.window)  # below TOTAL PICKS, on the bare surface
            self.click_item(wait_for(lambda: self.shown_item("Plus 100 More"), "the pop-up menu"))
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
        self.question()

    def question_title(self):
        return xwindow.title(xwindow.window_titled(r"^QUIT\?!$"))

    def answer(self, button):
        xwindow.keys(f"alt+{button[0].lower()}")
