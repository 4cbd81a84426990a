"""What the scenarios expect of the nine boxes and of the lines a screen reader is told; where the
sources are, and how the tests that build them again copy them and run a build's commands."""

import pathlib
import subprocess

SOURCE_DIR = pathlib.Path(__file__).resolve().parents[2]

BOX_NAMES = ["Visitor score", "Visitor winner", "Visitor wins", "Home score", "Home winner",
             "Home wins", "Total", "Ties", "Total picks"]


def require_one_pick(boxes):
    """The boxes after the first pick: both scores, their sum and one outcome."""
    visitor, home = int(boxes["Visitor score"]), int(boxes["Home score"])
    assert 2 <= visitor <= 70 and 2 <= home <= 70, boxes
    assert int(boxes["Total"]) == visitor + home, boxes
    assert sorted([boxes["Visitor wins"], boxes["Home wins"], boxes["Ties"]]) == ["", "", "1"], boxes
    assert (boxes["Visitor winner"] == "WINNER!!") == (visitor > home), boxes
    assert (boxes["Home winner"] == "WINNER!!") == (home > visitor), boxes


def require_outcomes_add_up(boxes, picks):
    assert sum(int(boxes[name] or 0) for name in ("Visitor wins", "Home wins", "Ties")) == picks, boxes


def spoken_result(boxes):
    """The line a screen reader should hear for the boxes after a pick or batch."""
    picks = int(boxes["Total picks"])
    winner = "visitor wins" if boxes["Visitor winner"] else "home wins" if boxes["Home winner"] else "a tie"
    return (f"Visitor {boxes['Visitor score']}, home {boxes['Home score']}, {winner}, "
            f"{picks} pick{'s' if picks != 1 else ''}")


def run(*command, cwd=None, env=None):
    """What the command printed, output and errors together; the test fails with it if the
    command does."""
    done = subprocess.run(command, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    assert done.returncode == 0, f"{' '.join(map(str, command))}:\n{done.stdout[-4000:]}"
    return done.stdout


def copy_source(folder):
    """The tracked files as they are in the work tree, as a fresh clone holds them."""
    folder.mkdir(parents=True)
    run("bash", "-c", 'git ls-files -z | tar --null -T - -c | tar -x -C "$0"', folder, cwd=SOURCE_DIR)
