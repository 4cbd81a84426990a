"""Gridwick as a native Wayland client on a headless weston, read and driven over AT-SPI.

Headless weston has no input seat: every command goes through an accessible action, as an
assistive technology sends it. Run as a script with a process id, it chooses File > Exit in that
program: the action returns only once the modal quit question has closed, so it runs in a child
process while the test answers the question.
"""

import re
import sys

import pyatspi
import pytest
from gi.repository import GLib

from atspi_tree import AtspiDriver, application, press, wait_for
from processes import Started

NO_INPUT = "headless weston has no input device; commands go through accessible actions"


class Driver(AtspiDriver):
    platform = "wayland"

    def __init__(self, option, scratch, **environment):
        self.log = scratch / "gridwick-wayland.log"
        self.log.unlink(missing_ok=True)
        # WAYLAND_DEBUG logs the client's requests: the titles the compositor received.
        super().__init__(option("program"), self.log, dict(environment, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="client"))

    def titles_sent(self):
        """Every title given through xdg_toplevel.set_title. libwayland 1.21 logs an object as
        xdg_toplevel@16, 1.23 as xdg_toplevel#16."""
        return re.findall(r'xdg_toplevel[@#]\d+\.set_title\("(.*)"\)', self.process.printed())

    def title(self):
        return wait_for(self.titles_sent, "a title sent to the compositor")[-1]

    def pick(self):
        self.press(pyatspi.ROLE_PUSH_BUTTON, "PICK!!")

    def add_100(self, way):
        if way != "menu bar":
            pytest.skip(NO_INPUT)
        self.press(pyatspi.ROLE_MENU_ITEM, "Plus 100 More")

    def print_window(self):
        try:
            self.press(pyatspi.ROLE_MENU_ITEM, "Print")
        except GLib.GError as error:  # the call may time out while the page prints; the PDF decides
            if "reply" not in str(error):
                raise

    def ask_to_quit(self, way):
        if way != "File > Exit":
            pytest.skip(NO_INPUT)
        chooser = Started([sys.executable, __file__, str(self.process.process.pid)], self.log.with_suffix(".exit.log"))
        try:
            self.question()
        except TimeoutError as error:
            raise AssertionError(f"{error}; choosing Exit printed:\n{chooser.printed()}") from None

    def question_title(self):
        wait_for(lambda: "QUIT?!" in self.titles_sent(), "the question's title to reach the compositor")
        return self.titles_sent()[-1]

    def answer(self, button):
        try:
            self.press(pyatspi.ROLE_PUSH_BUTTON, button, root=self.question())
        except GLib.GError as error:  # a program that ends on the answer may not reply to it
            if "disconnected" not in str(error):
                raise


if __name__ == "__main__":
    press(application(int(sys.argv[1])), pyatspi.ROLE_MENU_ITEM, "Exit")
