"""A program's windows on the private X server: found by title, given keys and clicks with
xdotool, their titles and class read as the window system has them, their pictures taken."""

import subprocess
import time

from processes import wait_until


def run_text(*command, timeout=30):
    return subprocess.run(command, check=True, capture_output=True, text=True, timeout=timeout).stdout.strip()


def xdotool(*arguments):
    return run_text("xdotool", *arguments)


def window_titled(pattern, timeout=60.0):
    """The first visible window whose title matches the pattern, waited for."""
    def found():
        answer = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                                capture_output=True, text=True)
        return answer.stdout.split()[0] if answer.stdout.split() else None
    return wait_until(found, f"a window titled {pattern}", timeout)


def shown(window):
    return subprocess.run(["xdotool", "getwindowname", window], capture_output=True).returncode == 0


def focus(window):
    xdotool("windowfocus", "--sync", window)


def keys(*names, pause=0.15):
    for name in names:
        xdotool("key", "--clearmodifiers", name)
        time.sleep(pause)


def click(x, y, button=1, window=None):
    """A click at x, y: within the window, or on the screen."""
    xdotool("mousemove", *(["--window", window] if window else []), str(x), str(y), "click", str(button))


def property_text(window, name):
    """A window property as the window system received it, not the widget's own: its strings."""
    line = run_text("xprop", "-id", window, name)
    return line.split(" = ", 1)[1].strip() if " = " in line else line


def title(window):
    return property_text(window, "_NET_WM_NAME").strip('"')


def wm_class(window):
    return property_text(window, "WM_CLASS").split('"')[3]


def size(window):
    """The window's width and height without the frame."""
    geometry = run_text("xdotool", "getwindowgeometry", window)
    width, height = geometry.split("Geometry: ")[1].split()[0].split("x")
    return int(width), int(height)


def picture(window, path):
    subprocess.run(["import", "-window", window, str(path)], check=True, timeout=30)
    return path
