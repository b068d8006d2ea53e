#!/usr/bin/env python3
"""Drives the built delartal-plan: arguments, ranges and standard input, each
format, every refusal and usage error with its exit status, and rows that
arrive while the input is still open.

Usage: end_to_end.py [--crlf] PATH_TO_DELARTAL_PLAN [RUNNER ...], as
end_to_end_support.py describes. Prints one line per check and a closing
'N passed, M failed'.
"""
import csv
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from end_to_end_support import CRLF, COMMAND, check, read_until, summary, text  # noqa: E402

HINT = text("Skriv ”delartal-plan --help” för mer information.\n".encode())
CSV_HEADER = (b"frekvens,variant,visad,delartal,i_matrisen,dioder,tusental,hundratal,tiotal,"
              b"ental,kanal,namn,iaru\r\n")
REVERSE_HEADER = (b"delartal,variant,kanal,fran,till,i_matrisen,dioder,tusental,hundratal,tiotal,"
                  b"ental,namn,iaru\r\n")
ROW_146_1 = b"146,1,146.0000,448,ja,J F C,x x x x,x V x x,x V x x,V x x x,146.0000,,\r\n"
ROW_146_2 = b"146,2,146.0000,464,ja,J F E B,x x x x,x V x x,x V V x,x V x x,146.0000,,\r\n"
TEXT_HEADER = "Frekvens    Variant  Visad     Kanal     IARU  Delartal  Matris  Dioder\n\n".encode()
PATTERN_451 = b"  x x x x  x V x x  x V x V  x x x V\n  - - - L  K J I H  G F E D  C B A M\n\n"


def run(*arguments, stdin=b""):
    done = subprocess.run(COMMAND + list(arguments), input=stdin, capture_output=True, timeout=60)
    return done.stdout, done.stderr, done.returncode


def expect(name, arguments, out, status, err=b"", stdin=b""):
    got = run(*arguments, stdin=stdin)
    want = (text(out), text(err), status)
    check(name, got == want, repr((got[0][-300:], got[1], got[2])))


def expect_refusal(name, arguments, status, err_start, out_has=b"", stdin=b""):
    """A refusal or usage error: its status, a message on standard error that
    starts as given, and nothing on standard output but `out_has` and headers."""
    out, err, got_status = run(*arguments, stdin=stdin)
    good = (got_status == status and err.startswith(text(err_start)) and out_has in out)
    if status == 2:
        good = good and out == b"" and err.endswith(HINT)
    check(name, good, repr((out[-200:], err, got_status)))


def forward():
    expect("the range example, exactly", ["-v", "1", "-f", "csv", "145:145.05:0.0125"],
           CSV_HEADER
           + b"145,1,145.0000,368,ja,I H F E C,x x x x,x x V V,x V V x,V x x x,145.0000,,V00\r\n"
           + b"145.0125,1,145.0125,369,ja,I H F E C M,x x x x,x x V V,x V V x,V x x V,145.0125,,V01\r\n"
           + b"145.025,1,145.0250,370,ja,I H F E D,x x x x,x x V V,x V V V,x x x x,145.0250,,V02\r\n"
           + b"145.0375,1,145.0375,371,ja,I H F E D M,x x x x,x x V V,x V V V,x x x V,145.0375,,V03\r\n"
           + b"145.05,1,145.0500,372,ja,I H F E D A,x x x x,x x V V,x V V V,x x V x,145.0500,,V04\r\n",
           0)
    expect("both variants, variant 1 first", ["--format=csv", "146"],
           CSV_HEADER + ROW_146_1 + ROW_146_2, 0)
    expect("standard input, comments and blank lines skipped", ["-f", "csv", "-v", "1"],
           CSV_HEADER + ROW_146_1
           + b"145.5,1,145.5000,408,ja,J C,x x x x,x V x x,x x x x,V x x x,145.5000,,V40\r\n",
           0, stdin=b"# plan\n\n  146 \n145,5\n")
    expect("a text table", ["-v", "1", "146"],
           TEXT_HEADER + b"146         1        146.0000  146.0000             448  ja      J F C\n"
           b"  x x x x  x V x x  x V x x  V x x x\n"
           b"  - - - L  K J I H  G F E D  C B A M\n\n", 0)
    expect("CSV quoting under another delimiter", ["-f", "csv", "-d", " ", "-v", "2", "146"],
           b"frekvens variant visad delartal i_matrisen dioder tusental hundratal tiotal ental "
           b"kanal namn iaru\r\n"
           b'146 2 146.0000 464 ja "J F E B" "x x x x" "x V x x" "x V V x" "x V x x" 146.0000  \r\n',
           0)
    expect("a semicolon for Swedish spreadsheets, a diode where no line is",
           ["-f", "csv", "-d", ";", "-v", "1", "165,4"], CSV_HEADER.replace(b",", b";")
           + b"165.4;1;165.4000;2000;nej;-;x x V x;x x x x;x x x x;x x x x;165.4000;;\r\n", 0)
    expect("decimal commas for a Swedish spreadsheet",
           ["-f", "csv", "-d", ";", "--decimal-comma", "-v", "1", "145.78"],
           CSV_HEADER.replace(b",", b";")
           + b"145,78;1;145,7800;430;ja;J E D;x x x x;x V x x;x x V V;x x x x;145,7750;;RV62\r\n", 0)
    expect("decimal commas quoted under a comma",
           ["-f", "csv", "--decimal-comma", "-v", "1", "146"],
           CSV_HEADER + b'146,1,"146,0000",448,ja,J F C,x x x x,x V x x,x V x x,V x x x,'
           b'"146,0000",,\r\n', 0)


