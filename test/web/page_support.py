"""What the page's browser tests share: the programs and folders they are
given, one line per check, and the ways to open the page and read what it
shows."""
import csv
import io
import os
import subprocess
import sys

from local_site import chromium
from selenium.webdriver.common.by import By
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


def page_message(err):
    """delartal-plan's messages as the page shows them: without its name, and
    pointing to the page's views where the program points to its options."""
    lines = []
    for line in err.splitlines():
        line = line.removeprefix("delartal-plan: ")
        line = line.replace("ser ut som ett kort; lägg till -r",
                            "ser ut som ett kort; skriv kortet under Dioder → frekvens")
        line = line.replace("ser ut som en frekvens; ta bort -r",
                            "ser ut som en frekvens; skriv den under Frekvens → dioder")
        lines.append(line)
    return "\n".join(lines)


def csv_rows(text, fields):
    """The CSV's rows, each as the fields a table of the page shows, in its order."""
    return [[row[field] for field in fields]
            for row in csv.DictReader(io.StringIO(text, newline=""))]


# The plan's remarks in words are the page's own column; the other columns
# are the CSV's.
def table(driver, table_id):
    return [[cell.text for cell in row.find_elements(By.CSS_SELECTOR, "td:not([data-field=obs])")]
            for row in driver.find_elements(By.CSS_SELECTOR, f"#{table_id} tbody tr")]


def fields(driver, table_id):
    return [th.get_attribute("data-field") for th in
            driver.find_elements(By.CSS_SELECTOR, f"#{table_id} thead th:not([data-field=obs])")]


def text_of(driver, element_id):
    return driver.execute_script(f"return document.getElementById('{element_id}').textContent")


def open_page(driver, url):
    driver.get(url)
    WebDriverWait(driver, 30).until(
        lambda d: d.execute_script("return document.documentElement.dataset.ready === 'true'"))


