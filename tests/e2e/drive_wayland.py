"""Drives the real Gridwick program as a native Wayland client and reads it over AT-SPI.

Run by run_on_wayland.sh inside a private D-Bus session, with WAYLAND_DISPLAY on a headless
weston. Headless weston has no input seat, so every command goes through an accessible action,
as an assistive technology would send it.
Usage: drive_wayland.py PROGRAM LOG_FILE
       drive_wayland.py --choose-exit   (the child that chooses File > Exit; see below)
"""

import os
import re
import subprocess
import sys

import pyatspi

from gridwick_atspi import (ACCESSIBILITY_ENVIRONMENT, check, summary, do_action, find,
                            picks_reach, quit_question, require, require_one_pick,
                            require_outcomes_add_up, start_accessibility_bus, wait_for,
                            wait_for_program_on_bus)

if sys.argv[1] == "--choose-exit":
    # The action returns only once the modal quit question has closed, so it runs here, in a
    # child process, while the parent answers the question.
    do_action(find(pyatspi.ROLE_MENU_ITEM, "Exit"), "Press")
    sys.exit(0)

PROGRAM, LOG = sys.argv[1], sys.argv[2]


def titles_sent():
    """Every title the program gave a window through xdg_toplevel.set_title. libwayland 1.21
    logs an object as xdg_toplevel@16, 1.23 as xdg_toplevel#16."""
    with open(LOG, encoding="utf-8", errors="replace") as log:
        return re.findall(r'xdg_toplevel[@#]\d+\.set_title\("(.*)"\)', log.read())


# WAYLAND_DEBUG logs the client's requests, so that the titles the compositor received can be
# read from the log.
environment = dict(os.environ, **ACCESSIBILITY_ENVIRONMENT, QT_QPA_PLATFORM="wayland",
                   WAYLAND_DEBUG="client")
bus_launcher = start_accessibility_bus()
with open(LOG, "wb") as log:
    program = subprocess.Popen([PROGRAM], env=environment, stdout=log, stderr=subprocess.STDOUT)
exit_chooser = None
try:
    wait_for_program_on_bus(program, LOG)

    def wayland_client_titled_gridwick():
        require(wait_for(titles_sent, "a title sent to the compositor") == ["Gridwick"], titles_sent())
    check("runs as a Wayland client whose window is titled exactly Gridwick", wayland_client_titled_gridwick)

    def press_makes_one_pick():
        do_action(wait_for(lambda: find(pyatspi.ROLE_PUSH_BUTTON, "PICK!!"), "PICK!!"), "Press")
        require_one_pick(picks_reach(1))
    check("PICK!!'s Press action makes one pick", press_makes_one_pick)

    def plus_100_more():
        do_action(find(pyatspi.ROLE_MENU_ITEM, "Plus 100 More"), "Press")
        require_outcomes_add_up(picks_reach(101), 101)
    check("Plus 100 More makes 100 more picks", plus_100_more)

    def exit_asks_and_yes_ends():
        global exit_chooser
        exit_chooser = subprocess.Popen([sys.executable, __file__, "--choose-exit"])
        question = wait_for(quit_question, "the quit question titled QUIT?!")
        wait_for(lambda: "QUIT?!" in titles_sent(), "its title to reach the compositor")
        require(titles_sent()[-1] == "QUIT?!", titles_sent())
        yes = wait_for(lambda: find(pyatspi.ROLE_PUSH_BUTTON, "Yes", root=question), "its Yes button")
        do_action(yes, "Press")
        wait_for(lambda: program.poll() is not None, "the program to end", timeout=5)
        require(program.returncode == 0, program.returncode)
    check("File > Exit asks QUIT?! and Yes ends the program with status 0", exit_asks_and_yes_ends)
finally:
    for process in (exit_chooser, program, bus_launcher):
        if process is not None and process.poll() is None:
            process.terminate()
            process.wait(timeout=5)

sys.exit(summary("wayland"))
