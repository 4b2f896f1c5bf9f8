#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page in headless chromium against the desktop: each step is played with trusted input on
the page and on the Qt window (tests/window/desktop_oracle.cpp), seeded alike, and the page must
show what the window shows, to the pixel; and what only a page has.
Usage: page_test.py <build-web> <desktop_oracle> [unittest arguments]"""

import base64
import json
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

BUILD, ORACLE = sys.argv[1:3]
TIME = 43200750  # the time of day both are given, in milliseconds: 12:00:00.750

# Before the page's own script: a timer that ticks when the test fires it, and the clock at TIME.
SETUP = """
const clock = window.testClock = {tick: null, ms: 0};
window.setInterval = (tick, ms) => (Object.assign(clock, {tick, ms}), 1);
window.clearInterval = () => { clock.tick = null; };
const RealDate = Date;
window.Date = class extends RealDate {
  constructor(...a) { super(...(a.length ? a : [2026, 0, 1, 12, 0, 0, 750])); }
};
"""
# What the page shows, as the oracle answers it: the menus as menu_description.h words them, the
# canvas's pixels as RGBA in base64.
STATE = """
if (!document.getElementById('game')) return {ended: true};
const canvas = document.getElementById('canvas'), label = document.getElementById('lblTotal');
const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
let rgba = '';
for (let i = 0; i < data.length; i += 8192) rgba += String.fromCharCode(...data.slice(i, i + 8192));
// Each menu in the markup's order, which puts a menu's line before its submenus'.
const menus = [...document.querySelectorAll('#bar :has(> .p)')].map((menu) =>
  menu.firstChild.textContent + ': ' + [...menu.lastChild.children].map((e) => {
    const is = (c) => e.classList.contains(c), [caption, shortcut, submenu] = e.children;
    return (is('sep') ? '-' : caption.textContent) + (is('c') ? (is('x') ? ' [x]' : ' [ ]') : '') +
      (is('off') ? ' off' : '') + (shortcut && !submenu ? ' ' + shortcut.textContent : '');
  }).join(' | '));
const [r, g, b] = getComputedStyle(label).color.match(/\\d+/g).map(Number);
return {size: [canvas.width, canvas.height], pixels: btoa(rgba), menus,
        label: [label.textContent, r << 16 | g << 8 | b, label.offsetLeft, label.offsetTop],
        timer: testClock.tick ? [true, testClock.ms] : [false]};
