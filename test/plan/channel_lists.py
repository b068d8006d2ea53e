#!/usr/bin/env python3
"""Drives the built delartal-plan with the lists operators already have: CSV
with a header from programming tools, codeplugs and its own CSV saved by a
spreadsheet, its own CSV read back over the whole band, lists in Latin-1 and
Windows-1252, and the 2 m channel names.

Usage: channel_lists.py [--crlf] PATH_TO_DELARTAL_PLAN [RUNNER ...], as
end_to_end_support.py describes. Prints one line per check and a closing
'N passed, M failed'.
"""
import csv
import io
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from end_to_end_support import COMMAND, check, summary, text  # noqa: E402

# A programming tool's export, as such tools write it: a byte order mark,
# CR LF, six decimals, quotes only where a field needs them.
EXPORT = ("\ufeffLocation,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,Comment\r\n"
          "0,SK0RK,145.600000,-,0.600000,Tone,88.5,FM,\"anrop, simplex\"\r\n"
          "1,Anrop,145.500000,,0.000000,,88.5,FM,\r\n"
          "2,\"Rö, Ö-gruppen\",145.787500,-,0.600000,Tone,77.0,FM,\r\n").encode()
# A codeplug's channels, whose frequency cells begin with a TAB.
CODEPLUG = ("Channel Number,Channel Name,Channel Type,Rx Frequency,Tx Frequency,Power\r\n"
            "1,SK0RK R0,Analog,\t145.60000,\t145.00000,High\r\n"
            "2,Simplex V40,Analog,\t145.50000,\t145.50000,Low\r\n").encode()
# delartal-plan's own CSV as a Swedish spreadsheet saves it again: ";",
# decimal commas, trailing zeros gone.
SHEET = ("frekvens;variant;visad;delartal;i_matrisen;dioder;tusental;hundratal;tiotal;ental;"
         "kanal;namn;iaru\r\n"
         "145,6;1;145,6;416;ja;J D B A;x x x x;x V x x;x x x V;x V V x;145,6;SK0RK;RV48\r\n"
         "145,6;2;145,6;432;ja;J E D B;x x x x;x V x x;x x V V;x V x x;145,6;SK0RK;RV48\r\n"
         ";;;;;;;;;;;;\r\n").encode()


def run(*arguments, stdin=b""):
    done = subprocess.run(COMMAND + list(arguments), input=stdin, capture_output=True, timeout=120)
    return done.stdout, done.stderr, done.returncode


def csv_rows(out, delimiter=","):
    return list(csv.reader(io.StringIO(out.decode(), newline=""), delimiter=delimiter))


def headers():
    for name, stdin, wanted in [
            ("a programming tool's export", EXPORT,
             [("145.600000", "1", "416", "SK0RK", "RV48"), ("145.500000", "1", "408", "Anrop", "V40"),
              ("145.787500", "1", "431", "Rö, Ö-gruppen", "RV63")]),
            ("a codeplug", CODEPLUG,
             [("145.60000", "1", "416", "SK0RK R0", "RV48"),
              ("145.50000", "1", "408", "Simplex V40", "V40")]),
            ("its own CSV from a Swedish spreadsheet", SHEET,
             [("145.6", "1", "416", "SK0RK", "RV48")])]:
        out, err, status = run("-v", "1", "-f", "csv", stdin=stdin)
        rows = [(r[0], r[1], r[3], r[11], r[12]) for r in csv_rows(out)[1:]]
        check(f"a header: {name}", status == 0 and err == b"" and rows == wanted,
              repr((rows, err, status)))
    out, _, status = run("-f", "csv", stdin=SHEET)
    check("a variant column keeps each row to its variant",
          status == 0 and [r[1] for r in csv_rows(out)[1:]] == ["1", "2"], repr(out))
    for name, stdin in [("comma", b"Name,Frequency\r\n"), ("semicolon", b"namn;frekvens\n"),
                        ("TAB", b"\xef\xbb\xbfName\tRx Frequency\n")]:
        out, err, status = run("-f", "csv", stdin=stdin)
        check(f"a header and no rows ({name}) gives the header alone",
              status == 0 and err == b"" and len(csv_rows(out)) == 1 and out.startswith(b"frekvens"),
              repr((out, err)))
    stdin = 'Frequency,Name\n145.6,"två\r\nrader"\n'.encode()
    out, _, status = run("-v", "1", "-f", "csv", stdin=stdin)
    text_out, _, _ = run("-v", "1", stdin=stdin)
    check("a name with a line break: kept in the CSV, on one line in the table",
          status == 0 and csv_rows(out)[1][11] == "två\r\nrader"
          and text("  Namn: två  rader\n".encode()) in text_out, repr((out, text_out)))
    out, _, status = run("-f", "json", stdin=b"Frequency\n")
    check("a header and no rows as JSON gives nothing", status == 0 and out == b"", repr(out))


