"""Headless Chromium through WebDriver, and a static file server, for the
page's tests and its benchmark. Both are started on 127.0.0.1 with a free
port and a fresh profile, and stopped by their context managers."""
import contextlib
import functools
import http.server
import pathlib
import shutil
import subprocess
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common import utils


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    held = {}

    def log_message(self, *args):
        pass

    def do_GET(self):
        gate = self.held.get(self.path.lstrip("/").split("?")[0])
        if gate:
            gate.wait(60)
        super().do_GET()


@contextlib.contextmanager
def static_server(folder, held=None):
    """Serves `folder` on http://127.0.0.1:PORT/ (a free port) until the block
    ends; a file named in `held` (path: threading.Event) is answered only once
    its event is set."""
    handler = functools.partial(type("Handler", (_QuietHandler,), {"held": held or {}}), directory=str(folder))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield server, f"http://127.0.0.1:{server.server_address[1]}/"
    finally:
        server.shutdown()
        server.server_close()
        thread.join()


# Notes, from outside the page, when it says it can convert: the moment its
# root gets data-ready, as window.readyObservedAt (ms since navigation start).
_READY_WATCH = """
new MutationObserver((_, watch) => {
  if (document.documentElement.dataset.ready) {
    window.readyObservedAt = performance.now();
    watch.disconnect();
  }
}).observe(document, { subtree: true, attributes: true, attributeFilter: ['data-ready'] });"""


def watch_ready(driver):
    """Every page the driver loads from now on notes when it became ready."""
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": _READY_WATCH})


def stop_server(server):
    """Stops serving at once (the network "off"); the block's end does no more."""
    server.shutdown()
    server.server_close()


class _LoopbackService(Service):
    """The driver reached at 127.0.0.1: a bare system may have no /etc/hosts
    to name "localhost", which is all Selenium's own service asks for."""

    @property
    def service_url(self):
        return f"http://127.0.0.1:{self.port}"

    def is_connectable(self):
        return utils.is_connectable(self.port, "127.0.0.1")


@contextlib.contextmanager
def chromium(width=800, height=600, lang=None, page_load="normal"):
    """Headless Chromium with a fresh profile, started here and attached to
    by the driver at 127.0.0.1 (the driver's own start would name the
    browser "localhost", which a bare system without /etc/hosts cannot
    resolve). The driver's `devtools_url` is the browser's own DevTools
    endpoint (bench/web/tasks.py traces through it). `page_load` is the
    driver's page load strategy: "eager" returns from a load at
    DOMContentLoaded, before async scripts and pictures."""
    profile = pathlib.Path(tempfile.mkdtemp(prefix="mrv-web-"))
    flags = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--disable-dev-shm-usage", "--remote-debugging-port=0", f"--user-data-dir={profile}",
             f"--window-size={width},{height}"]
    if lang:
        flags += [f"--lang={lang}", f"--accept-lang={lang}"]
    browser = subprocess.Popen(["/usr/bin/chromium", *flags, "about:blank"], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    driver = None
    try:
        # The browser writes the port it listens on into the profile.
        port_file = profile / "DevToolsActivePort"
        deadline = time.monotonic() + 60
        while not (port_file.exists() and port_file.read_text().strip()):
            if browser.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("chromium did not start")
            time.sleep(0.05)
        port, path = port_file.read_text().split()[:2]
        options = webdriver.ChromeOptions()
        options.add_experimental_option("debuggerAddress", f"127.0.0.1:{port}")
        options.page_load_strategy = page_load
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        driver = webdriver.Chrome(service=_LoopbackService("/usr/bin/chromedriver"), options=options)
        driver.devtools_url = f"ws://127.0.0.1:{port}{path}"
        yield driver
    finally:
        if driver:
            driver.quit()
        browser.terminate()
        try:
            browser.wait(10)
        except subprocess.TimeoutExpired:
            browser.kill()
            browser.wait()
        shutil.rmtree(profile, ignore_errors=True)