def off_channel():
    """A frequency that is not its divider's channel says which channel it gets."""
    expect("a mistyped channel is marked in the table", ["-v", "1", "145.78"],
           TEXT_HEADER + b"145.78      1        145.7800  145.7750  RV62       430  ja      J E D\n"
           b"  Obs: delartalet 430 ger kanalen 145.7750 MHz, inte 145.7800.\n"
           b"  x x x x  x V x x  x x V V  x x x x\n"
           b"  - - - L  K J I H  G F E D  C B A M\n\n", 0)
    for typed, divider, shown, channel in [("145.04375", 371, "145.0437", "145.0375"),
                                           ("145.06875", 374, "145.0688", "145.0750")]:
        out, _, status = run("-f", "csv", "-v", "1", typed)
        fields = out.split(b"\r\n")[1].split(b",")
        check(f"a half step, {typed}, gives the channel of {divider}",
              status == 0 and fields[3] == str(divider).encode() and fields[2] == shown.encode()
              and fields[10] == channel.encode(), repr(out))
    out, _, _ = run("-f", "html", "-v", "1", "145.78", "145.775")
    page = out.decode()
    check("the card names the channel beside the frequency",
          page.count('<p class="channel">Kanal 145.7750 MHz</p>') == 1
          and "Obs: delartalet 430 ger kanalen 145.7750 MHz, inte 145.7800." in page, page[-400:])


def names():
    """Channel lists with names, in every form, through every format."""
    lines = ("145.600 SK0RK repeater\n145.500\tanrop  # mitt\n145.6125;SK0RK;\"R2\"\n"
             "146   # bara kommentar\n").encode()
    expect("names as text", ["-v", "1"], TEXT_HEADER
           + b"145.600     1        145.6000  145.6000  RV48       416  ja      J D B A\n"
           b"  Namn: SK0RK repeater\n  x x x x  x V x x  x x x V  x V V x\n"
           b"  - - - L  K J I H  G F E D  C B A M\n\n"
           b"145.500     1        145.5000  145.5000  V40        408  ja      J C\n"
           b"  Namn: anrop\n  x x x x  x V x x  x x x x  V x x x\n"
           b"  - - - L  K J I H  G F E D  C B A M\n\n"
           b"145.6125    1        145.6125  145.6125  RV49       417  ja      J D B A M\n"
           b'  Namn: SK0RK;"R2"\n  x x x x  x V x x  x x x V  x V V V\n'
           b"  - - - L  K J I H  G F E D  C B A M\n\n"
           b"146         1        146.0000  146.0000             448  ja      J F C\n"
           b"  x x x x  x V x x  x V x x  V x x x\n"
           b"  - - - L  K J I H  G F E D  C B A M\n\n", 0, stdin=lines)
    out, _, status = run("-f", "csv", "-d", ";", "-v", "1", stdin=lines)
    rows = out.split(b"\r\n")
    check("names as CSV, quoted where they must be",
          status == 0 and rows[1].endswith(b";SK0RK repeater;RV48") and rows[2].endswith(b";anrop;V40")
          and rows[3].endswith(b';"SK0RK;""R2""";RV49') and rows[4].endswith(b";146.0000;;"),
          repr(rows))
    out, _, status = run("-f", "html", "-v", "1", stdin=lines)
    page = out.decode()
    check("names on the cards",
          status == 0 and '<span class="blank written">SK0RK repeater</span>' in page
          and '<span class="blank written">SK0RK;&quot;R2&quot;</span>' in page
          and page.count('<span>Kanalnamn</span><span class="blank written"></span>') == 1, page[-300:])
    boards = b"J F D M Hemma\njfdm\tHemma\n451;Hemma\nx x x x  x V x x  x V x V  x x x V Hemma\n"
    out, _, status = run("-r", "-f", "csv", "-v", "1", stdin=boards)
    check("a board with spaces is told from its name",
          status == 0 and out == REVERSE_HEADER + b"451,1,146.0375,146.03125,146.04375,ja,J F D M,"
          b"x x x x,x V x x,x V x V,x x x V,Hemma,\r\n" * 4, repr(out))


