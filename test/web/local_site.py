"""What the page's browser test and its benchmark share: a folder served on
127.0.0.1, and headless Chromium driven through Debian's chromium-driver.

Run as a script, serves FOLDER on PORT until stopped, gzipped where the
browser takes it, as a static host serves the site:
local_site.py FOLDER PORT"""
import functools
import gzip
import http.server
import io
import os
import sys
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Gzipped(Quiet):
    """A file gzipped as it is sent, where the request accepts gzip."""
    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if "gzip" not in self.headers.get("Accept-Encoding", "") or not os.path.isfile(path):
            return super().send_head()
        with open(path, "rb") as file:
            body = gzip.compress(file.read(), 9)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return io.BytesIO(body)


def serve(folder, port=0, handler=Quiet):
    """The folder over HTTP on 127.0.0.1, on a free port unless one is given,
    while this runs."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port),
                                             functools.partial(handler, directory=folder))
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


if __name__ == "__main__":
    serve(sys.argv[1], int(sys.argv[2]), Gzipped)
    threading.Event().wait()
