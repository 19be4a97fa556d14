# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
"""The site in a real headless Chromium, one row of the table below per behaviour (or two that need
the same kind of browser), each on a fresh copy of the site served from a fresh origin. Pixels are
compared with ImageMagick's decoding of the files, never with the browser's own.

Usage: in_chromium.py SITE-FOLDER [--axe AXE.MIN.JS] [--screenshot PNG] [ROW-NAME ...]"""

import argparse
import json
import subprocess
import sys
import tempfile
import time
import traceback
from pathlib import Path

from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from webfixture import Site, open_page, start_chromium

HERE = Path(__file__).resolve().parent
SIDE = 70  # the pictures' side; a square's button is 73 pixels, 72 apart
SHADE_COLOURS = {"vi": (192, 192, 128), "so": (128, 160, 128)}  # the first pictures, drawn by the page


def rgb(image, *options):
    """The pixels of the image (a file, or a PNG's bytes) as RGB bytes, decoded by ImageMagick after
    its `options` (a crop, say)."""
    data = image if isinstance(image, bytes) else None
    return subprocess.run(["/usr/bin/convert", "-" if data is not None else str(image), *options, "-depth", "8", "rgb:-"],
                          input=data, capture_output=True, check=True).stdout


class Page:
    def __init__(self, site, driver, options):
        self.site, self.driver, self.options = site, driver, options

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, what, timeout=10):
        try:
            return WebDriverWait(self.driver, timeout).until(lambda d: condition())
        except TimeoutException:
            raise AssertionError(f"waited {timeout} s for {what() if callable(what) else what}") from None

    def idle(self):
        return self.js("return !document.getElementById('Form1').hasAttribute('data-busy')")

    def text1(self):
        return self.js("return document.getElementById('Text1').value")

    def wait_sum(self, expected):
        self.wait(lambda: self.idle() and self.text1() == expected,
                  lambda: f"Text1 to show {expected!r} (it shows {self.text1()!r})")

    def click(self, *squares):
        """Clicks through the DOM, all at once: the page must queue what arrives while it works."""
        self.js("for (const i of arguments[0]) document.getElementById('C' + i).click()", list(squares))

    def focused(self):
        return self.js("return document.activeElement.id")

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def expect_picture(self, square, name):
        """A screenshot shows the picture's pixels where the desktop draws square's picture: centred
        on its button of 73 pixels, whose corner lies at (column * 72, row * 72). Each pixel is a
        crisp square of as many device pixels a side as the screen's ratio."""
        ratio = int(self.js("return window.devicePixelRatio"))
        side, x, y = SIDE * ratio, (square % 8 * 72 + 1) * ratio, (square // 8 * 72 + 1) * ratio
        # The focus ring may reach over a neighbour: take the picture without it.
        focus = self.js("const e = document.activeElement; e.blur(); return e")
        png = self.driver.get_screenshot_as_png()
        self.js("arguments[0].focus()", focus)
        shown = rgb(png, "-crop", f"{side}x{side}+{x}+{y}", "+repage")
        file = bytes(SHADE_COLOURS[name]) * side * side if name in SHADE_COLOURS else \
            rgb(self.site.root / name, "-scale", f"{100 * ratio}%")
        assert shown == file, f"square {square} does not show {name}'s pixels"

    def failure(self):
        return self.js("const f = document.getElementById('failure');"
                       "return f && f.checkVisibility() ? document.getElementById('failure-message').textContent : null")

    def controlled(self):
        """Waits until the service worker has its cache and controls the page (from the second load)."""
        self.driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
        self.driver.refresh()
        self.wait(lambda: self.js("return document.documentElement.dataset.ready === 'true'"
                                  " && navigator.serviceWorker.controller !== null"), "the service worker's control")


# --- the rows -------------------------------------------------------------------------------------

ARROWS = [  # (from square, key, to square): to the neighbour, and at an edge of the board nowhere
    (0, Keys.RIGHT, 1), (0, Keys.DOWN, 8), (9, Keys.LEFT, 8), (9, Keys.UP, 1),
    (8, Keys.LEFT, 8), (3, Keys.UP, 3), (15, Keys.RIGHT, 15), (60, Keys.DOWN, 60),
]


def keyboard_on_a_narrow_screen(page):
    """The whole form fits a phone's viewport, scaled. The focus starts on C0 and goes on to Text1,
    "calculate >>", which Space presses, then "reset" and the squares; an arrow key moves it to the
    neighbouring square. A tap lands on the square under it."""
    boxes = page.js("return ['Form1', 'C0', 'C7', 'C56', 'C63', 'Text1', 'Command2'].map(id => {"
                    " const r = document.getElementById(id).getBoundingClientRect();"
                    " return [id, r.left, r.top, r.right, r.bottom]; })")
    outside = [b for b in boxes if b[1] < 0 or b[2] < 0 or b[3] > 361 or b[4] > 641]  # a square reaches a pixel past the form
    assert not outside, f"beyond the 360 x 640 viewport: {outside}"
    assert boxes[0][3] - boxes[0][1] > 340, f"the form is {boxes[0][3] - boxes[0][1]} px wide, not scaled to fit"
    assert page.focused() == "C0" and page.text1() == "", f"the focus starts on {page.focused()}"
    expected = ["Text1", "Command1", "Command2"] + [f"C{i}" for i in range(1, 64)]
    seen = []
    for _ in expected:
        page.keys(Keys.TAB)
        seen.append(page.focused())
        if seen[-1] == "Command1":
            page.keys(Keys.SPACE)
            page.wait_sum("0")
    assert seen == expected, f"tab order {seen}"
    wrong = []
    for start, key, end in ARROWS:
        page.js("document.getElementById(arguments[0]).focus()", f"C{start}")
        page.keys(key)
        if page.focused() != f"C{end}":
            wrong.append((start, repr(key), page.focused()))
    assert not wrong, f"arrow keys went astray (from, key, to): {wrong}"
    ActionChains(page.driver).click(page.driver.find_element(By.ID, "C63")).perform()
    page.wait_sum("0.03125")


def screenshot(page):
    # The desktop's screenshot board, clicked with the mouse: a knight, a king, a bishop and a rook.
    for square, times in ((9, 1), (21, 2), (44, 3), (59, 4)):
        button = page.driver.find_element(By.ID, f"C{square}")
        for _ in range(times):
            ActionChains(page.driver).click(button).perform()
    page.wait_sum("0.290178571428571")
    for square, name in ((9, "vilo.bmp"), (21, "soki.bmp"), (44, "sofu.bmp"), (59, "viba.bmp"), (0, "vi"), (1, "so")):
        page.expect_picture(square, name)
    if page.options.screenshot:  # the form alone, with no time stamp: an unchanged page makes an unchanged file
        subprocess.run(["/usr/bin/convert", "-", "-crop", "576x615+0+0", "+repage", "-strip",
                        "-define", "png:exclude-chunks=date,time", str(page.options.screenshot)],
                       input=page.driver.get_screenshot_as_png(), check=True)


def failing_picture(page, spoil, reason):
    """A click that needs a picture which cannot be shown: the message names the file and why,
    in an alert that has the focus; Escape gives the focus back; square and code stay as they were."""
    picture = page.site.root / "vilo.bmp"
    good = picture.read_bytes()
    spoil(picture, good)
    page.keys(Keys.SPACE)  # on C0
    page.wait(lambda: page.failure() is not None, "the failure's report")
    message = page.failure()
    assert "vilo.bmp" in message and reason in message, f"the report says {message!r}"
    assert page.js("return document.getElementById('failure').getAttribute('role')") == "alertdialog"
    assert page.js("return document.getElementById('failure').contains(document.activeElement)"), "no focus in the report"
    page.keys(Keys.ESCAPE)
    page.wait(lambda: page.failure() is None and page.idle(), "the report to close")
    assert page.focused() == "C0", f"the focus went back to {page.focused()}"
    page.expect_picture(0, "vi")
    picture.write_bytes(good)
    page.keys(Keys.ENTER)  # Enter presses too
    page.wait_sum("0.03125")  # the square was still empty: its next piece is the knight
    page.expect_picture(0, "vilo.bmp")


def reset_stops_at_the_failing_square(page):
    """A reset stops at the square whose picture fails; once the picture is back, the next empties all.
    (On a screen of twice the pixels, where each picture's pixel must stay a crisp 2 x 2.)"""
    page.click(0, 1, 2, 63, 63)
    page.wait_sum("0.15625")
    (page.site.root / "so.bmp").rename(page.site.root / "so.bmp.away")
    page.js("document.getElementById('Command2').click()")
    page.wait(lambda: page.failure() is not None, "the failure's report")
    assert "so.bmp" in page.failure(), f"the report says {page.failure()!r}"
    page.js("document.querySelector('#failure button').click()")
    page.wait(lambda: page.failure() is None and page.idle(), "the report to close")
    (page.site.root / "so.bmp.away").rename(page.site.root / "so.bmp")
    page.js("document.getElementById('Command1').click()")
    page.wait_sum("0.125")  # square 0 emptied; 1 and 2 still hold their knights, 63 its king
    for square, name in ((0, "vi.bmp"), (1, "solo.bmp"), (2, "vilo.bmp")):
        page.expect_picture(square, name)
    page.js("document.getElementById('Command2').click()")
    page.wait_sum("0")
    for square, name in ((1, "so.bmp"), (2, "vi.bmp"), (63, "vi.bmp")):
        page.expect_picture(square, name)
    page.click(1)
    page.wait_sum("0.03125")  # the board was emptied, not only its text


def accessibility_in_german(page):
    """In the browser's first language, German: the names, a press's announcement, the decimal comma
    and a report's words; and nothing that axe-core finds wrong."""
    nodes = page.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    names = {(n.get("role", {}).get("value"), n.get("name", {}).get("value")) for n in nodes}
    for row in range(1, 9):
        for column in range(1, 9):
            assert ("button", f"Zeile {row}, Spalte {column}: leer") in names, f"no square at {row}, {column}"
    assert ("textbox", "gewichtete Summe des Bretts") in names, "the sum box is not named"
    page.keys(Keys.SPACE)  # on C0
    page.wait_sum("0,03125")
    knight = "Zeile 1, Spalte 1: Springer"
    assert page.driver.find_element(By.ID, "C0").accessible_name == knight, "C0 keeps its old name"
    announced = "return document.getElementById('announcement').textContent"
    page.wait(lambda: page.js(announced) == knight, "the knight's announcement")
    page.js("document.getElementById('Command2').focus()")
    page.keys(Keys.SPACE)  # a reset changes square 0 while the focus is elsewhere: nothing to say
    page.wait_sum("0")
    assert page.js(announced) == knight, f"a reset announced {page.js(announced)!r}"
    page.js(page.options.axe.read_text())
    result = page.driver.execute_async_script(
        "axe.run(document).then(r => arguments[0](JSON.stringify(r.violations)))")
    violations = json.loads(result)
    assert not violations, "axe-core: " + "; ".join(f"{v['id']} at {[n['target'] for n in v['nodes']]}" for v in violations)
    (page.site.root / "vilo.bmp").unlink()
    page.click(0)
    page.wait(lambda: page.failure() is not None, "the failure's report")
    assert "„vilo.bmp“" in page.failure() and "Die Datei gibt es nicht" in page.failure(), page.failure()


def offline(page):
    """Installable. While the server answers, a picture is read afresh at every click; once it is
    gone, the page works on with the copies kept when it was installed."""
    page.controlled()
    errors = page.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
    assert not errors, f"not installable: {errors}"
    picture = page.site.root / "vilo.bmp"
    installed = picture.read_bytes()
    picture.write_bytes((page.site.root / "viki.bmp").read_bytes())
    page.click(0)
    page.wait_sum("0.03125")
    page.expect_picture(0, "vilo.bmp")  # viki.bmp's pixels now
    page.site.stop()
    picture.write_bytes(installed)
    page.driver.refresh()
    page.wait(lambda: page.js("return document.documentElement.dataset.ready === 'true'"), "the page offline")
    page.click(0)
    page.wait_sum("0.03125")
    assert page.failure() is None, f"offline: {page.failure()}"
    page.expect_picture(0, "vilo.bmp")


ROWS = [  # (name, row, its arguments, how Chromium starts: its language, viewport and pixel ratio)
    ("keyboard, on a narrow screen", keyboard_on_a_narrow_screen, {}, dict(size=(360, 640))),
    ("screenshot", screenshot, {}, {}),
    ("missing picture", failing_picture, dict(spoil=lambda p, good: p.unlink(), reason=": there is no such file."), {}),
    ("broken picture", failing_picture,
     dict(spoil=lambda p, good: p.write_bytes(b"BM not a picture at all"), reason=": it is not a picture in a format this program reads."), {}),
    ("over-large file", failing_picture,
     dict(spoil=lambda p, good: p.write_bytes(good + bytes((3 << 19) + 1 - len(good))), reason=": it is larger than 1.5 MiB"), {}),
    ("side over 512", failing_picture,  # the bitmap's header says 513 pixels wide
     dict(spoil=lambda p, good: p.write_bytes(good[:18] + (513).to_bytes(4, "little") + good[22:]),
          reason=": its header claims 513 × 70 pixels"), {}),
    ("reset, stopping at a failing square, at twice the pixels", reset_stops_at_the_failing_square, {}, dict(scale=2)),
    ("accessibility, in German", accessibility_in_german, {}, dict(lang="de-DE")),
    ("installable, fresh pictures online, offline after the first visit", offline, {}, {}),
]


def main():
    options = argparse.ArgumentParser(description="The site in headless Chromium, row by row.")
    options.add_argument("site", type=Path, help="the site's folder, as scripts/web prints it")
    options.add_argument("--axe", type=Path, default=HERE / "node_modules/axe-core/axe.min.js",
                         help="axe-core's axe.min.js, from npm ci of this folder's lock file")
    options.add_argument("--screenshot", type=Path, help="keep the screenshot row's picture here")
    options.add_argument("rows", nargs="*", help="the names of the rows to run (all when none)")
    arguments = options.parse_intermixed_args()
    wanted = arguments.rows or (["screenshot"] if arguments.screenshot else [r[0] for r in ROWS])
    rows = [r for r in ROWS if r[0] in wanted]
    failed = []
    for name, row, parameters, browser in rows:
        start = time.monotonic()
        with Site(arguments.site) as site, tempfile.TemporaryDirectory(prefix="tessk-chromium-") as profile:
            driver = start_chromium(profile, **browser)
            try:
                open_page(driver, site.url)
                row(Page(site, driver, arguments), **parameters)
                print(f"ok    {name} ({time.monotonic() - start:.1f} s)", flush=True)
            except Exception as error:  # every failure of a row is reported, and the next row runs
                failed.append(name)
                print(f"FAIL  {name}: {error}", flush=True)
                if not isinstance(error, AssertionError):
                    traceback.print_exc()
            finally:
                driver.quit()
    print(f"{len(rows) - len(failed)} passed, {len(failed)} failed")
    return 1 if failed or not rows else 0


if __name__ == "__main__":
    sys.exit(main())