def bad_rows():
    """Each bad row gets one message naming its line and column, in 79 columns;
    the rows around it are written."""
    stdin = ("Location,Name,Rx Frequency,Comment\n"
             "1,Före,145.6,\n"
             "2,Kort rad\n"
             "3,Tom,,\n"
             "4,Fel,146abcdefghijklmn,\n"
             "5,Efter,145.5,\n"
             "6,\"aldrig stängd,145.7\n"
             "7,borta,145.8\n").encode()
    out, err, status = run("-v", "1", "-f", "csv", stdin=stdin)
    lines = err.decode().splitlines()
    check("bad rows: one message each, with line and column",
          lines == ["delartal-plan: rad 3: ingen cell under Rx Frequency",
                    "delartal-plan: rad 4: ”” under Rx Frequency: ingen frekvens",
                    "delartal-plan: rad 5: ”146abcdefghi…” under Rx Frequency: ingen frekvens",
                    "delartal-plan: rad 7: ”aldrig stäng…” under Name: citattecknet stängs aldrig"],
          repr(lines))
    names = [r[11] for r in csv_rows(out)[1:]]
    check("bad rows: the rows around them are written, status 1",
          status == 1 and names == ["Före", "Efter"] and all(len(x) <= 79 for x in lines),
          repr((names, status)))
    out, err, status = run("-v", "1", stdin=b"Frequency,variant\n145.6,3\n145.6,2\n")
    check("a bad variant cell is refused, another variant's row left out",
          status == 1 and err.decode().splitlines() == [
              "delartal-plan: rad 2: ”3” under variant: variant är 1 eller 2"]
          and b"416" not in out, repr((out, err)))


def round_trip():
    """Its own CSV, read back, gives exactly what it wrote, over the whole band,
    with names holding the delimiter, quotes and non-ASCII letters."""
    lines = "".join(f"{140.4 + n * 0.0125:.4f};Kanal \"{n}\", Rö;ja\n"
                    for n in range(0, 9984, 3)).encode()
    lines += b"RV48;SK0RK \xe2\x80\x93 R0\n145.6 MHz\n"
    for name, options in [("CSV", []), ("CSV with ; and decimal commas",
                                        ["-d", ";", "--decimal-comma"])]:
        first, _, status = run("-f", "csv", *options, stdin=lines)
        again, err, again_status = run("-f", "csv", *options, stdin=first)
        rows = first.count(b"\n") - 1
        check(f"round trip: {name}, {rows} rows", status == 0 and again_status == 0
              and err == b"" and again == first and rows > 6000, repr(err))
    first, _, _ = run("-f", "csv", stdin=lines)
    for fmt in ["json", "text"]:
        direct, _, _ = run("-f", fmt, stdin=lines)
        through, _, status = run("-f", fmt, stdin=first)
        check(f"round trip: the CSV read back as {fmt} is the list's {fmt}",
              status == 0 and through == direct and len(direct) > 100000)
    boards = "".join(f"{n};Kort {n}, \"x\"\n" for n in range(0, 10000, 7)).encode()
    first, _, _ = run("-r", "-f", "csv", stdin=boards)
    again, err, status = run("-r", "-f", "csv", stdin=first)
    check("round trip: the reverse CSV read back with -r", status == 0 and again == first
          and first.count(b"\n") > 2800, repr(err))


