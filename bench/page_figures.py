#!/usr/bin/python3
"""The page's figures, in headless Chromium against a local server: its size
as transferred, gzipped, and the single file's; from navigation to a link's
result on screen; from a keystroke, and from a tap on a line, to the new
result; the whole-band plan from its link to its table on screen, and to a
CSV made as its link is followed; a million-row link, and a list file just
under the page's 2 MiB, to the page's message of its limit. Prints JSON.

Usage: page_figures.py WEB_BUILD   (run with Debian's /usr/bin/python3)
"""
import gzip
import json
import os
import sys
import tempfile

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                                "test", "web"))
from local_site import chromium, serve  # noqa: E402

WEB_BUILD = sys.argv[1]
SITE = os.path.join(WEB_BUILD, "site")


def gzipped(paths):
    total = 0
    for path in paths:
        with open(path, "rb") as file:
            total += len(gzip.compress(file.read(), 9))
    return total


def best_mark(driver, url, mark, runs):
    """The fewest milliseconds from navigation to the page's performance mark,
    over a number of fresh loads of the link."""
    best = float("inf")
    for _ in range(runs):
        driver.get("about:blank")
        driver.get(url)
        WebDriverWait(driver, 30).until(lambda d: d.execute_script(
            f"return performance.getEntriesByName('{mark}').length > 0"))
        best = min(best, driver.execute_script(  # navigation starts at 0
            f"return performance.getEntriesByName('{mark}')[0].startTime"))
    return best


def list_file_ms(driver, base):
    """From a list file of just under 2 MiB given to the page to its rows and
    message on screen."""
    line = "145.6 Hemma\n"
    size = 2 * 1024 * 1024 - 1
    with tempfile.NamedTemporaryFile("w", suffix=".txt", encoding="ascii") as file:
        file.write((line * (size // len(line) + 1))[:size])
        file.flush()
        driver.get("about:blank")
        driver.get(base + "#plan=")
        WebDriverWait(driver, 30).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready"))
        start = driver.execute_script("return performance.now()")
        driver.find_element(By.ID, "plan-file").send_keys(file.name)
        WebDriverWait(driver, 30).until(lambda d: d.execute_script(
            "return performance.getEntriesByName('delartal-plan-shown').length > 1"))
        return driver.execute_script(
            "return performance.getEntriesByName('delartal-plan-shown').pop().startTime") - start


def main():
    driver = chromium()
    base = serve(SITE)
    figures = {
        "site_gzip_kib": gzipped(os.path.join(SITE, name) for name in os.listdir(SITE)) / 1024,
        "single_file_gzip_kib": gzipped([os.path.join(WEB_BUILD, "delartal.html")]) / 1024,
    }
    try:
        figures["link_to_result_ms"] = best_mark(driver, base + "#v=2&f=141.40625",
                                                 "delartal-answered", 5)
        # The whole-band plan from its link to the frame that shows its table.
        figures["whole_band_link_ms"] = best_mark(driver, base + "#plan=140.4%3A265.3875",
                                                  "delartal-drawn", 3)
        figures["million_row_link_ms"] = best_mark(
            driver, base + "#plan=140%3A152.4999875%3A0.0000125", "delartal-answered", 3)
        figures["list_file_2mib_ms"] = list_file_ms(driver, base)
        # One keystroke: the event handled and its result laid out.
        figures["keystroke_ms"] = driver.execute_script("""
            const field = document.getElementById('frequency');
            let best = Infinity;
            for (let i = 0; i < 50; ++i) {
              field.value = i % 2 ? '146.03125' : '146.0312';
              const start = performance.now();
              field.dispatchEvent(new Event('input'));
              document.getElementById('report').getBoundingClientRect();
              best = Math.min(best, performance.now() - start);
            }
            return best;""")
        driver.get(base + "#r=")
        WebDriverWait(driver, 30).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready"))
        figures["tap_ms"] = driver.execute_script("""
            const line = document.getElementById('line-J');
            let best = Infinity;
            for (let i = 0; i < 50; ++i) {
              const start = performance.now();
              line.click();
              document.getElementById('reverse').getBoundingClientRect();
              best = Math.min(best, performance.now() - start);
            }
            return best;""")
        driver.get(base + "#plan=")
        WebDriverWait(driver, 30).until(
            lambda d: d.execute_script("return document.documentElement.dataset.ready"))
        driver.execute_script("document.getElementById('plan-input').value = '140.4:265.3875'")
        # The CSV is made as its link is followed: the time of that click,
        # the download itself held back.
        figures["whole_band_csv_ms"] = driver.execute_script("""
            const link = document.getElementById('csv');
            link.addEventListener('click', (event) => event.preventDefault());
            const start = performance.now();
            link.dispatchEvent(new MouseEvent('click', {cancelable: true}));
            return performance.now() - start;""")
    finally:
        driver.quit()
    print(json.dumps(figures))


if __name__ == "__main__":
    main()
