"""Gridwick as a native Wayland client on a headless weston, read and driven over AT-SPI.

Headless weston has no input seat: every command goes through an accessible action, as an
assistive technology sends it.
"""

import re

import pyatspi
import pytest
from gi.repository import GLib

from atspi_tree import AtspiDriver, found, wait_for

NO_INPUT = "headless weston has no input device; commands go through accessible actions"
# An action the program answers only once it is done (a page printed, the modal quit question
# closed) times out after a second, also in a program's first 15 s, which libatspi exempts.
pyatspi.setTimeout(1000, -1)


class Driver(AtspiDriver):
    platform = "wayland"

    def __init__(self, option, scratch, **environment):
        log = scratch / "gridwick-wayland.log"
        log.unlink(missing_ok=True)
        # WAYLAND_DEBUG logs the client's requests: the titles the compositor received.
        super().__init__(option("program"), log, dict(environment, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="client"))

    def titles_sent(self):
        """Every title given through xdg_toplevel.set_title. libwayland 1.21 logs an object as
        xdg_toplevel@16, 1.23 as xdg_toplevel#16."""
        return re.findall(r'xdg_toplevel[@#]\d+\.set_title\("(.*)"\)', self.process.printed())

    def title(self):
        return wait_for(self.titles_sent, "a title sent to the compositor")[-1]

    def pick(self):
        self.press(pyatspi.ROLE_PUSH_BUTTON, self.words("PIC&K!!"))

    def add_100(self, way):
        if way != "menu bar":
            pytest.skip(NO_INPUT)
        self.press(pyatspi.ROLE_MENU_ITEM, self.words("Plus 100 More"))

    def press(self, role, name, root=None):
        """The node's action. A call the program answers only once done times out, and one that
        ends the program is cut off: what the program shows next says whether it worked."""
        try:
            found(lambda node: node.getRole() == role and node.name == name, name, root or self.app).doActionNamed("Press")
        except GLib.GError as error:
            if "reply" not in str(error) and "disconnected" not in str(error):
                raise

    def print_window(self):
        self.press(pyatspi.ROLE_MENU_ITEM, self.words("&Print"))

    def ask_to_quit(self, way):
        if way != "File > Exit":
            pytest.skip(NO_INPUT)
        self.press(pyatspi.ROLE_MENU_ITEM, self.words("E&xit"))
        self.question()

    def question_title(self):
        wait_for(lambda: self.words("QUIT?!") in self.titles_sent(), "the question's title to reach the compositor")
        return self.titles_sent()[-1]

    def answer(self, button):
        self.press(pyatspi.ROLE_PUSH_BUTTON, button, self.question())
