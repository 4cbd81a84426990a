"""Gridwick as a web page in Debian's headless Chromium, driven through Selenium WebDriver: keys,
pointer and touch as WebDriver Actions, the boxes read by OCR from the window's picture (Qt's
accessibility elements carry no text), the lines told from the page's live region.

Debian packages no geckodriver, so Firefox is not tried.
"""

import base64
import contextlib
import os
import pathlib
import shutil
import tempfile
import time

import pytest
from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from pictures import CLIENT_HEIGHT, Picture, ocr, rectangles
from processes import wait_until
from scenarios import BOX_NAMES, Words

# Chromium as root in a sandbox-less machine, and without the connections a closed network refuses.
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--window-size=800,600"]
# A phone: 390 CSS pixels wide, a touch screen.
PHONE = {"deviceMetrics": {"width": 390, "height": 844, "pixelRatio": 3, "touch": True, "mobile": True}}
# What a screen reader would be given: each text the page's polite live region takes, in order.
LISTEN = """window.gridwickTold = [];
const region = document.querySelector('[aria-live="polite"]');
new MutationObserver(() => window.gridwickTold.push(region.textContent))
    .observe(region, {childList: true, characterData: true, subtree: true});
window.addEventListener('beforeprint', () => { window.gridwickPrintAsked = true; });"""
# Qt's windows, the top one last, inside the shadow root Qt draws in.
QT_WINDOWS = "return [...document.getElementById('qt-shadow-container').shadowRoot.querySelectorAll('.qt-window')]"
CLIENT_WIDTH = 470
PICK_BUTTON = next(rectangle for widget, rectangle in rectangles("QPushButton").items() if widget.get("name") == "Command1")


