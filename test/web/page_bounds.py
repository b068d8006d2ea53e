"""The page's work is bounded, whatever a link or a file holds: each of these
gets a result or the page's message of its limit, with a clean console, and
the page answers afterwards. How long they take is bench/page_figures.py's."""
import os

from page_support import OUT, check, open_page, text_of
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

MILLION = "140:152.4999875:0.0000125"
ANY_NUMBER = "delartal-plan gör hur många som helst"


def plan_rows(driver):
    return driver.execute_script("return document.querySelectorAll('#plan tbody tr').length")


def bounded_work(driver, base):
    driver.get_log("browser")
    for name, link, wanted in [
            ("a million-row link", "#plan=" + MILLION, ANY_NUMBER),
            ("six million-row lines", "#plan=" + "%0A".join([MILLION] * 6), ANY_NUMBER),
            ("a 2,000-character frequency", "#v=1&f=" + "1" * 2000, "variant 1 tar")]:
        driver.get("about:blank")
        open_page(driver, base + link)
        check(f"{name}: the page's message", wanted in text_of(driver, "message"),
              text_of(driver, "message"))
    driver.get("about:blank")
    open_page(driver, base + "#plan=" + MILLION)
    WebDriverWait(driver, 10).until(lambda d: plan_rows(d) == 2000)
    check("the million-row link shows its first 2,000 rows and says how many there are",
          "2000 av 1953000" in driver.find_element(By.CSS_SELECTOR, "#plan caption").text)
    # A short plan shown before a long one's later rows are added: its own rows only.
    driver.execute_script("for (const link of arguments) {"
                          "  history.replaceState(null, '', link);"
                          "  window.dispatchEvent(new HashChangeEvent('hashchange'));"
                          "}", "#plan=" + MILLION, "#plan=145.6")
    driver.execute_async_script("const done = arguments[arguments.length - 1];"
                                "requestAnimationFrame(() => requestAnimationFrame("
                                "() => setTimeout(done, 100)));")
    check("a plan shown over a long one keeps none of the long one's rows",
          plan_rows(driver) == 2, plan_rows(driver))

    # A file just under the page's 2 MiB, read through the module's heap.
    line = "145.6 Hemma\n"
    size = 2 * 1024 * 1024 - 1
    path = os.path.abspath(os.path.join(OUT, "stor-lista.txt"))
    with open(path, "w", encoding="ascii") as file:
        file.write((line * (size // len(line) + 1))[:size])
    open_page(driver, base + "#plan=")
    driver.find_element(By.ID, "plan-file").send_keys(path)
    WebDriverWait(driver, 30).until(lambda d: ANY_NUMBER in text_of(d, "message"))
    check("a list file just under 2 MiB: its first rows and the page's message",
          plan_rows(driver) > 0, text_of(driver, "message"))

    # Lines ended by a lone CR, as old Macs write them, in a file opened here.
    path = os.path.abspath(os.path.join(OUT, "cr-lista.txt"))
    with open(path, "wb") as file:
        file.write(b"145.6 Hemma\r145.7 Stugan\r")
    open_page(driver, base + "#plan=")
    driver.find_element(By.ID, "plan-file").send_keys(path)
    WebDriverWait(driver, 10).until(lambda d: plan_rows(d) == 4)
    check("a list file with lone CRs gives every line its rows", plan_rows(driver) == 4)

    driver.get("about:blank")
    logged = [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
    check("no link or file aborts the module: a clean console", logged == [], logged)
    open_page(driver, base + "#v=1&f=146.03125")
    check("and the page answers afterwards", text_of(driver, "divider") == "451")
