"""Gridwick under X11, driven by real X input (xdotool) and read over AT-SPI."""

import pyatspi
import pytest

import xwindow
from atspi_tree import AtspiDriver, found


class Driver(xwindow.XInput, AtspiDriver):
    platform = "x11"

    def __init__(self, option, scratch, **environment):
        super().__init__(option("program"), scratch / "gridwick-x11.log", dict(environment, QT_QPA_PLATFORM="xcb"))
        self.window = xwindow.xdotool("search", "--sync", "--onlyvisible", "--pid",
                                      str(self.process.process.pid), "--name", "^Gridwick$").split()[0]

    def window_class(self):
        return xwindow.property_text(self.window, "WM_CLASS").split('"')[3]

    def menu_shows(self, item):
        try:
            return found(lambda node: node.getRole() == pyatspi.ROLE_MENU_ITEM and node.name == item and node.showing,
                         f"{item} to show", self.app, timeout=4)
        except TimeoutError:
            return None

    def request_close(self):
        pytest.skip("the X11 run has no window manager to pass a close request on")
