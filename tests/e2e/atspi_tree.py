"""What the X11 and Wayland drivers share: the program read and driven over the accessibility bus
(AT-SPI). dogtail finds the nodes and runs their actions; pyatspi hears what a screen reader is told.
Roles are compared as pyatspi's constants: their names differ between AT-SPI releases (Debian 13's
calls a push button a button)."""

import os
import time

import pyatspi
from dogtail.config import config
from gi.repository import GLib

from processes import Started, wait_until
from scenarios import BOX_NAMES, Words

config.logDebugToFile = False
config.logDebugToStdOut = False
# dogtail asks the desktop's settings whether assistive technology is on; Qt joins the bus
# without them (QT_LINUX_ACCESSIBILITY_ALWAYS_ON).
config.checkForA11y = False

from dogtail import tree  # noqa: E402  (after its configuration)


def deliver_events():
    while GLib.MainContext.default().iteration(False):
        pass


def wait_for(condition, what, timeout=10.0):
    """The condition's first true value. Meanwhile the bus's events are delivered: to the
    listeners, and to the tree, which learns of new windows by them."""
    return wait_until(lambda: deliver_events() or condition(), what, timeout)


def found(condition, what, root, recursive=True, timeout=10.0):
    """The first node under root that meets the condition, waited for."""
    return wait_for(lambda: root.findChild(condition, recursive=recursive, retry=False, requireResult=False),
                    what, timeout)


def application(pid):
    def is_program(node):
        try:
            return node.getRole() == pyatspi.ROLE_APPLICATION and node.get_process_id() == pid
        except GLib.GError:  # a program that has just ended, still listed
            return False
    return found(is_program, "Gridwick on the accessibility bus", tree.root, recursive=False)


class AtspiDriver:
    """One run of the program, found on the bus by its process id."""

    def __init__(self, program, log, environment):
        self.words = Words(environment.get("LC_ALL", "C"))
        self.process = Started([program], log, env=dict(os.environ, **environment))
        try:
            self.app = application(self.process.process.pid)
        except TimeoutError as error:
            raise AssertionError(f"{error}; the program printed:\n{self.process.printed()}") from None
        self.told = []
        for event in ("object:state-changed:showing", "object:announcement"):
            pyatspi.Registry.registerEventListener(self._hear, event)

    def close(self):
        for event in ("object:state-changed:showing", "object:announcement"):
            pyatspi.Registry.deregisterEventListener(self._hear, event)
        self.process.stop()

    def _hear(self, event):
        """A screen reader hears each announcement (Qt 6.8 on) and the name of each notification
        that becomes showing (before). A line given both ways is heard twice."""
        if event.type == "object:announcement":
            self.told.append(str(event.any_data))
        elif event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            self.told.append(event.source.name)

    def spoken(self):
        """The lines told since the last call: once one comes, a moment for a second."""
        wait_for(lambda: self.told, "a line told to a screen reader")
        time.sleep(0.3)
        deliver_events()
        lines, self.told = self.told, []
        return lines

    def boxes(self):
        shown = {node.name: node.text for node in self.app.findChildren(lambda node: node.getRole() == pyatspi.ROLE_TEXT)}
        return {name: shown[self.words(name)] for name in BOX_NAMES if self.words(name) in shown}

    def captions(self):
        return sorted(node.name for node in self.app.findChildren(lambda node: node.getRole() == pyatspi.ROLE_LABEL))

    def picks(self):
        return self.boxes()["Total picks"]

    def picks_reach(self, count):
        """The boxes, once they show `count` picks."""
        wait_for(lambda: self.picks() == str(count), f"{count} picks")
        return self.boxes()

    def is_question(self):
        return lambda node: node.name == self.words("QUIT?!") and node.showing

    def question(self):
        return found(self.is_question(), "the quit question", self.app, recursive=False)

    def question_text(self):
        return " ".join(node.name for node in self.question().findChildren(
            lambda node: node.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON)))

    def wait_question_closed(self):
        wait_for(lambda: not self.app.findChild(self.is_question(), recursive=False, retry=False, requireResult=False),
                 "the quit question to close")

    def running(self):
        return self.process.process.poll() is None

    def wait_for_end(self):
        wait_for(lambda: not self.running(), "the program to end")
        return self.process.process.returncode
