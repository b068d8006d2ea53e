#!/usr/bin/python3
"""Uses the page in Chromium as a person would, through selenium, and
compares what it shows with the built delartal and delartal-plan: typing
frequencies, tapping the matrix's lines, typing boards, following links,
stepping back, downloading the CSV, printing the cards to PDF, answering
with the network cut off after one visit, and opening the single file from
disk. axe-core checks every view, in light and dark mode, and screenshots
of each view at 360x800 and 1280x800 are left in OUTPUT_DIR.

Usage: page_in_browser.py WEB_BUILD DELARTAL DELARTAL_PLAN OUTPUT_DIR
(WEB_BUILD holds site/ and delartal.html). Needs Debian's chromium,
chromium-driver, python3-selenium and poppler-utils, and axe-core from npm
in test/web/node_modules (npm ci). Run it with Debian's /usr/bin/python3.
Prints one line per check and a closing 'N passed, M failed'.
"""
import base64
import csv
import io
import os
import re
import subprocess
import sys
import time
import urllib.parse

from local_site import chromium, serve
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

WEB_BUILD, DELARTAL, PLAN, OUT = sys.argv[1:5]
HERE = os.path.dirname(os.path.abspath(__file__))
AXE = os.path.join(HERE, "node_modules", "axe-core", "axe.min.js")
LABEL_ROW = "  - - - L  K J I H  G F E D  C B A M\n"
results = []


def check(name, condition, detail=""):
    results.append(bool(condition))
    print(("ok     " if condition else "FAILED ") + name + ("" if condition else ": " + str(detail)[:600]))


def browser(downloads):
    return chromium({"download.default_directory": downloads,
                     "download.prompt_for_download": False})


def delartal_report(variant, text):
    """delartal's lines from ' Frekvensen' to the label row, and its notice."""
    done = subprocess.run([DELARTAL], input=f"{variant}\n{text}\n\n".encode(), capture_output=True)
    out = done.stdout.decode("latin-1")
    start = out.find("\n\n\n Frekvensen ")
    if start < 0:
        return "", done.stderr.decode("latin-1").strip()
    return out[start + 3:out.index(LABEL_ROW, start) + len(LABEL_ROW)], \
        done.stderr.decode("latin-1").strip()


def plan_says(arguments, lines=b""):
    done = subprocess.run([PLAN] + arguments, input=lines, capture_output=True)
    return done.stdout.decode(), done.stderr.decode().strip()


def csv_rows(text, fields):
    """The CSV's rows, each as the fields a table of the page shows, in its order."""
    return [[row[field] for field in fields]
            for row in csv.DictReader(io.StringIO(text, newline=""))]


def table(driver, table_id):
    return [[cell.text for cell in row.find_elements(By.TAG_NAME, "td")]
            for row in driver.find_elements(By.CSS_SELECTOR, f"#{table_id} tbody tr")]


def fields(driver, table_id):
    return [th.get_attribute("data-field")
            for th in driver.find_elements(By.CSS_SELECTOR, f"#{table_id} thead th")]


def text_of(driver, element_id):
    return driver.execute_script(f"return document.getElementById('{element_id}').textContent")


def open_page(driver, url):
    driver.get(url)
    WebDriverWait(driver, 30).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))