def json_lines():
    """Every row of the whole-band plan, and of the reverse of every divider,
    is one JSON object that equals its CSV row field by field: the decimals
    as the same text, the divider and variant as numbers, the fit as a flag."""
    def as_csv(value):
        if isinstance(value, bool):
            return "ja" if value else "nej"
        return value if isinstance(value, str) else str(value)

    every_divider = "".join(f"{n}\n" for n in range(10000)).encode()
    for name, arguments, lines in [
            ("the whole-band plan", ["140.4:265.3875"], b""),
            ("the reverse of every divider", ["-r"], every_divider),
            ("named lines", ["-v", "1"], "145.6 Stugan \"vid\" sjön\\\n145.78;\x01\n".encode())]:
        csv_text = run("-f", "csv", *arguments, stdin=lines)[0].decode()
        rows = list(csv.DictReader(csv_text.replace("\r\n", "\n").splitlines()))
        out, _, status = run("-f", "json", *arguments, stdin=lines)
        objects = [json.loads(line) for line in out.decode().splitlines()]
        same = len(objects) == len(rows) > 0 and all(
            list(obj) == list(row) and all(as_csv(obj[key]) == row[key] for key in row)
            and isinstance(obj["delartal"], int) and isinstance(obj["visad" if "visad" in obj
                                                                   else "kanal"], str)
            for obj, row in zip(objects, rows))
        check(f"JSON Lines: {name}, {len(objects)} rows, equal the CSV", status == 0 and same,
              repr(objects[:1]))


def input_lines():
    expect("a byte order mark is skipped", ["-f", "csv", "-v", "1"], CSV_HEADER + ROW_146_1, 0,
           stdin=b"\xef\xbb\xbf146\n")
    expect("trailing blanks do not count toward the limit", ["-f", "csv", "-v", "1"],
           CSV_HEADER + ROW_146_1, 0, stdin=b"146" + b" " * 5000 + b"\t\r\n")


def reverse():
    expect("reverse, from a divider, line names and a pattern row",
           ["-r", "-f", "csv", "-v", "1", "451", "jfdm", "x x x x  x V x x  x V x V  x x x V"],
           REVERSE_HEADER + b"451,1,146.0375,146.03125,146.04375,ja,J F D M,x x x x,x V x x,"
           b"x V x V,x x x V,,\r\n" * 3, 0)
    expect("reverse as text, a divider above 1999 with its diode where no line is",
           ["-r", "-v", "1", "9999"],
           "Delartal  Variant  Kanal     IARU  Från       Till       Matris  Dioder\n\n".encode()
           + b"    9999  1        265.3875        265.38126  265.39374  nej     - L K H G D C M\n"
           b"  V x x V  V x x V  V x x V  V x x V\n  - - - L  K J I H  G F E D  C B A M\n\n", 0)
    out, err, status = run("-r", "-f", "html", "451", "2000")
    page = out.decode("utf-8", "replace")
    check("an HTML sheet with a card a row, self-contained",
          status == 0 and page.count('<section class="card">') == 4 and "<svg" in page
          and "<script" not in page and "http" not in page and page.endswith("</html>\n".replace(
              "\n", "\r\n" if CRLF else "\n")), repr((err, status)))


