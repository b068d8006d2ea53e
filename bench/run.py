#!/usr/bin/env python3
"""Measures delartal and prints its figures:

1. Instructions for one whole scripted run under callgrind (deterministic),
   beside a minimal scanf/printf program built the same way. Goal: at most
   1.3 times the minimal program.
2. Instructions per byte of a 1 MB answer of digits, under callgrind: the
   cost of reading a long answer, past what a short run costs. Goal: under 15.
3. Wall time and peak memory for a 100 MB answer, of digits and of garbage.
   Goals: under 1 s and under 4 MiB.
4. delartal-plan: wall time and peak memory of a whole-band plan,
   140.4:265.3875 for both variants as CSV (20,000 rows), and of the reverse
   of all 10,000 dividers, both variants, as CSV. Goals: under 0.1 s and
   under 4 MiB each.
5. delartal-plan reading a million channels on standard input: as the CSV a
   radio programming tool exports (a header, fourteen columns, a quoted
   comment) against the same frequencies as plain lines, best of three runs
   each. Goal: the CSV at most 1.5 times the plain lines. Peak memory of
   each, and of a CSV whose quoted field runs to the record limit and of one
   whose quote never closes. Goal: under 4 MiB each.
6. Where emscripten is installed, the page's WebAssembly module: its size and
   its loader's, raw and gzipped (goal: at most 60 KiB gzipped together),
   and under node the time of one forward and one reverse call (goal: under
   0.1 ms) and of the whole-band plan to CSV, beside delartal-plan's own for
   the same plan in the same run (goal: at most twice).
7. Where Chromium, its driver and selenium are installed, the page in
   headless Chromium against a local server: the site and the single file
   gzipped (goals: at most 100 KiB each), from navigation to a link's result
   (goal: under 200 ms), from the whole-band plan's link to its table on
   screen (goal: under 150 ms), from a keystroke or a tap on a line to its result
   (goal: under 16 ms), the whole-band plan to a ready CSV download (goal:
   under 1 s); and Lighthouse 12.2.3 (npm, pinned in bench/package-lock.json)
   with its mobile settings, the site served gzipped as a static host serves
   it: 100 in performance, accessibility, best practices and SEO.

Usage: bench/run.py [BUILD_DIR]   (default bench/out/build)
Needs valgrind and GNU time (Debian packages valgrind and time).
"""
import gzip
import json
import os
import shutil
import re
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "bench", "out", "build")
ANSWERS = b"1\n146.03125\n\n"
HUNDRED_MB = 100_000_000


def build():
    subprocess.run(["cmake", "-S", ROOT, "-B", BUILD, "-DCMAKE_BUILD_TYPE=Release",
                    "-DDELARTAL_BENCH=ON"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", BUILD, "-j2"], check=True, stdout=subprocess.DEVNULL)


def instructions(program, answers=ANSWERS):
    done = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null",
                           program], input=answers, capture_output=True, check=True)
    return int(re.search(rb"Collected : (\d+)", done.stderr).group(1))


def time_and_memory(program, answers_path, arguments=()):
    """Wall time, peak resident memory in KiB and exit status of one run.
    GNU time starts the program from its own small process, so the peak is the
    program's alone (a child forked from this interpreter would carry its size)."""
    with open(answers_path, "rb") as answers:
        done = subprocess.run(["/usr/bin/time", "-f", "%e %M", program, *arguments],
                              stdin=answers, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                              text=True)
    seconds, peak_kib = done.stderr.split()[-2:]
    return float(seconds), int(peak_kib), done.returncode


