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
import os
import re
import subprocess
import sys
import time
import urllib.parse

from local_site import serve
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from page_bounds import bounded_work
from page_on_a_phone import first_screen, keyboard_up, plan_in_words, readable_on_a_phone, \
    share_unlike_view
from page_support import (AXE, OUT, WEB_BUILD, browser, check, csv_rows, delartal_report, fields,
                          open_page, page_message, plan_says, results, table, text_of)


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
                  "delartal-plan's message", shown == "" and message == page_message(refusal),
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
              table(driver, "reverse") == csv_rows(out, fields(driver, "reverse"))
              and text_of(driver, "message") == page_message(err),
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
          and driver.find_element(By.ID, "plan-messages").text == page_message(err),
          table(driver, "plan"))
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
    out, _ = plan_says(["-f", "csv", "-d", ";", "--decimal-comma"], lines.encode())
    with open(path, "rb") as file:
        got = file.read()
    check("the downloaded ';' CSV is delartal-plan -d ';' --decimal-comma's, byte for byte",
          got == out.encode(), got[:200])
    cards, _ = plan_says(["-f", "html"], lines.encode())
    printed_cards(driver, "print", "kort", cards, ["SK0RK repeater", "Kanal 146.0375 MHz",
                                                   "145.6000 MHz · variant 1",
                                                   "145.6000 MHz · variant 2"])


def printed_cards(driver, button, name, cards, words_wanted):
    """What the user gets from a print button: a page of its own with the
    cards, as delartal-plan -f html gives them, and the browser's printing of
    it under way. That page is then printed to PDF by the same engine, three
    cards a page."""
    page = driver.current_window_handle
    before = set(driver.window_handles)
    driver.find_element(By.ID, button).click()
    WebDriverWait(driver, 10).until(lambda d: len(d.window_handles) > len(before))
    driver.switch_to.window((set(driver.window_handles) - before).pop())
    count = cards.count('<section class="card">')
    shown = driver.execute_script("return document.querySelectorAll('section.card').length")
    html = driver.execute_script("return document.documentElement.outerHTML")
    try:
        driver.execute_cdp_cmd("Page.printToPDF", {})
        printing = False
    except WebDriverException as error:
        printing = "already being printed" in str(error)
    driver.close()
    driver.switch_to.window(page)
    sheet = os.path.abspath(os.path.join(OUT, name + ".html"))
    with open(sheet, "w", encoding="utf-8") as file:
        file.write("<!DOCTYPE html>\n" + html)
    driver.switch_to.new_window("tab")
    driver.get("file://" + sheet)
    pdf = os.path.join(OUT, name + ".pdf")
    printed = driver.execute_cdp_cmd("Page.printToPDF", {"paperWidth": 8.27, "paperHeight": 11.69,
                                                         "preferCSSPageSize": True})
    with open(pdf, "wb") as file:
        file.write(base64.b64decode(printed["data"]))
    driver.save_screenshot(os.path.join(OUT, name + ".png"))
    driver.close()
    driver.switch_to.window(page)
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    words = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout
    check(f"{button}: {count} cards on a page of their own, being printed; to PDF three a page",
          shown == count and printing and re.search(rf"^Pages:\s+{-(-count // 3)}$", info, re.M)
          and all(word in words for word in words_wanted), (shown, count, printing, info,
                                                            words[:300]))


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
          .startswith(page_message(err)), (text_of(driver, "message"), err))
    driver.execute_script(
        "const area = document.getElementById('plan-input');"
        "const files = new DataTransfer();"
        "files.items.add(new File(['145.7875;Dropp\\n'], 'lista.txt', {type: 'text/plain'}));"
        "area.dispatchEvent(new DragEvent('drop', {dataTransfer: files, bubbles: true,"
        " cancelable: true}));")
    WebDriverWait(driver, 10).until(lambda d: len(table(d, "plan")) == 2)
    names = [row[fields(driver, "plan").index("namn")] for row in table(driver, "plan")]
    check("a list dropped on the text is opened", names == ["Dropp", "Dropp"], names)
    many = "".join(f"{140.4 + n * 0.0125:.4f};Kanal nummer {n}, ett namn som tar plats\n"
                   for n in range(5000))
    driver.execute_script("const area = document.getElementById('plan-input');"
                          "area.value = arguments[0];"
                          "area.dispatchEvent(new Event('input'));", many)
    WebDriverWait(driver, 10).until(lambda d: "för lång för en länk" in text_of(d, "message"))
    check("a list too long for a link: said, and no link made",
          driver.execute_script("return location.hash") == "#plan=", text_of(driver, "message"))