"""
# A key as both see it: Qt's key and modifiers, and the browser's key, code and keyCode; and
# whether the page keeps it from the browser, which would act on it itself.
KEYS = {
    "Left": (0x01000012, 0, "ArrowLeft", "ArrowLeft", 37, True),
    "Up": (0x01000013, 0, "ArrowUp", "ArrowUp", 38, True),
    "Right": (0x01000014, 0, "ArrowRight", "ArrowRight", 39, True),
    "Down": (0x01000015, 0, "ArrowDown", "ArrowDown", 40, True),
    "Space": (0x20, 0, " ", "Space", 32, True),
    "P": (0x50, 0, "p", "KeyP", 80, False),
    "Pause": (0x01000008, 0, "Pause", "Pause", 19, True),
    "PageUp": (0x01000016, 0, "PageUp", "PageUp", 33, True),
    "PageDown": (0x01000017, 0, "PageDown", "PageDown", 34, True),
    "Escape": (0x01000000, 0, "Escape", "Escape", 27, True),
    "Return": (0x01000004, 0, "Enter", "Enter", 13, False),
    "F2": (0x01000031, 0, "F2", "F2", 113, True),
    "keypad+": (0x2B, 0x20000000, "+", "NumpadAdd", 107, False),
    "D,with-no-keyCode": (0x44, 0, "d", "KeyD", 0, False),
}
# The player's steps, each played on both; "page steps = desktop step" where they differ. A menu
# opened by the mouse takes the keys that follow, as on the desktop.
DROPS = [step for _ in range(4) for step in ("key Left", "key Left", "key Space", "tick",
                                             "key Right", "key Space", "tick", "tick")]
# Figures of all seven colours (at TIME) on every background and at every size, the window made
# large enough for the largest.
PICTURES = ["tick"] + DROPS + ["item mnuBackColor1", "item mnuSize12", "item mnuBackColor2",
                               "item mnuSize24", "item mnuBackColor3", "item mnuSize30",
                               "resize 430 605", "tick", "item mnuSize18", "resize 265 370"]
SESSION = [
    "tick", "key Left", "key Right", "key Up", "key Down", "key P", "key Left", "key Pause",
    "key Pause", "key PageUp", "key keypad+", "key PageDown", "key D,with-no-keyCode",
    "key Space", "tick", "key F2", "tick",
    "open mnuMenu, key Down, key Down, key Return = item mnuPause",
    "open mnuOptions, key Down, key Right, key Escape, key Escape = none", "key Right",
    "open mnuMenu, key Up, key Right, key Left, key Up, key Return = item mnuPause", "key P",
    # each item of the menus, each followed by a tick (or by the key that resumes)
    "every item",
    # the mouse over the top row's third and eighth cells steers, turns and drops; Escape pauses
    # where it would minimise, then closes
    "move 79 19", "move 229 19", "press 229 19 2", "press 229 19 1", "tick", "item mnuESC2",
    "key Escape", "tick", "item mnuESC3", "key Escape"]


class Desktop:
    """The Qt window offscreen at `ratio`, seeded at TIME, showing what each step does."""

    def __init__(self, ratio=1):
        self.process = browser.start([ORACLE, str(TIME), "-platform", "offscreen"],
                                     env={**os.environ, "QT_SCALE_FACTOR": str(ratio)},
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL, text=True)
        self.icons, self.state = (json.loads(self.process.stdout.readline()) for _ in range(2))

    def step(self, step):
        what, *rest = step.split()
        print("key %d %d" % KEYS[rest[0]][:2] if what == "key" else step,
              file=self.process.stdin, flush=True)
        self.state = json.loads(self.process.stdout.readline())


class Page(unittest.TestCase):
    """A browser with the site, and the steps played and compared there."""

    @classmethod
    def setUpClass(cls):
        cls.server = browser.Server(os.path.join(BUILD, "site"))
        cls.browser = browser.Browser()
        cls.icons = {int(size): base64.b64decode(icon) for size, icon in Desktop().icons.items()}

    def open(self, ratio=1, setup=SETUP, url=None):
        """The page at `ratio`, `setup` run before its own script, once it started or ended."""
        self.browser.cdp("Emulation.setDeviceMetricsOverride", width=600, height=900,
                         deviceScaleFactor=ratio, mobile=False)
        script = self.browser.cdp("Page.addScriptToEvaluateOnNewDocument", source=setup)
        self.browser.driver.get(url or self.server.url)
        self.browser.cdp("Page.removeScriptToEvaluateOnNewDocument", **script)
        self.wait("const game = document.getElementById('game'); return !game || "
                  "game.style.visibility === 'visible' || !document.getElementById('note').hidden")

    def wait(self, condition):
        self.browser.driver.execute_async_script(
            "const done = arguments[0], test = () => { try { return (() => {%s})(); } "
            "catch { return false; } }; const poll = () => test() ? done() : setTimeout(poll, 20);"
            "poll();" % condition)

    def centre(self, selector):
        box = self.browser.run(
            "return document.querySelector(arguments[0]).getBoundingClientRect()", selector)
        return box["x"] + box["width"] / 2, box["y"] + box["height"] / 2

    def choose(self, name):
        """Picks a menu item with the mouse: its menu on the bar, each submenu, the item."""
        opened, *path = self.browser.run(
            "const path = [];"
            "for (let e = document.getElementById(arguments[0]); e;"
            "     e = e.parentElement.closest('[data-id]')) path.unshift(e);"
            "return [path[0].matches('.open'), ...path.map((e) => e.id)];", name)
        for n, entry in enumerate(path):
            if n or not opened:  # a submenu opens as the pointer comes over it
                self.browser.click(*self.centre("#" + entry), n in (0, len(path) - 1) and "left")

    def play(self, step, desktop):
        for part in step.split(" = ")[0].split(", "):
            what, *rest = part.split()
            if what == "tick":
                self.browser.run("testClock.tick && testClock.tick()")
            elif what == "key":
                self.browser.key(*KEYS[rest[0]][2:5])
            elif what in ("item", "open"):  # an item, or a menu of the bar
                self.choose(rest[0])
            elif what == "resize":  # as the player drags the window's corner
                self.browser.run("Object.assign(document.getElementById('client').style, {width: "
                                 "arguments[0] + 'px', height: arguments[1] + 'px'})", *rest)
                self.wait("return document.getElementById('canvas').width === "
                          "Math.round(%s * devicePixelRatio)" % rest[0])
            else:  # the pointer moved or pressed at (x, y) of the canvas, 265 by 370
                x, y = self.centre("#canvas")
                self.browser.click(x - 132.5 + int(rest[0]), y - 185 + int(rest[1]),
                                   what == "press" and {"1": "left", "2": "right"}[rest[2]])
        desktop.step(step.split(" = ")[-1])

    def agree(self, desktop, after):
        page, want = self.browser.run(STATE), dict(desktop.state)
        shown, drawn = (base64.b64decode(state.pop("pixels", "")) for state in (page, want))
        self.assertEqual(page, want, after)
        if shown != drawn:
            at = next(i for i in range(len(drawn)) if shown[i] != drawn[i]) // 4
            self.fail("%s: pixel (%d, %d) differs" % (after, *divmod(at, page["size"][0])[::-1]))

    def session(self, steps, ratio=1, url=None):
        """Plays the steps on both; after each, both must show the same."""
        self.open(ratio, url=url)
        desktop = Desktop(ratio)
        self.agree(desktop, "start-up")
        items = self.browser.run("return [...document.querySelectorAll('.e[id^=mnu]')]"
                                 ".filter((e) => !e.querySelector('.p')).map((e) => e.id)")
        every = [step for item in items for step in ("item " + item,
                                                     "key P" if item == "mnuPause" else "tick")]
        for step in [s for step in steps for s in (every if step == "every item" else [step])]:
            self.play(step, desktop)
            self.agree(desktop, 'after "%s" at %s' % (step, ratio))


class SessionTest(Page):
    def test_the_single_file_from_disk_shows_what_the_desktop_shows_at_every_step_and_keeps_nothing(
            self):
        self.browser.fetched()
        page = "file://" + os.path.abspath(os.path.join(BUILD, "blokka.html"))
        self.session(SESSION, url=page)
        kept = self.browser.run(
            "return Promise.all([indexedDB.databases(), caches.keys()]).then(([d, c]) => ["
            "document.cookie, localStorage.length, sessionStorage.length, d.length, c.length])")
        self.assertEqual([kept, self.browser.fetched()], [["", 0, 0, 0, 0], [page]])


class PageTest(Page):
    def test_the_site_shows_every_picture_at_every_size_as_the_desktop_at_each_pixel_ratio(self):
        self.browser.fetched()
        for ratio in (1, 1.5, 2):
            with self.subTest(ratio=ratio):
                self.session(PICTURES, ratio)
        self.assertLessEqual(set(self.browser.fetched()),  # nothing from elsewhere
                             {self.server.url + name for name in ("", "blokka.js", "blokka.wasm")})

    def tab(self):
        """A new tab with the page: whether it shows no game."""
        self.browser.driver.switch_to.new_window("tab")
        self.open()
        return "ended" in self.browser.run(STATE)

    def test_one_copy_a_profile_a_second_tab_ends_at_once_and_the_first_frees_it_as_it_ends(self):
        driver = self.browser.driver
        self.open()
        self.assertTrue(self.tab(), "a second copy")
        driver.close()
        driver.switch_to.window(driver.window_handles[0])
        self.choose("mnuESC3")
        self.browser.key(*KEYS["Escape"][2:5])
        driver.switch_to.window(driver.window_handles[0])
        self.assertFalse(self.tab(), "a copy after the first closed")

    def test_a_browser_without_webassembly_or_web_locks_is_told_in_a_line_and_only_one_is_needed(
            self):
        for setup, line, game in (
                ("delete window.WebAssembly;", "Нет WebAssembly", "hidden"),
                ("Object.defineProperty(Navigator.prototype, 'locks', {get: () => undefined});",
                 "Нет Web Locks", "visible")):
            self.open(setup=SETUP + setup)
            self.assertEqual(self.browser.run(
                "return [document.getElementById('note').textContent.split(':')[0], "
                "getComputedStyle(document.getElementById('game')).visibility]"), [line, game])

    def test_the_browser_keeps_its_own_shortcuts_and_shows_no_menu_of_its_own_over_the_board(self):
        self.open()
        self.browser.run("window.kept = []; for (const type of ['keydown', 'contextmenu'])"
                         "  addEventListener(type, (e) => kept.push(e.defaultPrevented));")
        for key in KEYS.values():
            self.browser.key(*key[2:5])
        self.browser.key("ArrowLeft", "ArrowLeft", 37, modifiers=2)  # control
        self.browser.click(*self.centre("#canvas"), button="right")
        self.browser.click(5, 5, button="right")
        self.assertEqual(self.browser.run("return kept"),
                         [key[5] for key in KEYS.values()] + [False, True, False])

    def test_the_page_has_the_title_the_icon_and_the_label_face_of_the_desktop(self):
        self.open()
        self.wait("return document.querySelectorAll('link[rel=icon]').length === %d"
                  % len(self.icons))
        title, icons, face = self.browser.run("""
          const label = getComputedStyle(document.getElementById('lblTotal'));
          return Promise.all([...document.querySelectorAll('link[rel=icon]')].map(async (link) => {
            const icon = Object.assign(new Image(), {src: link.href}), size = parseInt(link.sizes);
            await icon.decode();
            const c = new OffscreenCanvas(size, size).getContext('2d');
            c.drawImage(icon, 0, 0);
            return [size, [...c.getImageData(0, 0, size, size).data]];
          })).then((icons) => [document.title, icons,
                               [label.fontFamily, label.fontWeight, label.fontSize]]);""")
        self.assertEqual([title, face], ["Блокка", ["Calibri, Carlito, sans-serif", "700", "12px"]])
        self.assertEqual(sorted(size for size, _ in icons), sorted(self.icons))
        for size, pixels in icons:  # both reduce the cells' pictures smoothly, each in its way
            worst = max(abs(a - b) for a, b in zip(pixels, self.icons[size]))
            self.assertLessEqual(worst, 12, "the icon at %d pixels" % size)


if __name__ == "__main__":
    os.environ["TZ"] = "Europe/Moscow"  # so that the time of day is the local one, not UTC's
    if not os.access(ORACLE, os.X_OK):
        sys.exit("page_test: no " + ORACLE + ": the Linux build (make build) draws the desktop")
    browser.isolate()
    unittest.main(argv=sys.argv[:1] + sys.argv[3:])