def write_answers(path, first, filler, last):
    with open(path, "wb") as out:
        out.write(first)
        block = filler * (1 << 20)
        for _ in range(HUNDRED_MB // len(block)):
            out.write(block)
        out.write(filler * (HUNDRED_MB % len(block)))
        out.write(last)


def main():
    build()
    delartal = os.path.join(BUILD, "delartal")
    minimal = os.path.join(BUILD, "minimal_dialogue")

    ours, yardstick = instructions(delartal), instructions(minimal)
    print(f"instructions, one scripted run: delartal {ours:,}, minimal scanf/printf "
          f"{yardstick:,}, ratio {ours / yardstick:.3f} (goal <= 1.3)")

    megabyte = 1_000_000
    long_run = instructions(delartal, b"1\n146." + b"0" * megabyte + b"\n\n")
    print(f"instructions per byte of a 1 MB answer of digits: "
          f"{(long_run - ours) / megabyte:.2f} (goal < 15)")

    scratch = os.path.join(ROOT, "bench", "out")
    os.makedirs(scratch, exist_ok=True)
    cases = [("100 MB of digits", b"1\n146.", b"0", b"\n\n"),
             ("100 MB of garbage", b"", b"x", b"\n1\n146\n\n")]
    for name, first, filler, last in cases:
        path = os.path.join(scratch, "answers.txt")
        write_answers(path, first, filler, last)
        seconds, peak_kib, status = time_and_memory(delartal, path)
        os.remove(path)
        print(f"{name}: {seconds:.3f} s, peak {peak_kib / 1024:.2f} MiB, status {status} "
              f"(goals < 1 s, < 4 MiB)")

    plan = os.path.join(BUILD, "delartal-plan")
    dividers = os.path.join(scratch, "dividers.txt")
    with open(dividers, "w") as lines:
        lines.writelines(f"{n}\n" for n in range(10000))
    jobs = [("plan 140.4:265.3875, both variants, CSV", os.devnull,
             ["-f", "csv", "140.4:265.3875"]),
            ("reverse of all 10,000 dividers, both variants, CSV", dividers, ["-r", "-f", "csv"])]
    for name, answers, arguments in jobs:
        seconds, peak_kib, status = time_and_memory(plan, answers, arguments)
        print(f"{name}: {seconds:.3f} s, peak {peak_kib / 1024:.2f} MiB, status {status} "
              f"(goals < 0.1 s, < 4 MiB)")
    os.remove(dividers)
    channel_lists(plan, scratch)
    web()


def channel_lists(plan, scratch):
    rows = 1_000_000
    plain = os.path.join(scratch, "plain.txt")
    export = os.path.join(scratch, "export.csv")
    with open(plain, "w") as lines, open(export, "w", newline="") as table:
        table.write("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                    "DtcsPolarity,Mode,TStep,Skip,Comment\r\n")
        for n in range(rows):
            units = 1_404_000 + n % 9984 * 125
            frequency = f"{units // 10000}.{units % 10000:04d}00"
            lines.write(frequency + "\n")
            table.write(f"{n},Kanal {n},{frequency},-,0.600000,Tone,88.5,88.5,023,NN,FM,12.50,,"
                        "\"anrop, simplex\"\r\n")
    arguments = ["-v", "1", "-f", "csv"]
    best = {}
    for name, path in [("plain lines", plain), ("CSV", export)]:
        runs = [time_and_memory(plan, path, arguments) for _ in range(3)]
        best[name] = min(seconds for seconds, _, _ in runs)
        print(f"a million channels as {name}: {best[name]:.3f} s, peak "
              f"{max(peak for _, peak, _ in runs) / 1024:.2f} MiB (goal < 4 MiB)")
    print(f"a million channels: the CSV takes {best['CSV'] / best['plain lines']:.2f} times the "
          "plain lines (goal <= 1.5)")
    long_field = os.path.join(scratch, "long_field.csv")
    for name, tail in [("a quoted field to the record limit", b'"\n'),
                       ("a quote that never closes", b"")]:
        with open(long_field, "wb") as table:
            table.write(b"Frequency,Name\n145.6,\"" + b"x" * (64 * 1024 - 8) + tail)
        seconds, peak_kib, status = time_and_memory(plan, long_field, arguments)
        print(f"{name}: {seconds:.3f} s, peak {peak_kib / 1024:.2f} MiB, status {status} "
              "(goal < 4 MiB)")
    for path in [plain, export, long_field]:
        os.remove(path)


def web():
    if not shutil.which("emcc"):
        print("the WebAssembly module: not measured, emscripten is not installed")
        return
    subprocess.run(["cmake", "--workflow", "--preset", "web"], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    loader = os.path.join(ROOT, "build-web", "delartal-core.js")
    module = loader[:-len(".js")] + ".wasm"
    total = 0
    for name, path in [("module", module), ("loader", loader)]:
        with open(path, "rb") as file:
            data = file.read()
        packed = len(gzip.compress(data, 9))
        total += packed
        print(f"{name} {os.path.basename(path)}: {len(data) / 1024:.1f} KiB, "
              f"{packed / 1024:.1f} KiB gzipped")
    print(f"module and loader gzipped: {total / 1024:.1f} KiB (goal <= 60 KiB)")
    calls = json.loads(subprocess.run(["node", os.path.join(ROOT, "bench", "web_calls.mjs"),
                                       loader], capture_output=True, check=True).stdout)
    native = native_whole_band_ms()
    print(f"under node: one forward call {calls['forward_ms']:.4f} ms, one reverse call "
          f"{calls['reverse_ms']:.4f} ms (goal < 0.1 ms); the whole-band plan to CSV, "
          f"{calls['whole_band_rows']} rows, {calls['whole_band_csv_ms']:.1f} ms, against "
          f"{native:.1f} ms for delartal-plan -f csv 140.4:265.3875: "
          f"{calls['whole_band_csv_ms'] / native:.2f} times (goal <= 2)")
    page()


def native_whole_band_ms(runs=10):
    """The best of ten runs of the same plan by the native program, start to end."""
    plan = os.path.join(BUILD, "delartal-plan")
    best = float("inf")
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run([plan, "-f", "csv", "140.4:265.3875"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=False)
        best = min(best, time.perf_counter() - start)
    return best * 1000


def page():
    if not os.path.exists("/usr/bin/chromedriver"):
        print("the page: not measured, chromium-driver is not installed")
        return
    web_build = os.path.join(ROOT, "build-web")
    figures = json.loads(subprocess.run(
        ["/usr/bin/python3", os.path.join(ROOT, "bench", "page_figures.py"), web_build],
        capture_output=True, check=True).stdout)
    print(f"the site gzipped {figures['site_gzip_kib']:.1f} KiB, the single file gzipped "
          f"{figures['single_file_gzip_kib']:.1f} KiB (goals <= 100 KiB)")
    print(f"in Chromium: a link's result {figures['link_to_result_ms']:.0f} ms after navigation "
          f"(goal < 200 ms); the whole-band plan's link to its table on screen "
          f"{figures['whole_band_link_ms']:.0f} ms (goal < 150 ms); keystroke to result {figures['keystroke_ms']:.2f} ms, tap to result "
          f"{figures['tap_ms']:.2f} ms (goal < 16 ms); the whole-band plan to a ready CSV "
          f"{figures['whole_band_csv_ms']:.0f} ms (goal < 1000 ms)")
    print(f"past the page's limits, to its message: a million-row link "
          f"{figures['million_row_link_ms']:.0f} ms (goal < 500 ms), a list file just under "
          f"2 MiB {figures['list_file_2mib_ms']:.0f} ms (goal < 1000 ms)")
    bench = os.path.join(ROOT, "bench")
    subprocess.run(["npm", "ci", "--ignore-scripts", "--no-audit", "--no-fund"], cwd=bench,
                   check=True, stdout=subprocess.DEVNULL)
    # Served gzipped, as a static host serves it.
    server = subprocess.Popen(["/usr/bin/python3", os.path.join(ROOT, "test", "web", "local_site.py"),
                               os.path.join(web_build, "site"), "8631"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    report = os.path.join(bench, "out", "lighthouse.json")
    try:
        subprocess.run([os.path.join(bench, "node_modules", ".bin", "lighthouse"),
                        "http://127.0.0.1:8631/#v=2&f=141.40625", "--quiet",
                        "--only-categories=performance,accessibility,best-practices,seo",
                        "--chrome-flags=--headless=new --no-sandbox", "--output=json",
                        "--output-path=" + report],
                       env={**os.environ, "CHROME_PATH": "/usr/bin/chromium"}, check=True)
    finally:
        server.terminate()
    with open(report, encoding="utf-8") as file:
        categories = json.load(file)["categories"]
    scores = ", ".join(f"{c['title'].lower()} {round(c['score'] * 100)}"
                       for c in categories.values())
    print(f"Lighthouse 12.2.3, mobile: {scores} (goal: 100 in each)")


if __name__ == "__main__":
    main()