def strict(data):
    try:
        data.decode("utf-8", "strict")
        return True
    except UnicodeDecodeError:
        return False


def encodings():
    """Lists in Latin-1, Windows-1252 or mixed give UTF-8 in every format, and
    one notice with the line from which the list is read as Windows-1252."""
    latin1 = "145,600;Rävjakt Hörby\n".encode("latin-1")
    windows = "# Lista\n145.5;Anrop – “simplex” €\n".encode("cp1252")
    mixed = "145.6;Höör\n".encode() + "145.5;Sjöbo\n".encode("latin-1") + "145.7;Ånn\n".encode()
    for name, stdin, line, names in [
            ("Latin-1", latin1, 1, ["Rävjakt Hörby"]),
            ("Windows-1252", windows, 2, ["Anrop – “simplex” €"]),
            ("mixed, each line in its own encoding", mixed, 2, ["Höör", "Sjöbo", "Ånn"]),
            ("a CSV with a header", b"Name;Frequency\r\nH\xf6rby;145,6\r\n", 2, ["Hörby"])]:
        for fmt in ["text", "csv", "json", "html"]:
            out, err, status = run("-v", "1", "-f", fmt, stdin=stdin)
            notice = text(f"delartal-plan: rad {line}: läst som Windows-1252\n".encode())
            good = status == 0 and strict(out) and strict(err) and err == notice
            if fmt == "csv":
                good = good and [r[11] for r in csv_rows(out)[1:]] == names
            if fmt == "json":
                good = good and [json.loads(x)["namn"] for x in out.decode().splitlines()] == names
            check(f"encodings: {name}, as {fmt}", good, repr((out[-200:], err, status)))
    _, err, status = run("-v", "1", stdin=b"146\xff\n")
    check("encodings: a refused line is quoted in UTF-8", status == 1 and strict(err)
          and "”146ÿ”".encode() in err, repr(err))


def channel_names():
    out, _, status = run("-v", "1", "-f", "csv", "RV48", "v40", "R6", "R2x", "S20", "145.6MHz",
                         "145.6 mhz")
    rows = [(r[0], r[2], r[12]) for r in csv_rows(out)[1:]]
    check("channel names read as their frequencies, as typed",
          status == 0 and rows == [("RV48", "145.6000", "RV48"), ("v40", "145.5000", "V40"),
                                   ("R6", "145.7500", "RV60"), ("R2x", "145.6625", "RV53"),
                                   ("S20", "145.5000", "V40"), ("145.6", "145.6000", "RV48"),
                                   ("145.6", "145.6000", "RV48")], repr(rows))
    _, err, status = run("-v", "1", "V64", "RV4")
    check("V64 and RV4 are no frequencies", status == 1 and err.decode().splitlines() == [
        "delartal-plan: ”V64”: ingen frekvens; skriv t.ex. 146.0125",
        "delartal-plan: ”RV4”: ingen frekvens; skriv t.ex. 146.0125"], repr(err))
    out, _, status = run("-v", "1", stdin=b"145.600,SK0RK\n145.6;\"R\xc3\xb6, \xc3\x96-gruppen\"\n"
                         b"145.5 MHz\n")
    check("list lines: a comma after a frequency, a quoted name, a unit",
          status == 0 and text(b"Namn: SK0RK\n") in out and text("Namn: Rö, Ö-gruppen\n".encode()) in out
          and out.count(b"Namn:") == 2, repr(out))


def main():
    headers()
    bad_rows()
    round_trip()
    encodings()
    channel_names()
    return summary()


if __name__ == "__main__":
    sys.exit(main())
