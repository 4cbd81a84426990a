"""Runs of the program of their own: ended by the quit question, in other languages, and drawn
in other looks."""

import pathlib

import pytest

SOURCE_DIR = pathlib.Path(__file__).resolve().parents[2]


@pytest.mark.smoke
def test_exit_answered_yes_ends_the_program(own_driver):
    program = own_driver()
    program.ask_to_quit("File > Exit")
    program.answer("Yes")
    assert program.wait_for_end() == 0


@pytest.mark.parametrize("language, yes, no", [("de_DE.UTF-8", "Ja", "Nein"), ("fr_FR.UTF-8", "Oui", "Non")])
def test_quit_question_in_the_desktops_language(own_driver, language, yes, no):
    program = own_driver(LANG=language, LC_ALL=language)
    program.ask_to_quit("File > Exit")
    shown = program.question_text()
    assert "Do you really want to quit?" in shown and no in shown
    program.answer(yes)
    assert program.wait_for_end() == 0