class Driver:
    platform = "web"

    def __init__(self, option, scratch, phone=False, **environment):
        self.scratch = scratch
        self.words = Words(environment.get("LC_ALL", "C"))
        self.profile = pathlib.Path(tempfile.mkdtemp(prefix="chromium-", dir=scratch))
        options = webdriver.ChromeOptions()
        for flag in CHROMIUM_FLAGS + [f"--user-data-dir={self.profile}"]:
            options.add_argument(flag)
        if "LC_ALL" in environment:  # the browser's languages, as its settings give them: de_DE as de-DE,de
            region = environment["LC_ALL"].split(".")[0].replace("_", "-")
            options.add_experimental_option("prefs", {"intl.accept_languages": f"{region},{self.words.language}"})
        if phone:
            options.add_experimental_option("mobileEmulation", PHONE)
        self.browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.browser.get(os.environ["GRIDWICK_PAGE"])
        wait_until(lambda: self.script("return document.getElementById('state').textContent === ''"),
                   f"the page to load: {self.status()}", 60)
        self.script(LISTEN)
        self.told_before = 0
        self.window = self.browser.find_element(By.ID, "screen")  # the page sizes it to the window

    def close(self):
        with contextlib.suppress(Exception):
            self.browser.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def script(self, text, *arguments):
        return self.browser.execute_script(text, *arguments)

    def status(self):
        return self.browser.find_element(By.ID, "status").text

    def windows(self):
        return self.script(QT_WINDOWS)

    def title(self):
        return self.browser.title

    # What the window shows.

    def picture(self):
        path = self.scratch / "window.png"
        path.write_bytes(self.window.screenshot_as_png)
        return Picture(path, Image.open(path).width / CLIENT_WIDTH, self.words)  # at the device's pixel ratio

    def boxes(self, names=BOX_NAMES):
        return self.picture().boxes(names)

    def captions(self):
        return sorted(read if whole else report for read, whole, report in self.picture().captions())

    def picks(self):
        return self.boxes(["Total picks"])["Total picks"]

    def picks_reach(self, count):
        wait_until(lambda: self.picks() == str(count), f"{count} picks", 20)
        return self.boxes()

    def spoken(self):
        """The lines the live region took since the last call: once one comes, a moment for a second."""
        wait_until(lambda: len(self.script("return window.gridwickTold")) > self.told_before, "a line in the live region")
        time.sleep(0.5)
        lines = self.script("return window.gridwickTold")[self.told_before:]
        self.told_before += len(lines)
        return lines

    # Input, as a person gives it.

    def keys(self, *keys, modifier=None):
        actions = ActionChains(self.browser)
        for key in keys:
            if modifier:
                actions.key_down(modifier).send_keys(key).key_up(modifier)
            else:
                actions.send_keys(key)
            actions.pause(0.15)
        actions.perform()

    def alt(self, english):
        self.keys(self.words.key(english), modifier=Keys.ALT)

    def point(self, x, y):
        """A point of the client area (at 96 dpi) as an offset from the window's centre, where
        WebDriver's pointer starts."""
        width, height = self.window.size["width"], self.window.size["height"]
        scale = width / CLIENT_WIDTH
        return round(x * scale - width / 2), round(height - (CLIENT_HEIGHT - y) * scale - height / 2)

    def surface(self):
        """A point of the window's bare surface, below TOTAL PICKS."""
        return self.point(10, CLIENT_HEIGHT - 10)

    def pick(self):
        self.alt("PIC&K!!")

    def menu_shows(self):
        wait_until(lambda: len(self.windows()) > 1, "the menu to show", 5)

    def add_100(self, way):
        if way == "menu bar":  # opened from the keyboard, its first item is chosen
            self.alt("&Randomization")
            self.menu_shows()
            self.keys(Keys.RETURN)
            return
        if way == "right button":
            ActionChains(self.browser).move_to_element_with_offset(self.window, *self.surface()).context_click().perform()
        elif way == "Menu":  # WebDriver has no Menu key; DevTools sends one
            for kind in ("rawKeyDown", "keyUp"):
                self.browser.execute_cdp_cmd("Input.dispatchKeyEvent", {
                    "type": kind, "key": "ContextMenu", "code": "ContextMenu", "windowsVirtualKeyCode": 93})
        else:
            self.keys(Keys.F10, modifier=Keys.SHIFT)
        self.menu_shows()
        self.keys(Keys.DOWN, Keys.RETURN)  # the pop-up's first item is Plus 100 More

    def escape_closes_pop_up(self):
        ActionChains(self.browser).move_to_element_with_offset(self.window, *self.surface()).context_click().perform()
        self.menu_shows()
        self.keys(Keys.ESCAPE)
        wait_until(lambda: len(self.windows()) == 1, "the pop-up to close", 5)
        return True

    def touch(self, offset, hold):
        """A finger on the window at the offset from its centre, held for the time given."""
        actions = ActionBuilder(self.browser, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        actions.pointer_action.move_to(self.window, *offset).pointer_down().pause(hold).pointer_up()
        actions.perform()

    def fits_the_screen(self):
        """The whole page within the screen's width, nothing to scroll sideways."""
        return self.script("const page = document.getElementById('page').getBoundingClientRect();"
                           "return page.right <= window.visualViewport.width + 1"
                           " && document.documentElement.scrollWidth <= window.innerWidth")

    def tap_pick(self):
        x, y, width, height = PICK_BUTTON
        self.touch(self.point(x + width / 2, y + height / 2), 0.05)

    def long_press_surface(self):
        self.touch(self.surface(), 1.0)
        self.menu_shows()

    def tap_first_item(self):
        """The pop-up's first item, Plus 100 More: a finger a little below the pop-up's top."""
        menu = self.windows()[-1]
        actions = ActionBuilder(self.browser, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        actions.pointer_action.move_to(menu, 0, 10 - menu.size["height"] // 2).pointer_down().pause(0.05).pointer_up()
        actions.perform()

    def print_window(self):
        """File > Print, then the page as the browser's print dialog prints it, where the print
        fixture looks for it."""
        self.alt("&File")
        self.menu_shows()
        self.keys(self.words.key("&Print"))
        wait_until(lambda: self.script("return window.gridwickPrintAsked === true"), "the print dialog to be asked for")
        wait_until(lambda: self.script("return document.getElementById('printout').complete"), "the picture to print")
        self.browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
        pdf = self.browser.execute_cdp_cmd("Page.printToPDF", {"printBackground": True})["data"]
        self.browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
        folder = self.scratch / "printed"
        folder.mkdir(exist_ok=True)
        (folder / "Gridwick.pdf").write_bytes(base64.b64decode(pdf))

    # Leaving and quitting.

    def leaving_asks(self):
        """Whether leaving the page now brings up the browser's question: chromedriver answers it
        itself, so the page's handler is asked, as the browser asks it."""
        return self.script("const leaving = new Event('beforeunload', {cancelable: true});"
                           "window.dispatchEvent(leaving); return leaving.defaultPrevented")

    def request_close(self):
        pytest.skip("Qt draws no close button on the page's window; the tab's own asks before leaving")

    def ask_to_quit(self, way):
        if way == "close button":
            self.request_close()
        self.alt("&File")
        self.menu_shows()
        self.keys(self.words.key("E&xit"))
        self.question_window = wait_until(lambda: self.windows()[1:] and self.windows()[-1], "the quit question")

    def question_title(self):
        return self.question_window.find_element(By.CSS_SELECTOR, ".window-name").text

    def question_text(self):
        """The question's words read by OCR from its picture, in black and white and enlarged:
        OCR misses the caption inside the focused button's frame."""
        path = self.scratch / "question.png"
        path.write_bytes(self.question_window.screenshot_as_png)
        image = Image.open(path).convert("L").point(lambda value: 0 if value < 128 else 255)  # no blue focus frame
        return ocr([image.resize((image.width * 3, image.height * 3))], "-l", self.words.ocr_language, "--psm", "11")[0]

    def answer(self, button):
        self.keys(button[0].lower(), modifier=Keys.ALT)

    def wait_question_closed(self):
        wait_until(lambda: len(self.windows()) == 1, "the quit question to close")

    def running(self):
        return self.browser.find_element(By.ID, "screen").is_displayed()

    def ended_text(self):
        return self.browser.find_element(By.ID, "ended").text

    def wait_for_end(self):
        """The exit status once the window has gone from the page; a second quit question fails the wait."""
        def ended():
            assert len(self.windows()) <= 2, "a second quit question"
            return not self.running()
        wait_until(ended, "the program to end", 20)
        return 1 if "stopped" in self.status() else 0  # the page says so of a run that failed