def typing(driver, base):
    """Frequencies typed as an operator types them, against the programs."""
    open_page(driver, base + "#v=1&f=")
    field = driver.find_element(By.ID, "frequency")
    cases = [(1, "146.03125"), (2, "141.40625"), (1, "145.04375"), (1, "145,5"), (1, "1.46e2"),
             (2, "0x92p0"), (1, "165.4"), (2, "265.1875"), (1, "146abc"), (1, "300"),
             (2, "140.1"), (1, "")]
    for variant, text in cases:
        driver.find_element(By.ID, f"variant-{variant}").click()
        field.send_keys(Keys.CONTROL + "a", Keys.DELETE)
        field.send_keys(text)
        _, refusal = plan_says(["-v", str(variant), "--", text]) if text else ("", "")
        report, notice = delartal_report(variant, text.replace(",", "."))
        shown = text_of(driver, "report")
        message = text_of(driver, "message")
        if text and not refusal:
            check(f"{text} with variant {variant}: delartal's report, and its notice",
                  shown == report and message == notice, (shown, report, message, notice))
        else:
            check(f"{text or 'nothing'} with variant {variant}: no stale result, "
                  "delartal-plan's message", shown == "" and message == refusal,
                  (shown, message, refusal))
    field.send_keys(Keys.CONTROL + "a", Keys.DELETE)
    field.send_keys("RV48")
    check("a channel name: its channel and IARU name beside its divider",
          text_of(driver, "divider") == "416" and text_of(driver, "channel") ==
          "Kanal 145.6000 MHz, RV48", text_of(driver, "channel"))
    field.send_keys(Keys.CONTROL + "a", Keys.DELETE)
    field.send_keys("146.0375")
    ticks = driver.find_elements(By.CSS_SELECTOR, "#ticks input[type=checkbox]")
    check("a tick box for each diode of 451", [t.find_element(By.XPATH, "..").text for t in ticks]
          == ["J", "F", "D", "M"] and text_of(driver, "divider") == "451")


def tapping(driver, base):
    open_page(driver, base + "#r=")
    for line in "JFDM":
        driver.find_element(By.ID, f"line-{line}").click()
    out, _ = plan_says(["-r", "-f", "csv", "J F D M"])
    check("tapping J, F, D and M gives delartal-plan -r's rows", table(driver, "reverse")
          == csv_rows(out, fields(driver, "reverse")), table(driver, "reverse"))
    pressed = [b.get_attribute("id") for b in driver.find_elements(By.CSS_SELECTOR, ".toggle")
               if b.get_attribute("aria-pressed") == "true"]
    check("the tapped lines are pressed", pressed == ["line-J", "line-F", "line-D", "line-M"])
    driver.find_element(By.ID, "line-F").send_keys(" ")
    out, _ = plan_says(["-r", "-f", "csv", "J D M"])
    check("the keyboard toggles a line as a tap does", table(driver, "reverse") == csv_rows(out, fields(driver, "reverse")))
    board = driver.find_element(By.ID, "board")
    for text in ["1999", "x x x x  x V x x  x V x V  x x x V", "K J", "J F D M X", "145.6"]:
        board.send_keys(Keys.CONTROL + "a", Keys.DELETE)
        board.send_keys(text)
        out, err = plan_says(["-r", "-f", "csv", "--", text])
        check(f"the typed board {text!r}: delartal-plan -r's rows and message",
              table(driver, "reverse") == csv_rows(out, fields(driver, "reverse")) and text_of(driver, "message") == err,
              (table(driver, "reverse"), text_of(driver, "message"), err))


def links_and_history(driver, base):
    open_page(driver, base + "#v=2&f=141.40625")
    check("a link to a frequency shows its answer", text_of(driver, "divider") == "96"
          and driver.find_element(By.ID, "variant-2").is_selected())
    open_page(driver, base + "#r=J%20F%20D%20M")
    check("a link to a board shows its rows", len(table(driver, "reverse")) == 2)
    lines = "145.600 SK0RK repeater\n145.78;Hemma\nabc\n"
    open_page(driver, base + "#plan=" + urllib.parse.quote(lines))
    out, err = plan_says(["-f", "csv"], lines.encode())
    check("a link to a plan shows its table and messages",
          table(driver, "plan") == csv_rows(out, fields(driver, "plan"))
          and driver.find_element(By.ID, "plan-messages").text == err, table(driver, "plan"))
    driver.find_element(By.ID, "tab-forward").click()
    driver.find_element(By.ID, "tab-reverse").click()
    driver.back()
    check("back steps to the view before", driver.find_element(By.ID, "view-forward").is_displayed())
    driver.back()
    check("and back again to the plan", driver.find_element(By.ID, "view-plan").is_displayed())


