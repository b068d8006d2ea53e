"""The page on a phone's screen, measured with getBoundingClientRect: the
answer on the first screen, with the on-screen keyboard up or not; the
drawing's letters and marks large enough; the plan's rows that say in words
what does not fit; and the share action unlike a selected view."""
import os
import urllib.parse

from selenium.webdriver.common.by import By

from page_support import OUT, check, open_page, text_of

# The top and bottom of an element's box, and of the first row of line
# names in the drawing on screen, in CSS pixels from the viewport's top.
MEASURE = """
    const box = (e) => e.getBoundingClientRect();
    const svg = [...document.querySelectorAll('#drawing svg')].find((s) => box(s).width > 0);
    const names = [...svg.querySelectorAll('text.name')].map(box);
    const top = Math.min(...names.map((r) => r.top));
    const row = names.filter((r) => r.top < top + 4);
    return {divider: box(document.getElementById('divider')).bottom,
            names: Math.max(...row.map((r) => r.bottom)), count: row.length,
            field: box(document.getElementById('frequency')).top,
            scrolled: window.scrollY, height: window.innerHeight};"""


def phone(driver, width, height, scheme="light"):
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
        "features": [{"name": "prefers-color-scheme", "value": scheme}]})


def desktop(driver):
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})


def first_screen(driver, base):
    """A forward result from a link: the divider's number and the drawing's
    first row of line names without scrolling."""
    for width, height in [(360, 740), (320, 640)]:
        for scheme in ["light", "dark"]:
            phone(driver, width, height, scheme)
            # A link followed loads the page afresh; from the page already
            # open it would keep the scroll of the view before.
            driver.get("about:blank")
            open_page(driver, base + "#v=1&f=146.03125")
            at = driver.execute_script(MEASURE)
            check(f"{width}x{height}, {scheme}: the divider and the first row of line names "
                  "on the first screen", at["scrolled"] == 0 and at["count"] >= 4
                  and at["divider"] <= height and at["names"] <= height, at)
            driver.save_screenshot(os.path.join(OUT, f"phone-{width}-{scheme}.png"))
    desktop(driver)


def keyboard_up(driver, base):
    """With the keyboard up, 360 x 400 are left: typing keeps the field where
    it is, and the divider in sight below it."""
    phone(driver, 360, 400)
    open_page(driver, base + "#v=1&f=")
    field = driver.find_element(By.ID, "frequency")
    field.click()
    tops = []
    for key in "145.6":
        field.send_keys(key)
        tops.append(driver.execute_script(
            "return document.getElementById('frequency').getBoundingClientRect().top"))
    at = driver.execute_script(MEASURE)
    bottom = driver.execute_script(
        "return document.getElementById('frequency').getBoundingClientRect().bottom")
    check("360x400 while typing 145.6: the field stays put, it and the divider in sight",
          len(set(tops)) == 1 and tops[0] >= 0 and bottom <= at["divider"] <= 400
          and text_of(driver, "divider") == "416", (tops, bottom, at))
    driver.save_screenshot(os.path.join(OUT, "phone-keyboard.png"))
    desktop(driver)


def plan_in_words(driver, base):
    """At 360 px a row that does not fit says so, a row off its channel gives
    the notice, in words on screen; a row that fits on its channel says
    neither."""
    phone(driver, 360, 740)
    lines = "145.6 Hemma\n165.4 Hög\n145.78 Snett\n"
    open_page(driver, base + "#plan=" + urllib.parse.quote(lines) + "&v=1")
    cells = driver.execute_script("""
        return [...document.querySelectorAll('#plan td[data-field=obs]')].map((td) => {
          const r = td.getBoundingClientRect();
          return [td.textContent, r.height > 0 && r.left >= 0 && r.right <= innerWidth,
                  getComputedStyle(td).color];});""")
    wanted = ["", "Ryms inte i matrisen: den har plats för delartal 0–1999.",
              "Obs: delartalet 430 ger kanalen 145.7750 MHz, inte 145.7800."]
    check("at 360 px the plan's rows say in words what does not fit and what is off its channel",
          [c[0] for c in cells] == wanted and cells[1][1] and cells[2][1], cells)
    driver.save_screenshot(os.path.join(OUT, "phone-plan.png"))
    desktop(driver)


def share_unlike_view(driver, base):
    for scheme in ["light", "dark"]:
        driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": scheme}]})
        open_page(driver, base + "#v=1&f=145.6")
        backs = driver.execute_script(
            "const back = (id) => getComputedStyle(document.getElementById(id)).backgroundColor;"
            "return [back('share'), back('tab-forward')];")
        check(f"{scheme}: Dela länk is drawn unlike the selected view", backs[0] != backs[1], backs)
    desktop(driver)


def readable_on_a_phone(driver, base):
    """At 360 px the drawing's letters stand 12 px and more, its diodes and
    tick boxes 24 px and more; the report fits at 360 and 320 px; a message
    moves no toggle."""
    driver.set_window_size(360, 740)
    try:
        open_page(driver, base + "#v=1&f=146.03125")
        sizes = driver.execute_script("""
            const svg = [...document.querySelectorAll('#drawing svg')]
                .find((s) => s.getBoundingClientRect().width > 0);
            const box = (e) => e.getBoundingClientRect();
            return {narrow: svg.classList.contains('narrow'),
                    text: Math.min(...[...svg.querySelectorAll('text')].map((t) => box(t).height)),
                    marks: Math.min(...[...svg.querySelectorAll('.diode, .tick')]
                        .flatMap((m) => [box(m).width, box(m).height])),
                    scroll: document.documentElement.scrollWidth - window.innerWidth};""")
        check("at 360 px: the narrow drawing, letters >= 12 px, diodes and tick boxes >= 24 px",
              sizes["narrow"] and sizes["text"] >= 12 and sizes["marks"] >= 24
              and sizes["scroll"] <= 0, sizes)
        for width in [360, 320]:
            driver.set_window_size(width, 740)
            open_page(driver, base + "#v=1&f=200")
            overflow = driver.execute_script(
                "const pre = document.getElementById('report');"
                "return pre.scrollWidth - pre.clientWidth;")
            check(f"at {width} px the report for 200 MHz fits, without scrolling", overflow <= 0
                  and "delartalet 4768" in text_of(driver, "report"), overflow)
        driver.set_window_size(360, 740)
        open_page(driver, base + "#r=")
        toggle = driver.find_element(By.ID, "line-J")
        before = toggle.rect["y"]
        driver.find_element(By.ID, "line-K").click()
        toggle.click()
        check("a message that appears moves no toggle", text_of(driver, "message") != ""
              and toggle.rect["y"] == before, (before, toggle.rect["y"], text_of(driver, "message")))
    finally:
        driver.set_window_size(1280, 800)