def messages():
    """Every refusal names its text and its fault, in 79 columns when the text
    it quotes is 12 characters or fewer."""
    twelve = "x23456789012"
    for name, arguments, stdin, wanted in [
            ("no number", ["-v1"], b"146abc\n", "rad 1: ”146abc”: ingen frekvens; skriv t.ex. 146.0125"),
            ("out of band", ["-v1"], b"\n" * 122 + b"300\n",
             "rad 123: ”300”: variant 1 tar 140.4 till 265.3875 MHz"),
            ("a board without -r", [], b"J F D M Hemma\n",
             "rad 1: ”J F D M”: ser ut som ett kort; lägg till -r"),
            ("a frequency with -r", ["-r"], b"145.6 SK0RK\n",
             "rad 1: ”145.6”: ser ut som en frekvens; ta bort -r"),
            ("a stray letter", ["-r"], b"J F D M X\n", "rad 1: ”J F D M X”: ”X” är ingen linje, de är A–M"),
            ("a digit group above 9", ["-r"], b"K J\n", "rad 1: ”K J”: hundratalet K J ger 12, inte 0–9"),
            ("a range partly out", ["-v1"], b"140.39:140.41\n",
             "rad 1: ”140.39:140.41”: 1 av 2 rader utelämnade: utanför bandet"),
            ("a bad range", ["-v1"], b"145:146:0\n", "rad 1: ”145:146:0”: STEG måste vara större än noll"),
            ("a bad range's form", ["-v1"], b"145:x\n",
             "rad 1: ”145:x”: skriv intervallet t.ex. 145:146:0.025"),
            ("a long line", [], b"1" * 5000 + b"\n", "rad 1: ”111111111111…”: längre än 4096 byte"),
            ("the worst case", ["-v1"], b"\n" * 122 + twelve.encode() + b"\n",
             f"rad 123: ”{twelve}”: ingen frekvens; skriv t.ex. 146.0125"),
            ("an argument out of band", ["-v2", "100"], b"",
             "”100”: variant 2 tar 140.2 till 265.1875 MHz"),
            ("a board argument without -r", ["J F D M"], b"", "”J F D M”: ser ut som ett kort; lägg till -r"),
            ("a frequency argument with -r", ["-r", "145.6"], b"",
             "”145.6”: ser ut som en frekvens; ta bort -r")]:
        _, err, status = run(*arguments, stdin=stdin)
        lines = err.decode().splitlines()
        partly = name == "a range partly out"  # its other row was written: status 0
        check(f"message: {name}", status == (0 if partly else 1)
              and lines[0] == "delartal-plan: " + wanted
              and all(len(line) <= 79 for line in lines), repr((err, status)))
    out, err, status = run("-f", "csv", "146abc", "146")
    check("a refused argument leaves the others' rows", status == 1 and ROW_146_1 in out,
          repr((err, status)))
    out, err, status = run("300")
    check("a frequency outside both bands: one line for each", status == 1 and
          err.count(b"delartal-plan: \xe2\x80\x9d300\xe2\x80\x9d: variant ") == 2,
          repr((err, status)))
    expect_refusal("a range wholly outside the band", ["-v", "1", "100:101"], 1,
                   "delartal-plan: ”100:101”: 81 av 81 rader utelämnade".encode())
    for name, arguments, message in [
            ("an unknown option", ["-x", "146"], "okänd flagga ”-x”"),
            ("a bad variant", ["--variant", "3", "146"], "varianten är 1 eller 2"),
            ("a bad format", ["-f", "xml", "146"], "formatet är text, csv, json eller html"),
            ("-d without csv", ["-d", ";", "146"], "-d gäller bara -f csv"),
            ("--decimal-comma without csv", ["--decimal-comma", "146"],
             "--decimal-comma gäller bara -f csv"),
            ("a step that is not positive", ["146", "145:146:0"], "”145:146:0”: STEG"),
            ("a range of over a million", ["0:12500"], "”0:12500”: fler än 1000000"),
            ("a stop below the start", ["146:145"], "”146:145”: STOPP ligger under START")]:
        expect_refusal("usage error: " + name, arguments, 2,
                       ("delartal-plan: " + message).encode())
    out, _, status = run("--help")
    check("--help", status == 0 and out.startswith("Användning: delartal-plan".encode())
          and all(len(line) <= 79 for line in out.decode().splitlines()))
    expect("--version", ["--version"], b"delartal-plan (delartal) 1.3.0\n", 0)


def streamed():
    process = subprocess.Popen(COMMAND + ["-f", "csv", "-v", "1"], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    try:
        process.stdin.write(b"146\n")
        process.stdin.flush()
        got = read_until(process.stdout, ROW_146_1)
        check("a row arrives while the input is still open", got == CSV_HEADER + ROW_146_1,
              repr(got))
        process.stdin.close()
        check("the end of input ends the run with status 0", process.wait(timeout=30) == 0)
    finally:
        if process.poll() is None:
            process.kill()
        process.wait()


def main():
    forward()
    off_channel()
    names()
    input_lines()
    json_lines()
    reverse()
    messages()
    if os.name == "posix":
        streamed()
    return summary()


if __name__ == "__main__":
    sys.exit(main())
