"""Gridwick read and driven over the accessibility bus (AT-SPI), for the X11 and Wayland drivers:
dogtail finds the nodes and runs their actions; pyatspi hears what a screen reader is told."""

import time

import pyatspi
from dogtail.config import config
from gi.repository import GLib

config.logDebugToFile = False
config.logDebugToStdOut = False
# dogtail asks the desktop's settings whether assistive technology is on; Qt joins the bus
# without them (QT_LINUX_ACCESSIBILITY_ALWAYS_ON).
config.checkForA11y = False

from dogtail import predicate, tree  # noqa: E402  (after its configuration)

BOX_NAMES = ["Visitor score", "Visitor winner", "Visitor wins", "Home score", "Home winner",
             "Home wins", "Total", "Ties", "Total picks"]


def wait_for(condition, what, timeout=10.0):
    """The condition's first true value. Meanwhile the accessibility events that have come in
    are delivered to their listeners."""
    deadline = time.monotonic() + timeout
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError(f"timed out waiting for {what}")
        time.sleep(0.05)


class GridwickTree:
    """One run of the program, by its process id, as the accessibility bus shows it."""

    def __init__(self, pid, printed):
        self.app = tree.root
        try:
            self.app = self.find(lambda node: node.roleName == "application" and node.get_process_id() == pid,
                                 "Gridwick on the accessibility bus", recursive=False)
        except TimeoutError as error:
            raise AssertionError(f"{error}; the program printed:\n{printed()}") from None
        assert self.app.name == "Gridwick", self.app.name
        self.told = []
        pyatspi.Registry.registerEventListener(self._on_showing, "object:state-changed:showing")
        pyatspi.Registry.registerEventListener(self._on_announcement, "object:announcement")

    def close(self):
        pyatspi.Registry.deregisterEventListener(self._on_showing, "object:state-changed:showing")
        pyatspi.Registry.deregisterEventListener(self._on_announcement, "object:announcement")

    # A screen reader hears each announcement (Qt 6.8 on) and the name of each notification that
    # becomes showing (before). A line given both ways is heard twice.
    def _on_showing(self, event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            self.told.append(event.source.name)

    def _on_announcement(self, event):
        self.told.append(str(event.any_data))

    def spoken(self):
        """The lines told since the last call: once one comes, a moment for a second."""
        wait_for(lambda: self.told, "a line told to a screen reader")
        time.sleep(0.3)
        wait_for(lambda: True, "the events meanwhile")
        lines, self.told = self.told, []
        return lines

    def boxes(self):
        texts = {node.name: node.text for node in
                 self.app.findChildren(predicate.GenericPredicate(roleName="text"))
                 if node.name in BOX_NAMES}
        assert len(texts) == 9, texts
        return texts

    def find(self, condition, what, root=None, recursive=True, timeout=10.0):
        """The first node under root (the program) that meets the condition, waited for. The
        wait delivers the bus's events, by which the tree learns of new windows."""
        return wait_for(lambda: (root or self.app).findChild(condition, recursive=recursive, retry=False,
                                                            requireResult=False), what, timeout)

    def node(self, role, name, root=None):
        return self.find(lambda node: node.roleName == role and node.name == name, f"{role} {name}", root)

    def shown_item(self, name):
        """The menu item of that name while it shows, without waiting."""
        return self.app.findChild(lambda node: node.roleName == "menu item" and node.name == name
                                  and node.showing, retry=False, requireResult=False)

    def press(self, role, name, root=None):
        self.node(role, name, root).doActionNamed("Press")

    def question(self):
        """The quit question's dialog, once it shows."""
        return self.find(self._is_question, "the quit question", recursive=False)

    @staticmethod
    def _is_question(node):
        return node.name == "QUIT?!" and node.showing

    def question_text(self):
        question = self.question()
        return " ".join(node.name or node.text or "" for node in question.findChildren(
            lambda node: node.roleName in ("label", "push button")))

    def wait_question_closed(self):
        wait_for(lambda: self.app.findChild(self._is_question, recursive=False, retry=False,
                                            requireResult=False) is None, "the quit question to close")
