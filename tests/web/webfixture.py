# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
"""What the site's tests and its benchmark share: a local web server over a temporary copy of
the site, and a headless Chromium driven through Debian's chromedriver."""

import functools
import http.server
import shutil
import sys
import tempfile
import threading
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait


class _Handler(http.server.SimpleHTTPRequestHandler):
    # The types a school's server sends: WebAssembly compiles while it streams in only as
    # application/wasm, and a module loads only as JavaScript.
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".webmanifest": "application/manifest+json",
        ".js": "text/javascript",
    }

    def end_headers(self):
        # As a server set up to let browsers keep files for an hour: the page must still read
        # every picture afresh while the server answers.
        self.send_header("Cache-Control", "max-age=3600")
        super().end_headers()

    def log_message(self, format, *args):  # noqa: A002 (the base class's name)
        self.server.requests.append(self.path)


class _Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A page that stops reading a file it refuses (one too large, say) closes the connection.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


class Site:
    """The site copied into a folder of its own, served on 127.0.0.1 at a port the system picks,
    so that each user of it gets a fresh origin (with no service worker and no cache yet) and may
    remove or replace its files. `stop()` takes the server away, as a network that is gone."""

    def __init__(self, source):
        self._folder = tempfile.TemporaryDirectory(prefix="tessk-site-")
        self.root = Path(self._folder.name) / "site"
        shutil.copytree(source, self.root)
        handler = functools.partial(_Handler, directory=str(self.root))
        self._server = _Server(("127.0.0.1", 0), handler)
        self._server.requests = []
        self.requests = self._server.requests
        self.url = f"http://127.0.0.1:{self._server.server_address[1]}/"
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)
        self._thread.start()

    def stop(self):
        if self._thread.is_alive():
            self._server.shutdown()
            self._server.server_close()
            self._thread.join()

    def close(self):
        self.stop()
        self._folder.cleanup()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


def start_chromium(profile_folder, lang="en-US", size=(800, 700), scale=1, extra=()):
    """Headless Chromium with a fresh profile that asks for nothing beyond the page's own origin,
    as root, at zoom 1 and device pixel ratio `scale`, in sRGB so that a screenshot holds the very
    colours drawn, and speaking `lang` first."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    quiet = ("--no-first-run --disable-background-networking --disable-component-update --disable-sync"
             " --disable-features=Translate,MediaRouter,OptimizationHints")
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", *quiet.split(), "--hide-scrollbars",
                     f"--force-device-scale-factor={scale}", "--force-color-profile=srgb", f"--window-size={size[0]},{size[1]}",
                     f"--lang={lang}", f"--user-data-dir={profile_folder}", *extra]:
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": f"{lang},{lang.split('-')[0]}"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    # The window's outer size is not the page's: set the viewport itself.
    driver.execute_cdp_cmd(
        "Emulation.setDeviceMetricsOverride",
        {"width": size[0], "height": size[1], "deviceScaleFactor": scale, "mobile": False},
    )
    return driver


def open_page(driver, url, timeout=20):
    """Loads the page and waits until the board takes clicks."""
    driver.get(url)
    WebDriverWait(driver, timeout).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'")
    )
