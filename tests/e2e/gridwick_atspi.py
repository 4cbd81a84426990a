"""What the end-to-end drivers share: checks that report and go on, bounded waits, and
Gridwick's window read and driven over the accessibility bus (AT-SPI)."""

import subprocess
import time

import pyatspi
from gi.repository import GLib

BOX_NAMES = ["Visitor score", "Visitor winner", "Visitor wins", "Home score", "Home winner",
             "Home wins", "Total", "Ties", "Total picks"]
# Let Qt join the accessibility bus even where no assistive technology asked for it.
ACCESSIBILITY_ENVIRONMENT = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}


class CheckFailed(Exception):
    pass


def require(condition, detail):
    """A check that holds under python3 -O too, unlike assert."""
    if not condition:
        raise CheckFailed(str(detail))


def wait_for(condition, what, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        # Deliver the accessibility events that have come in to their listeners.
        while GLib.MainContext.default().iteration(False):
            pass
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise CheckFailed(f"timed out waiting for {what}")


# Checks that run in order, printed as the shell scripts' are (tests/checks.sh). A driver that
# runs only the smoke checks sets smoke_only.
smoke_only = False
_passed = []


def check(name, test, smoke=False):
    """Runs one named check: prints PASS or FAIL and the name, what went wrong indented below.
    A failure does not stop the checks after it."""
    if smoke_only and not smoke:
        return
    try:
        test()
    except Exception as error:  # report it and go on with the next check
        _passed.append(False)
        detail = "".join(f"\n    {line}" for line in str(error).splitlines())
        print(f"FAIL {name}{detail}", flush=True)
    else:
        _passed.append(True)
        print(f"PASS {name}", flush=True)


def summary(title):
    """Prints the count of checks; the exit status for it."""
    failed = _passed.count(False)
    print(f"{title}: {len(_passed) - failed} passed, {failed} failed")
    return 1 if failed or not _passed else 0


def start_accessibility_bus():
    return subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])


def walk(node):
    for child in node:
        if child is not None:
            yield child
            yield from walk(child)


def wait_for_program_on_bus(program, log):
    """Waits for the program to join the bus; a failure says whether it still runs and what it
    printed to `log`."""
    try:
        wait_for(gridwick_app, "Gridwick on the accessibility bus")
    except CheckFailed as error:
        state = "still running" if program.poll() is None else f"ended with status {program.returncode}"
        with open(log, encoding="utf-8", errors="replace") as printed:
            raise CheckFailed(f"{error}; the program is {state}, and printed:\n{printed.read()}") from None


def gridwick_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Gridwick":
            return app
    return None


def boxes():
    """Every text box's text, by its accessible name."""
    texts = {}
    for node in walk(gridwick_app()):
        if node.getRole() == pyatspi.ROLE_TEXT and node.name in BOX_NAMES:
            texts[node.name] = node.queryText().getText(0, -1)
    return texts


def picks_reach(count):
    """The boxes, once they show `count` picks. They are read again once the count is there:
    the boxes read before it in the same pass may have been read before the command ended."""
    wait_for(lambda: boxes().get("Total picks") == str(count), f"{count} picks")
    return boxes()


def require_one_pick(texts):
    """The boxes after the first pick: both scores, their sum and one outcome."""
    visitor, home = int(texts["Visitor score"]), int(texts["Home score"])
    require(2 <= visitor <= 70 and 2 <= home <= 70, texts)
    require(int(texts["Total"]) == visitor + home, texts)
    outcome = [texts["Visitor wins"], texts["Home wins"], texts["Ties"]]
    require(sorted(outcome) == ["", "", "1"], texts)
    require((texts["Visitor winner"] == "WINNER!!") == (visitor > home), texts)
    require((texts["Home winner"] == "WINNER!!") == (home > visitor), texts)


def require_outcomes_add_up(texts, picks):
    wins = sum(int(texts[name] or 0) for name in ("Visitor wins", "Home wins", "Ties"))
    require(wins == picks, texts)


class SpokenLines:
    """The lines a screen reader hears: each announcement (Qt 6.8 on) and the name of each
    notification that becomes showing (before). A line given both ways is heard twice."""

    def __init__(self):
        self.lines = []
        pyatspi.Registry.registerEventListener(self._on_showing, "object:state-changed:showing")
        pyatspi.Registry.registerEventListener(self._on_announcement, "object:announcement")

    def _on_showing(self, event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            self.lines.append(event.source.name)

    def _on_announcement(self, event):
        self.lines.append(str(event.any_data))


def spoken_result(texts):
    """The line a screen reader should hear for the boxes after a pick or batch."""
    picks = int(texts["Total picks"])
    winner = ("visitor wins" if texts["Visitor winner"] else "home wins" if texts["Home winner"] else "a tie")
    return f"Visitor {texts['Visitor score']}, home {texts['Home score']}, {winner}, {picks} pick{'s' if picks != 1 else ''}"


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def quit_question():
    app = gridwick_app()
    for node in app:
        if node is not None and node.name == "QUIT?!" and showing(node):
            return node
    return None


def find(role, name, root=None, shown=False):
    """The first node of that role and name under root (the whole program by default)."""
    for node in walk(root if root is not None else gridwick_app()):
        if node.getRole() == role and node.name == name and (not shown or showing(node)):
            return node
    return None


def do_action(node, action_name):
    """Runs the node's accessible action of that name, as an assistive technology would."""
    actions = node.queryAction()
    names = [actions.getName(index) for index in range(actions.nActions)]
    require(action_name in names, f"{node.name} offers {names}, not {action_name}")
    actions.doAction(names.index(action_name))
