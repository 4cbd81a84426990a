"""A program's windows on the private X server: found by title, given keys and clicks with
xdotool, their titles and class read as the window system has them, their pictures taken; and the
scenarios' verbs as X input, which the X11 and Windows drivers share."""

import re
import subprocess
import time

from processes import wait_until


def run_text(*command, timeout=30):
    return subprocess.run(command, check=True, capture_output=True, text=True, timeout=timeout).stdout.strip()


def xdotool(*arguments):
    return run_text("xdotool", *arguments)


def windows_titled(pattern):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern], capture_output=True,
                          text=True).stdout.split()


def window_titled(pattern, timeout=60.0):
    """The first visible window whose title matches the pattern, waited for."""
    return wait_until(lambda: next(iter(windows_titled(pattern)), None), f"a window titled {pattern}", timeout)


def focus(window):
    xdotool("windowfocus", "--sync", window)


def keys(*names, pause=0.15):
    for name in names:
        xdotool("key", "--clearmodifiers", name)
        time.sleep(pause)


def property_text(window, name):
    """A window property's strings as the window system received it, not the widget's own."""
    return run_text("xprop", "-id", window, name).split(" = ", 1)[-1]


def title(window):
    return property_text(window, "_NET_WM_NAME").strip('"')


def size(window):
    """The window's width and height without the frame."""
    width, height = xdotool("getwindowgeometry", window).split("Geometry: ")[1].split()[0].split("x")
    return int(width), int(height)


def picture(window, path):
    subprocess.run(["import", "-window", window, str(path)], check=True, timeout=30)
    return path


class XInput:
    """The scenarios' verbs as keys and clicks given to the program's window (self.window), in the
    language of its words (self.words). A driver says whether a menu shows (menu_shows) and how a
    close request reaches the window (request_close)."""

    def question_titled(self):
        return f"^{re.escape(self.words('QUIT?!'))}$"

    def title(self):
        return title(self.window)

    def pick(self):
        focus(self.window)
        keys(f"alt+{self.words.key('PIC&K!!')}")

    def open_menu(self, opening, item):
        """The menu that opening() opens, once its item shows. X sends a key pressed before a menu
        shows to the window instead; on a busy machine the menu is opened again."""
        for _ in range(3):
            focus(self.window)
            opening()
            if self.menu_shows(item):
                return
            keys("Escape")
        raise TimeoutError(f"{item} did not show")

    def add_100(self, way):
        if way == "menu bar":  # opened from the keyboard, its first item is chosen
            self.open_menu(lambda: keys(f"alt+{self.words.key('&Randomization')}"), self.words("Plus 100 More"))
            keys("Return")
            return
        if way == "right button":  # below TOTAL PICKS, on the bare surface
            self.open_menu(lambda: xdotool("mousemove", "--window", self.window, "10", "390", "click", "3"),
                           self.words("Plus 100 More"))
        else:
            self.open_menu(lambda: keys(way), self.words("Plus 100 More"))
        keys("Down", "Return")  # the pop-up's first item is Plus 100 More

    def print_window(self):
        self.open_menu(lambda: keys(f"alt+{self.words.key('&File')}"), self.words("&Print"))
        keys(self.words.key("&Print"))

    def ask_to_quit(self, way):
        if way == "close button":
            self.request_close()
        else:
            self.open_menu(lambda: keys(f"alt+{self.words.key('&File')}"), self.words("E&xit"))
            keys(self.words.key("E&xit"))
        self.question_window = window_titled(self.question_titled())

    def question_title(self):
        return title(self.question_window)

    def answer(self, button):
        keys(f"alt+{button[0].lower()}")

    def wait_question_closed(self):
        wait_until(lambda: self.question_window not in windows_titled(self.question_titled()), "the quit question to close")

    def running(self):
        return self.process.process.poll() is None

    def wait_for_end(self):
        """The exit status, once the program ends; a second quit question, a window of its own,
        fails the wait."""
        def ended():
            assert set(windows_titled(self.question_titled())) <= {self.question_window}, "a second quit question"
            return not self.running()
        wait_until(ended, "the program to end", 20)
        return self.process.process.returncode
