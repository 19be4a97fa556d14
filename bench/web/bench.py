# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
"""The site against bench/web/floor.html in one headless Chromium, in pairs as scripts/bench takes
them (see bench/README.md), and what the site transfers besides its pictures, gzip-compressed.
Reports; never fails on a missed target. Usage: bench.py SITE-FOLDER [PAIRS]"""

import gzip
import shutil
import statistics
import sys
import tempfile
from pathlib import Path

from selenium.webdriver.support.ui import WebDriverWait

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent.parent / "tests" / "web"))
from webfixture import Site, open_page, start_chromium  # noqa: E402

# Before any script of a page: note when the page says it takes clicks; and time clicks on C0, one
# after the other as each handler is done, from the first's dispatch to the first frame after the
# last (so that the frames' pace, 16.7 ms, weighs little on a sample).
WATCH = """
new MutationObserver((_, observer) => {
    if (document.documentElement.dataset.ready === 'true') {
        window.readyAt = performance.now();
        observer.disconnect();
    }
}).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
window.timeClicks = (count, done) => {
    const form = document.getElementById('Form1');
    const idle = () => new Promise((resolve) => {
        const observer = new MutationObserver(() => {
            if (!form.hasAttribute('data-busy')) {
                observer.disconnect();
                resolve();
            }
        });
        observer.observe(form, { attributes: true, attributeFilter: ['data-busy'] });
    });
    const frame = () => new Promise((resolve) => requestAnimationFrame(() => {
        const channel = new MessageChannel();
        channel.port1.onmessage = resolve;
        channel.port2.postMessage(null);
    }));
    (async () => {
        const start = performance.now();
        for (let click = 0; click < count; click++) {
            const handled = idle();
            document.getElementById('C0').click();
            await handled;
        }
        await frame();
        done(performance.now() - start);
    })();
};
"""


def paired(sample_site, sample_floor, pairs):
    """The median of the pairs' ratios, the site's median sample and the floor's; the floor's
    sample comes first in every other pair."""
    samples = [(sample_floor(), sample_site())[::-1] if pair % 2 else (sample_site(), sample_floor())
               for pair in range(pairs)]
    return (statistics.median(site / floor for site, floor in samples),
            statistics.median(site for site, _ in samples), statistics.median(floor for _, floor in samples))


def transferred(site_folder, driver):
    """The files a first visit fetches, the service worker's cache included, less the pictures:
    each gzip-compressed, as a server would send it, in bytes."""
    with Site(site_folder) as site:
        open_page(driver, site.url)
        driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
        paths = {p.split("?")[0].lstrip("/") or "index.html" for p in site.requests}
        files = sorted(p for p in paths if not p.endswith(".bmp") and (site.root / p).is_file())
        return sum(len(gzip.compress((site.root / p).read_bytes(), 9)) for p in files), files


def main(arguments):
    site_folder = Path(arguments[0])
    pairs = int(arguments[1]) if len(arguments) > 1 else 41
    with tempfile.TemporaryDirectory(prefix="tessk-bench-web-") as work:
        floor_folder = Path(work) / "floor"
        floor_folder.mkdir()
        shutil.copy(HERE / "floor.html", floor_folder / "index.html")
        for picture in site_folder.glob("*.bmp"):
            shutil.copy(picture, floor_folder)
        # Each page on an origin of its own: the site's service worker must not serve the floor.
        with Site(site_folder) as site, Site(floor_folder) as floor:
            # Two tabs take turns: neither may be slowed as a tab in the background.
            driver = start_chromium(Path(work) / "profile", extra=(
                "--disable-background-timer-throttling", "--disable-renderer-backgrounding",
                "--disable-backgrounding-occluded-windows"))
            try:
                driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})
                size, files = transferred(site_folder, driver)

                def load(url):
                    def sample():  # three loads, each from the navigation's start until the board takes a click
                        total = 0
                        for _ in range(3):
                            open_page(driver, url)
                            total += WebDriverWait(driver, 10).until(lambda d: d.execute_script("return window.readyAt"))
                        return total / 3
                    return sample

                open_page(driver, site.url)  # the first visit, which installs the service worker
                load_ratio, load_site, load_floor = paired(load(site.url), load(floor.url), pairs)

                driver.switch_to.new_window("tab")
                driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})  # each tab its own
                open_page(driver, floor.url)
                floor_tab = driver.current_window_handle
                site_tab = driver.window_handles[0]
                driver.switch_to.window(site_tab)
                open_page(driver, site.url)

                def click(tab):
                    def sample():
                        driver.switch_to.window(tab)
                        return driver.execute_async_script("window.timeClicks(20, arguments[0])") / 20
                    return sample

                click_ratio, click_site, click_floor = paired(click(site_tab), click(floor_tab), pairs)
            finally:
                driver.quit()

    lines = [
        ("load until the board takes a click / floor", load_ratio, 1.1,
         f"site {load_site:.1f} ms, floor {load_floor:.1f} ms"),
        ("click until its sum is shown / floor", click_ratio, 1.15,
         f"site {click_site:.2f} ms, floor {click_floor:.2f} ms"),
        ("transferred besides the pictures, gzip, KB", size / 1000, 100, ", ".join(files)),
    ]
    for name, value, target, detail in lines:
        verdict = "ok" if value <= target else "MISSED"
        print(f"{name:<46} {value:8.2f}  target <= {target:<5} {verdict:<6}  ({detail})")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