def download_and_print(driver, base, downloads):
    lines = "145.600 SK0RK repeater\n145:145.05\n146.03125;Halvsteg\n"
    open_page(driver, base + "#plan=" + urllib.parse.quote(lines))
    driver.find_element(By.CSS_SELECTOR, "#delimiter option[value=';']").click()
    driver.find_element(By.ID, "csv").click()
    path = os.path.join(downloads, "kanalplan.csv")
    for _ in range(100):
        if os.path.exists(path):
            break
        time.sleep(0.1)
    out, _ = plan_says(["-f", "csv", "-d", ";"], lines.encode())
    with open(path, "rb") as file:
        got = file.read()
    check("the downloaded CSV is delartal-plan's, byte for byte", got == out.encode(), got[:200])
    # The button opens the cards and calls the browser's print dialogue; here
    # the sheet it opens is printed to PDF by the same engine instead.
    driver.execute_script("window.open = (url) => { window.cardsOpened = url; return null; };")
    driver.find_element(By.ID, "print").click()
    url = driver.execute_script("return window.cardsOpened")
    page = driver.current_window_handle
    driver.switch_to.new_window("tab")
    driver.get(url)
    pdf = os.path.join(OUT, "kort.pdf")
    printed = driver.execute_cdp_cmd("Page.printToPDF", {"paperWidth": 8.27, "paperHeight": 11.69,
                                                         "preferCSSPageSize": True})
    with open(pdf, "wb") as file:
        file.write(base64.b64decode(printed["data"]))
    cards, _ = plan_says(["-f", "html"], lines.encode())
    count = cards.count('<section class="card">')
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    words = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout
    check(f"the cards print to PDF, {count} cards three to a page",
          re.search(rf"^Pages:\s+{-(-count // 3)}$", info, re.M) and "SK0RK repeater" in words
          and "Kanal 146.0375 MHz" in words, info)
    driver.save_screenshot(os.path.join(OUT, "kort.png"))
    driver.close()
    driver.switch_to.window(page)


def channel_lists(driver, base):
    """A list opened from a file, or dropped on the text, as delartal-plan reads
    it from standard input; the link holds it, unless it grows too long."""
    export = ("Location,Name,Frequency,Duplex\r\n0,SK0RK,145.600000,-\r\n"
              "1,\"R\xe4vjakt, H\xf6rby\",145.500000,\r\n").encode("latin-1")
    path = os.path.abspath(os.path.join(OUT, "export.csv"))
    with open(path, "wb") as file:
        file.write(export)
    open_page(driver, base + "#plan=")
    driver.find_element(By.ID, "plan-file").send_keys(path)
    WebDriverWait(driver, 10).until(lambda d: len(table(d, "plan")) == 4)
    out, err = plan_says(["-f", "csv"], export)
    text = export.decode("cp1252")
    lines = driver.execute_script("return document.getElementById('plan-input').value")
    link = urllib.parse.unquote(driver.execute_script("return location.hash"))
    check("a list opened from a file: delartal-plan's rows, its text in the field and the link",
          table(driver, "plan") == csv_rows(out, fields(driver, "plan"))
          and lines == text.replace("\r\n", "\n") and link == "#plan=" + text,
          (table(driver, "plan"), lines, link))
    check("a list in Windows-1252: delartal-plan's notice", text_of(driver, "message")
          .startswith(err), (text_of(driver, "message"), err))
    driver.execute_script(
        "const area = document.getElementById('plan-input');"
        "const files = new DataTransfer();"
        "files.items.add(new File(['145.7875;Dropp\\n'], 'lista.txt', {type: 'text/plain'}));"
        "area.dispatchEvent(new DragEvent('drop', {dataTransfer: files, bubbles: true,"
        " cancelable: true}));")
    WebDriverWait(driver, 10).until(lambda d: len(table(d, "plan")) == 2)
    check("a list dropped on the text is opened", [row[-1] for row in table(driver, "plan")]
          == ["Dropp", "Dropp"], table(driver, "plan"))
    many = "".join(f"{140.4 + n * 0.0125:.4f};Kanal nummer {n}, ett namn som tar plats\n"
                   for n in range(5000))
    driver.execute_script("const area = document.getElementById('plan-input');"
                          "area.value = arguments[0];"
                          "area.dispatchEvent(new Event('input'));", many)
    WebDriverWait(driver, 10).until(lambda d: "för lång för en länk" in text_of(d, "message"))
    check("a list too long for a link: said, and no link made",
          driver.execute_script("return location.hash") == "#plan=", text_of(driver, "message"))