def answers_first(driver, base):
    """Each view's answer in words: the reverse summary per variant, the
    result heard once, the toggles that match the field, the plan's variant."""
    open_page(driver, base + "#r=J%20F%20D%20M")
    summary = text_of(driver, "reverse-summary")
    check("the reverse summary: each variant's channel, divider, fit and band, in words",
          all(part in summary for part in [
              "Variant 1", "Kanal 146.0375 MHz", "Delartal 451, ryms i matrisen",
              "Från 146.03125 till 146.04375 MHz", "Variant 2", "Kanal 145.8375 MHz",
              "Från 145.83125 till 145.84373 MHz"]), summary)
    check("the summary is heard once through the status region", text_of(driver, "result-status")
          == "Variant 1: kanal 146.0375 MHz, delartal 451. Variant 2: kanal 145.8375 MHz, "
          "delartal 451", text_of(driver, "result-status"))
    board = driver.find_element(By.ID, "board")
    for text in ["146.0375", "10000"]:
        board.send_keys(Keys.CONTROL + "a", Keys.DELETE)
        board.send_keys(text)
        pressed = [b.text for b in driver.find_elements(By.CSS_SELECTOR, ".toggle")
                   if b.get_attribute("aria-pressed") == "true"]
        check(f"typing {text!r} as a board leaves no toggle pressed", pressed == [], pressed)
    open_page(driver, base + "#v=1&f=145.600")
    check("a valid answer is heard: Delartal 416: J D B A",
          text_of(driver, "result-status") == "Delartal 416: J D B A",
          text_of(driver, "result-status"))
    lines = "145.600 SK0RK\n300\nabc\n145.78;Hemma\n100:101\n"
    open_page(driver, base + "#plan=" + urllib.parse.quote(lines))
    check("a line refused for both variants counts once", text_of(driver, "message")
          == "3 rader gav inget; se listan.", text_of(driver, "message"))
    driver.find_element(By.CSS_SELECTOR, "#plan-variant option[value='1']").click()
    out, _ = plan_says(["-f", "csv", "-v", "1"], lines.encode())
    check("the plan's variant: its rows only, and v=1 in the link",
          table(driver, "plan") == csv_rows(out, fields(driver, "plan"))
          and driver.execute_script("return location.hash").endswith("&v=1"),
          driver.execute_script("return location.hash"))
    open_page(driver, base + "#plan=" + urllib.parse.quote(lines) + "&v=2")
    check("a link with v=2 opens the plan with variant 2",
          driver.find_element(By.ID, "plan-variant").get_attribute("value") == "2"
          and {row[fields(driver, "plan").index("variant")] for row in table(driver, "plan")}
          == {"2"})
    marked = driver.find_elements(By.CSS_SELECTOR, "#plan tr.off-channel td[data-field=kanal]")
    check("a row whose frequency is not its channel is marked", [m.text for m in marked]
          == ["145.7750"], [m.text for m in marked])


def one_card_and_link(driver, base):
    open_page(driver, base + "#v=1&f=145.78")
    cards, _ = plan_says(["-f", "html", "-v", "1", "145.78"])
    printed_cards(driver, "card-forward", "kort-framat", cards,
                  ["145.7800 MHz · variant 1", "Kanal 145.7750 MHz", "Delartal"])
    open_page(driver, base + "#r=J%20F%20D%20M")
    cards, _ = plan_says(["-f", "html", "-r", "J F D M"])
    printed_cards(driver, "card-reverse", "kort-bakat", cards,
                  ["146.0375 MHz · variant 1", "145.8375 MHz · variant 2"])
    driver.execute_cdp_cmd("Browser.grantPermissions", {
        "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    driver.find_element(By.ID, "share").click()
    WebDriverWait(driver, 10).until(lambda d: text_of(d, "message") != "")
    copied = driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "navigator.clipboard.readText().then(done, (e) => done('failed: ' + e));")
    check("Dela länk without a share sheet copies the view's link, and says so",
          copied == driver.current_url and text_of(driver, "message") == "Länken är kopierad.",
          (copied, text_of(driver, "message")))


def offline(driver, base):
    site = os.path.join(WEB_BUILD, "site")
    with open(os.path.join(site, "sw.js"), encoding="utf-8") as file:
        kept = set(re.findall(r"'\./([^']+)'", file.read()))
    check("the service worker keeps every file of the site and nothing else",
          kept == set(os.listdir(site)) - {"sw.js"}, sorted(kept))
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
    driver.get_log("browser")
    open_page(driver, "file://" + path + "#v=1&f=146.03125")
    report, _ = delartal_report(1, "146.03125")
    check("delartal.html from disk answers", text_of(driver, "report") == report)
    logged = [entry["message"] for entry in driver.get_log("browser")
              if entry["level"] in ("SEVERE", "WARNING")]
    check("delartal.html opens with a clean console", logged == [], logged)
    cards, _ = plan_says(["-f", "html", "-v", "1", "146.03125"])
    printed_cards(driver, "card-forward", "kort-fil", cards, ["Kanal 146.0375 MHz"])
    driver.find_element(By.ID, "share").click()
    WebDriverWait(driver, 10).until(lambda d: text_of(d, "message").startswith("Länken"))
    copied = driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "navigator.clipboard.readText().then(done, (e) => done('failed: ' + e));")
    check("Dela länk from disk copies a link to this file's state, and says where it works",
          copied == "file://" + path + "#v=1&f=146.03125" and "bara där filen" in
          text_of(driver, "message"), (copied, text_of(driver, "message")))


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
            check(f"axe-core finds nothing in {name}, {scheme} mode, 1280 px", found == [], found)
            for width, height in [(360, 800), (1280, 800)]:
                driver.set_window_size(width, height)
                if width == 360:
                    found = driver.execute_async_script(
                        axe + "; const done = arguments[arguments.length - 1];"
                        "axe.run(document).then(r => done(r.violations.map(v => v.id)));")
                    check(f"axe-core finds nothing in {name}, {scheme} mode, 360 px", found == [],
                          found)
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
        bounded_work(driver, base)
        answers_first(driver, base)
        one_card_and_link(driver, base)
        readable_on_a_phone(driver, base)
        first_screen(driver, base)
        keyboard_up(driver, base)
        plan_in_words(driver, base)
        share_unlike_view(driver, base)
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
