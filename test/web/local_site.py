"""What the page's browser test and its benchmark share: a folder served on
127.0.0.1, and headless Chromium driven through Debian's chromium-driver."""
import functools
import http.server
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def serve(folder):
    """The folder over HTTP on 127.0.0.1, on a free port, while this runs."""
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                             functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"http://127.0.0.1:{server.server_address[1]}/"


def chromium(prefs=None):
    options = webdriver.ChromeOptions()
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--window-size=1280,800", "--disable-background-networking",
                     "--disable-component-update", "--no-first-run"]:
        options.add_argument(argument)
    if prefs:
        options.add_experimental_option("prefs", prefs)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(options=options, service=Service(executable_path="/usr/bin/chromedriver"))