def offline(driver, base):
    open_page(driver, base + "#v=1&f=146")
    driver.execute_async_script("const done = arguments[arguments.length - 1];"
                                "navigator.serviceWorker.ready.then(() => done(true));")
    WebDriverWait(driver, 30).until(
        lambda d: d.execute_script("return navigator.serviceWorker.controller !== null"))
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": True, "latency": 0, "downloadThroughput": 0, "uploadThroughput": 0})
    try:
        open_page(driver, base + "#v=2&f=141.40625")
        check("with the network cut off, a reload still answers", text_of(driver, "divider") == "96")
    finally:
        driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})


def single_file(driver):
    path = os.path.abspath(os.path.join(WEB_BUILD, "delartal.html"))
    open_page(driver, "file://" + path + "#v=1&f=146.03125")
    report, _ = delartal_report(1, "146.03125")
    check("delartal.html from disk answers", text_of(driver, "report") == report)


def accessibility_and_looks(driver, base):
    with open(AXE, encoding="utf-8") as file:
        axe = file.read()
    views = {"framat": "#v=1&f=146.03125", "bakat": "#r=J%20F%20D%20M",
             "plan": "#plan=" + urllib.parse.quote("145.600 SK0RK\n145:145.05\nabc\n")}
    for scheme in ["light", "dark"]:
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": scheme}]})
        for name, fragment in views.items():
            open_page(driver, base + fragment)
            found = driver.execute_async_script(
                axe + "; const done = arguments[arguments.length - 1];"
                "axe.run(document).then(r => done(r.violations.map(v => v.id + ': ' + "
                "v.nodes.map(n => n.target.join(' ')).join(', '))));")
            check(f"axe-core finds nothing in {name}, {scheme} mode", found == [], found)
            for width, height in [(360, 800), (1280, 800)]:
                driver.set_window_size(width, height)
                scroll = driver.execute_script(
                    "return document.documentElement.scrollWidth - window.innerWidth")
                if width == 360:
                    check(f"{name}, {scheme}: no sideways scrolling at 360 px", scroll <= 0, scroll)
                driver.save_screenshot(os.path.join(OUT, f"{name}-{scheme}-{width}.png"))
            driver.set_window_size(1280, 800)
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})


def main():
    os.makedirs(OUT, exist_ok=True)
    downloads = os.path.join(OUT, "downloads")
    os.makedirs(downloads, exist_ok=True)
    for name in os.listdir(downloads):
        os.remove(os.path.join(downloads, name))
    base = serve(os.path.join(WEB_BUILD, "site"))
    driver = browser(downloads)
    driver.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow",
                                                        "downloadPath": downloads})
    try:
        typing(driver, base)
        tapping(driver, base)
        links_and_history(driver, base)
        download_and_print(driver, base, downloads)
        channel_lists(driver, base)
        offline(driver, base)
        single_file(driver)
        accessibility_and_looks(driver, base)
    finally:
        driver.quit()
    failed = results.count(False)
    print(f"{len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
