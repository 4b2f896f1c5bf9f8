# SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Debian's chromium, headless, for the page's tests and benchmarks: in namespaces of their own
where the system allows it, a fresh profile each, the site served from 127.0.0.1 by
scripts/serve-web, trusted input through the DevTools protocol. All ends with the program."""

import atexit
import ctypes
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CHROMIUM, CHROMEDRIVER = "/usr/bin/chromium", "/usr/bin/chromedriver"
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"]
NAMESPACES = ["unshare", "--net", "--pid", "--fork", "--mount-proc", "--kill-child"]


def isolate():
    """Runs the program again in namespaces of its own where the system allows it: only lo is
    there, and every process it starts dies with it. Elsewhere each child dies with it."""
    if "BLOKKA_ISOLATED" not in os.environ:
        works = subprocess.run(NAMESPACES + ["true"], capture_output=True).returncode == 0
        os.environ["BLOKKA_ISOLATED"] = "1" if works else ""
        if works:
            os.execvp(NAMESPACES[0], NAMESPACES + [sys.executable] + sys.argv)
    if os.environ["BLOKKA_ISOLATED"]:
        subprocess.run(["ip", "link", "set", "lo", "up"], check=True)
    # A signal ends the program through its exit handlers, which end its children.
    for number in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(number, lambda *_: sys.exit(1))
    missing = [tool for tool in (CHROMIUM, CHROMEDRIVER, "/usr/lib/python3/dist-packages/selenium")
               if not os.path.exists(tool)]
    if missing:
        sys.exit("missing " + ", ".join(missing) + ": run scripts/install-deps")


def _die_with_parent():
    ctypes.CDLL(None).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


def start(command, **options):
    process = subprocess.Popen(command, preexec_fn=_die_with_parent, start_new_session=True,
                               **options)
    atexit.register(lambda: process.poll() is None and os.killpg(process.pid, signal.SIGKILL))
    return process


class Server:
    """The site on 127.0.0.1, at a free port."""

    def __init__(self, site):
        self.process = start([sys.executable, os.path.join(ROOT, "scripts/serve-web"), site],
                             env={**os.environ, "PORT": "0"}, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, text=True)
        self.url = self.process.stdout.readline().split()[1]


class Browser:
    def __init__(self, *flags):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        self.profile = tempfile.mkdtemp(prefix="blokka-chromium-")
        atexit.register(shutil.rmtree, self.profile, True)
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in FLAGS + list(flags) + ["--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        service = Service(CHROMEDRIVER, popen_kw={"preexec_fn": _die_with_parent,
                                                  "start_new_session": True})
        self.driver = webdriver.Chrome(service=service, options=options)
        atexit.register(lambda: os.killpg(service.process.pid, signal.SIGKILL))
        atexit.register(self.driver.quit)

    def fetched(self):
        """What the browser fetched since last asked, but for data: addresses and its own pages'
        chrome: ones (a new profile's first tab may still be loading)."""
        events = (json.loads(e["message"])["message"] for e in self.driver.get_log("performance"))
        urls = (e["params"]["request"]["url"] for e in events if e["method"].endswith("WillBeSent"))
        return [url for url in urls if not url.startswith(("data:", "chrome:"))]

    def cdp(self, method, **params):
        return self.driver.execute_cdp_cmd(method, params)

    def run(self, script, *args):
        return self.driver.execute_script(script, *args)

    def key(self, key, code, key_code, modifiers=0):
        """Presses and releases a key as the keyboard would: `key_code` as the browser gives
        it, `modifiers` as the protocol numbers them (alt 1, control 2, meta 4, shift 8)."""
        for kind in ("rawKeyDown", "keyUp"):
            self.cdp("Input.dispatchKeyEvent", type=kind, key=key, code=code, modifiers=modifiers,
                     windowsVirtualKeyCode=key_code, location=3 if code.startswith("Numpad") else 0)

    def click(self, x, y, button="left"):
        """Moves the mouse to (x, y) of the page, and there clicks `button`, if any."""
        for kind in ("mouseMoved", "mousePressed", "mouseReleased")[:3 if button else 1]:
            self.cdp("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button or "none",
                     clickCount=0 if kind == "mouseMoved" else 1)
