"""Runs of the program of their own: ended by the quit question, in other languages, and drawn
in other looks."""

import pytest

import wine
from scenarios import BOX_NAMES, LABEL_CAPTIONS, reads_as, require_one_pick, spoken_result


@pytest.mark.smoke
def test_exit_answered_yes_ends_the_program(own_driver):
    program = own_driver()
    program.ask_to_quit("File > Exit")
    program.answer("Yes")
    assert program.wait_for_end() == 0
    if program.platform == "web":  # a page stays: it says that the program has ended
        assert program.ended_text() == program.words("Gridwick has ended. Reload the page to start it again.")


def test_leaving_the_page_after_a_pick_asks_first(own_driver, option):
    """The browser's own question, as closing the window asks the quit question on the desktop."""
    if option("platform") != "web":
        pytest.skip("closing the window asks the quit question: test_quit_answered_no_keeps_everything")
    program = own_driver()
    assert not program.leaving_asks()
    program.pick()
    program.picks_reach(1)
    assert program.leaving_asks()


def test_phone_tap_picks_and_long_press_opens_the_pop_up(own_driver, option):
    """A 390-pixel-wide touch screen: the whole window, scaled down to fit, and fingers for the pointer."""
    if option("platform") != "web":
        pytest.skip("only the page runs on phones")
    program = own_driver(phone=True)
    assert program.fits_the_screen()
    program.tap_pick()
    require_one_pick(program.picks_reach(1))
    program.long_press_surface()
    program.tap_first_item()
    assert int(program.picks_reach(101)["Total picks"]) == 101


@pytest.mark.parametrize("language, yes, no", [("de_DE.UTF-8", "Ja", "Nein"), ("fr_FR.UTF-8", "Oui", "Non")])
def test_whole_window_in_the_desktops_language(own_driver, language, yes, no):
    program = own_driver(LANG=language, LC_ALL=language)
    words = program.words
    assert program.captions() == sorted(words(caption) for caption in LABEL_CAPTIONS)
    program.pick()
    boxes = program.picks_reach(1)
    assert sorted(boxes) == sorted(BOX_NAMES) and program.spoken() == [spoken_result(boxes, words)]
    program.ask_to_quit("File > Exit")
    assert program.question_title() == words("QUIT?!")
    shown = program.question_text()
    assert reads_as(shown, words("Do you really want to quit? ")) and no in shown
    program.answer(yes)
    assert program.wait_for_end() == 0


PERSONALIZE = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize"
# Most Windows users run at 125 to 150 % on Windows 11: the program's arguments, and the settings
# of the user's registry, for each look.
LOOKS = {
    "96 dpi": ([], []),
    "150 %": ([], [(r"HKCU\Control Panel\Desktop", "LogPixels", 144)]),
    "windows11 light": (["-style", "windows11"], []),
    "windows11 dark": (["-style", "windows11"], [(PERSONALIZE, "AppsUseLightTheme", 0)]),
}


@pytest.mark.parametrize("look", LOOKS)
def test_every_caption_and_box_text_is_whole_and_the_markers_pure_red(own_driver, option, look):
    if option("platform") != "windows":
        pytest.skip("the window's layout tests measure the captions on offscreen and xcb")
    arguments, settings = LOOKS[look]
    with wine.registry(settings):
        program = own_driver(arguments=arguments)
        program.pick()
        boxes, picks = program.picks_reach(1), 1
        require_one_pick(boxes)  # read whole, the scores add up to the total
        while not (boxes["Visitor winner"] or boxes["Home winner"]):  # a tie shows no marker
            program.pick()
            picks += 1
            boxes = program.picks_reach(picks)
        picture = program.picture()
        assert picture.scale == {"150 %": 1.5}.get(look, 1) and program.size()[1] > 389 * picture.scale, program.size()
        captions = picture.captions()
        assert all(whole for _, whole, _ in captions), "\n".join(report for _, _, report in captions)
        colours = picture.reddest_colours("Visitor winner" if boxes["Visitor winner"] else "Home winner")
        assert colours[0] == (255, 0, 0), colours[:3]
