"""What the scenarios expect of the nine boxes and of the lines a screen reader is told; where the
sources are, and how the tests that build them again copy them and run a build's commands."""

import difflib
import pathlib
import subprocess
import xml.etree.ElementTree as ElementTree

SOURCE_DIR = pathlib.Path(__file__).resolve().parents[2]

LAYOUT = ElementTree.parse(SOURCE_DIR / "window/frmGridwick.ui")
LABEL_CAPTIONS = [label.find("property[@name='text']/string").text for label in LAYOUT.iter("widget")
                  if label.get("class") == "QLabel"]
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


class Words:
    """The program's texts in the language of a locale (de_DE.UTF-8), as its translation file gives
    them; English, the source, for a locale it is not translated into."""

    def __init__(self, locale="C"):
        name = locale.split(".")[0]  # pt_BR, then pt, as the program looks
        self.language = name.split("_")[0]
        files = [SOURCE_DIR / f"translations/gridwick_{each}.ts" for each in (name, self.language, "en")]
        root = ElementTree.parse(next(file for file in files if file.exists())).getroot()
        self.texts = {message.findtext("source"): message.findtext("translation") for message in root.iter("message")}
        self.plurals = [form.text for form in root.iter("numerusform")]
        self.ocr_language = {"de": "deu", "fr": "fra"}.get(self.language, "eng")

    def __call__(self, english):
        """The text shown for the English one; a caption without its access key's &."""
        return (self.texts.get(english) or english).replace("&", "")

    def key(self, english):
        """The access key of the caption, as xdotool names it."""
        text = self.texts.get(english) or english
        return text[text.index("&") + 1].lower()


def spoken_result(boxes, words=Words()):
    """The line a screen reader should hear for the boxes after a pick or batch: a count's plural
    form as English, German and French choose it."""
    picks = int(boxes["Total picks"])
    winner = "visitor wins" if boxes["Visitor winner"] else "home wins" if boxes["Home winner"] else "a tie"
    return (words.plurals[picks != 1].replace("%n", str(picks)).replace("%1", boxes["Visitor score"])
            .replace("%2", boxes["Home score"]).replace("%3", words(winner)))


def reads_as(read, text):
    """Whether what was read holds the text, case and spacing aside, nine in ten of its letters in
    order: OCR misreads a letter or two of Wine's small captions ("vr" as "a")."""
    read, text = (" ".join(words.casefold().split()) for words in (read, text))
    return sum(block.size for block in difflib.SequenceMatcher(None, text, read).get_matching_blocks()) >= 0.9 * len(text)


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
