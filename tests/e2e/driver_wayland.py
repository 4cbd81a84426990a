"""Gridwick as a native Wayland client on a headless weston, read and driven over AT-SPI.

Headless weston has no input seat: every command goes through an accessible action, as an
assistive technology sends it. Run as a script with a process id, it chooses File > Exit in that
program: the action returns only once the modal quit question has closed, so it runs in a child
process while the test answers the question.
"""

import os
import re
import sys

import pytest

from atspi_tree import GridwickTree, wait_for
from processes import Started, wait_until

NO_INPUT = "headless weston has no input device; commands go through accessible actions"


class WaylandDriver:
    platform = "wayland"

    def __init__(self, program, scratch, environment):
        self.log = scratch / "gridwick-wayland.log"
        self.log.unlink(missing_ok=True)
        # WAYLAND_DEBUG logs the client's requests: the titles the compositor received.
        self.process = Started([program], self.log, env=dict(
            os.environ, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="client", **environment))
        self.tree = GridwickTree(self.process.process.pid, self.process.printed)
        self.exit_chooser = None

    def stop(self):
        self.tree.close()
        if self.exit_chooser:
            self.exit_chooser.stop()
        self.process.stop()

    def titles_sent(self):
        """Every title given through xdg_toplevel.set_title. libwayland 1.21 logs an object as
        xdg_toplevel@16, 1.23 as xdg_toplevel#16."""
        return re.findall(r'xdg_toplevel[@#]\d+\.set_title\("(.*)"\)', self.process.printed())

    def title(self):
        return wait_for(self.titles_sent, "a title sent to the compositor")[-1]

    @staticmethod
    def wait(condition, what, timeout=10.0):
        return wait_for(condition, what, timeout)

    def boxes(self):
        return self.tree.boxes()

    def picks_reach(self, count):
        wait_for(lambda: self.boxes()["Total picks"] == str(count), f"{count} picks")
        return self.boxes()

    def spoken(self):
        return self.tree.spoken()

    def pick(self):
        self.tree.press("push button", "PICK!!")

    def add_100(self, way):
        if way != "menu bar":
            pytest.skip(NO_INPUT)
        self.tree.press("menu item", "Plus 100 More")

    def print_window(self):
        self.tree.press("menu item", "Print")

    def ask_to_quit(self, way):
        if way != "File > Exit":
            pytest.skip(NO_INPUT)
        self.exit_chooser = Started([sys.executable, __file__, str(self.process.process.pid)],
                                    self.log.with_suffix(".exit.log"))
        try:
            self.tree.question()
        except Exception as error:
            raise AssertionError(f"{error}; choosing Exit printed:\n{self.exit_chooser.printed()}") from None

    def question_title(self):
        wait_for(lambda: "QUIT?!" in self.titles_sent(), "the question's title to reach the compositor")
        return self.titles_sent()[-1]

    def question_text(self):
        return self.tree.question_text()

    def answer(self, button):
        self.tree.press("push button", button, root=self.tree.question())

    def wait_question_closed(self):
        self.tree.wait_question_closed()

    def running(self):
        return self.process.process.poll() is None

    def wait_for_end(self):
        wait_until(lambda: not self.running(), "the program to end")
        return self.process.process.returncode


if __name__ == "__main__":
    GridwickTree(int(sys.argv[1]), lambda: "").press("menu item", "Exit")
