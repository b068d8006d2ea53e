#!/usr/bin/env python3
"""Prints delartal-plan's HTML cards to PDF in headless Chromium and checks the
PDF: every card's heading, its frequency and variant, and its divider are in
its text (pdftotext), in order, with its channel's name and, where the
frequency is not its divider's channel, that channel; and the pages are as many as three cards a page make
(pdfinfo).
Leaves a screenshot of the first cards beside the PDFs, for a person to look at.

Usage: check_cards_pdf.py PATH_TO_DELARTAL_PLAN OUTPUT_DIR
Exits 77 (skipped) when chromium or poppler-utils is missing, unless
DELARTAL_REQUIRE_CHROMIUM is set, as CI sets it.
Prints one line per check and a closing 'N passed, M failed'.
"""
import csv
import html
import os
import re
import shutil
import subprocess
import sys

PLAN, OUT = sys.argv[1], sys.argv[2]
CARDS_PER_PAGE = 3
CHROMIUM = ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
            "--no-first-run", "--disable-background-networking", "--disable-component-update",
            "--disable-sync"]

results = []


def check(name, condition, detail=""):
    results.append(condition)
    print(("ok     " if condition else "FAILED ") + name + ("" if condition else ": " + detail))


def cards_expected(arguments, lines):
    """Each card's heading, divider, name, and the channel where it is
    another than the frequency, from the same plan as CSV."""
    text = subprocess.run([PLAN, "-f", "csv"] + arguments, input=lines, capture_output=True,
                          check=True).stdout.decode()
    rows = list(csv.DictReader(text.splitlines()))
    if "-r" in arguments:
        return [(f"{row['kanal']} MHz · variant {row['variant']}", row["delartal"], row["namn"],
                 None) for row in rows]
    return [(f"{row['visad']} MHz · variant {row['variant']}", row["delartal"], row["namn"],
             row["kanal"] if row["kanal"] != row["visad"] else None) for row in rows]


def render(name, arguments, lines):
    page = os.path.join(OUT, name + ".html")
    pdf = os.path.join(OUT, name + ".pdf")
    with open(page, "wb") as html:
        html.write(subprocess.run([PLAN, "-f", "html"] + arguments, input=lines,
                                  capture_output=True, check=True).stdout)
    profile = os.path.join(OUT, name + "-profile")
    subprocess.run(CHROMIUM + ["--user-data-dir=" + profile, "--no-pdf-header-footer",
                               "--print-to-pdf=" + pdf, "file://" + os.path.abspath(page)],
                   capture_output=True, timeout=120, check=True)
    subprocess.run(CHROMIUM + ["--user-data-dir=" + profile, "--window-size=900,1300",
                               "--screenshot=" + os.path.join(OUT, name + ".png"),
                               "file://" + os.path.abspath(page)],
                   capture_output=True, timeout=120, check=True)
    shutil.rmtree(profile, ignore_errors=True)
    return pdf


def check_sheet(name, arguments, lines=b""):
    cards = cards_expected(arguments, lines)
    pdf = render(name, arguments, lines)
    words = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, check=True,
                           text=True).stdout
    at = 0
    missing = []
    for heading, divider, channel_name, channel in cards:
        found = words.find(heading, at)
        found_divider = words.find("Delartal " + divider, found)
        found_channel = channel is None or words.find(f"Kanal {channel} MHz", found) >= 0
        found_name = words.find(channel_name, found) >= 0
        if found < 0 or found_divider < 0 or not found_channel or not found_name:
            missing.append(heading + " / " + divider)
            continue
        at = found_divider
    check(name + ": every card's heading with its variant, and its divider, in order",
          len(cards) > 0 and not missing, ", ".join(missing[:5]))
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, check=True, text=True).stdout
    pages = int(next(line.split()[-1] for line in info.splitlines() if line.startswith("Pages:")))
    wanted = -(-len(cards) // CARDS_PER_PAGE)
    check(f"{name}: {len(cards)} cards on {wanted} pages", pages == wanted, f"{pages} pages")


def words_with_boxes(pdf):
    """Every word of the PDF with its page and box, in points."""
    xhtml = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, check=True,
                           text=True).stdout
    words = []
    for page, body in enumerate(xhtml.split("<page ")[1:]):
        for x_min, y_min, x_max, y_max, word in re.findall(
                r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">'
                r'([^<]*)</word>', body):
            words.append((page, float(x_min), float(y_min), float(x_max), float(y_max),
                          html.unescape(word)))
    return words


def check_long_names(names):
    """A name of any length stays in its own field: left of the call sign's
    label, no lower than the field's label, and no more than three lines
    above it; what shows is the name, or its start and an ellipsis."""
    lines = "".join(f"{145 + n * 0.0125:.4f};{name}\n" for n, name in enumerate(names))
    pdf = render("long-names", ["-v", "1"], lines.encode())
    words = words_with_boxes(pdf)
    labels = [w for w in words if w[5] == "Kanalnamn"]
    calls = [w for w in words if w[5] == "Anropssignal"]
    for name, label, call in zip(names, labels, calls):
        page, _, top, _, bottom, _ = label
        tokens = name.split()
        shown = [w for w in words if w[0] == page and w[1] > label[3] and w[3] <= call[1]
                 and bottom - 3 * (bottom - top) - 2 <= w[2] and w[4] <= bottom + 1
                 and (w[5] in tokens or w[5].endswith("…"))]
        text = " ".join(w[5] for w in shown)
        whole = text == name
        cut = text.endswith("…") and name.startswith(text[:-1].rstrip()) and len(text) > 20
        check(f"a name of {len(name)} characters stays in its field",
              len(labels) == len(names) and (whole or cut), repr((text, name)))
    pages = int(re.search(r"^Pages:\s+(\d+)", subprocess.run(
        ["pdfinfo", pdf], capture_output=True, check=True, text=True).stdout, re.M).group(1))
    check("long names: still three cards a page", pages == -(-len(names) // CARDS_PER_PAGE),
          f"{pages} pages")


def main():
    if not all(shutil.which(tool) for tool in ("chromium", "pdftotext", "pdfinfo")):
        print("chromium or poppler-utils is missing")
        return 1 if os.environ.get("DELARTAL_REQUIRE_CHROMIUM") else 77
    os.makedirs(OUT, exist_ok=True)
    check_sheet("forward", ["145:145.1:0.0125"])
    check_sheet("reverse", ["-r", "-v", "1", "0", "1999", "2000", "9999", "J F D M"])
    check_sheet("names", ["-v", "1"], "145.600 SK0RK repeater\n145.500\tanrop\n"
                "145.78;Stugan vid sjön  # felskriven?\n146.03125 Halvsteg\n".encode())
    check_long_names(["Anropskanalen i Skåne 24",
                      "Repeatern på Romeleåsen, utgång RV48, anrop med 1750 Hz eller CTCSS 77",
                      "Reservkanal för nödtrafik i hela Skåne och Blekinge, med sambandsledare "
                      "vid länsstyrelsen i Malmö och i Karlskrona, dygnet runt"])
    failed = results.count(False)
    print(f"{len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
