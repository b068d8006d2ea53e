#!/usr/bin/env python3
"""Drives the built delartal-plan: arguments, ranges and standard input, each
format, every refusal and usage error with its exit status, and rows that
arrive while the input is still open.

Usage: end_to_end.py [--crlf] PATH_TO_DELARTAL_PLAN [RUNNER ...], as
end_to_end_support.py describes. Prints one line per check and a closing
'N passed, M failed'.
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from end_to_end_support import CRLF, COMMAND, check, read_until, summary, text  # noqa: E402

HINT = text("Skriv ”delartal-plan --help” för mer information.\n".encode())
CSV_HEADER = (b"frekvens,variant,visad,delartal,i_matrisen,dioder,tusental,hundratal,tiotal,"
              b"ental\r\n")
ROW_146_1 = b"146,1,146.0000,448,ja,J F C,x x x x,x V x x,x V x x,V x x x\r\n"
ROW_146_2 = b"146,2,146.0000,464,ja,J F E B,x x x x,x V x x,x V V x,x V x x\r\n"


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
           + b"145,1,145.0000,368,ja,I H F E C,x x x x,x x V V,x V V x,V x x x\r\n"
           + b"145.0125,1,145.0125,369,ja,I H F E C M,x x x x,x x V V,x V V x,V x x V\r\n"
           + b"145.025,1,145.0250,370,ja,I H F E D,x x x x,x x V V,x V V V,x x x x\r\n"
           + b"145.0375,1,145.0375,371,ja,I H F E D M,x x x x,x x V V,x V V V,x x x V\r\n"
           + b"145.05,1,145.0500,372,ja,I H F E D A,x x x x,x x V V,x V V V,x x V x\r\n", 0)
    expect("both variants, variant 1 first", ["--format=csv", "146"],
           CSV_HEADER + ROW_146_1 + ROW_146_2, 0)
    expect("standard input, comments and blank lines skipped", ["-f", "csv", "-v", "1"],
           CSV_HEADER + ROW_146_1 + b"145.5,1,145.5000,408,ja,J C,x x x x,x V x x,x x x x,V x x x\r\n",
           0, stdin=b"# plan\n\n  146 \n145,5\n")
    expect("a text table", ["-v", "1", "146"],
           b"Frekvens    Variant  Visad     Delartal  Matris  Dioder\n\n"
           b"146         1        146.0000       448  ja      J F C\n"
           b"  x x x x  x V x x  x V x x  V x x x\n"
           b"  - - - L  K J I H  G F E D  C B A M\n\n", 0)
    expect("CSV quoting under another delimiter", ["-f", "csv", "-d", " ", "-v", "2", "146"],
           b"frekvens variant visad delartal i_matrisen dioder tusental hundratal tiotal ental\r\n"
           b'146 2 146.0000 464 ja "J F E B" "x x x x" "x V x x" "x V V x" "x V x x"\r\n', 0)
    expect("a semicolon for Swedish spreadsheets", ["-f", "csv", "-d", ";", "-v", "1", "165,4"],
           CSV_HEADER.replace(b",", b";")
           + b"165.4;1;165.4000;2000;nej;;x x V x;x x x x;x x x x;x x x x\r\n", 0)


def reverse():
    expect("reverse, from a divider, line names and a pattern row",
           ["-r", "-f", "csv", "-v", "1", "451", "jfdm", "x x x x  x V x x  x V x V  x x x V"],
           b"delartal,variant,kanal,fran,till,i_matrisen,dioder\r\n"
           + b"451,1,146.0375,146.03125,146.04375,ja,J F D M\r\n" * 3, 0)
    out, err, status = run("-r", "-f", "html", "451", "2000")
    page = out.decode("utf-8", "replace")
    check("an HTML sheet with a card a row, self-contained",
          status == 0 and page.count('<section class="card">') == 4 and "<svg" in page
          and "<script" not in page and "http" not in page and page.endswith("</html>\n".replace(
              "\n", "\r\n" if CRLF else "\n")), repr((err, status)))


def refusals():
    expect_refusal("a frequency that is no number", ["-f", "csv", "146abc", "146"], 1,
                   "delartal-plan: ”146abc”: ingen frekvens".encode(), out_has=ROW_146_1)
    out, err, status = run("300")
    check("a frequency outside both bands: one line for each", status == 1 and
          err.count(b"delartal-plan: \xe2\x80\x9d300\xe2\x80\x9d: ger inget delartal") == 2,
          repr((err, status)))
    expect_refusal("a range partly outside the band is left out, and said so",
                   ["-f", "csv", "-v", "1", "140.3875:140.4125"], 0,
                   "delartal-plan: ”140.3875:140.4125”: 1 av 3 rader utelämnade".encode())
    expect_refusal("a range wholly outside the band", ["-v", "1", "100:101"], 1,
                   "delartal-plan: ”100:101”: 81 av 81 rader utelämnade".encode())
    expect_refusal("a board no divider can have", ["-r", "K J"], 1,
                   "delartal-plan: ”K J”: hundratalets linjer K J ger 12".encode())
    expect_refusal("a bad line names its number", ["-f", "csv"], 1,
                   "delartal-plan: rad 2: ingen frekvens".encode(), stdin=b"146\nabc\n")
    expect_refusal("a bad range on a line", ["-f", "csv"], 1,
                   "delartal-plan: rad 1: STEG måste vara större än noll".encode(),
                   stdin=b"145:146:0\n")
    expect_refusal("an over-long line", [], 1, "delartal-plan: rad 1: längre än 4096 byte".encode(),
                   stdin=b"1" * 5000 + b"\n")
    for name, arguments, message in [
            ("an unknown option", ["-x", "146"], "okänd flagga ”-x”"),
            ("a bad variant", ["--variant", "3", "146"], "varianten är 1 eller 2"),
            ("a bad format", ["-f", "xml", "146"], "formatet är text, csv eller html"),
            ("a step that is not positive", ["146", "145:146:0"], "”145:146:0”: STEG"),
            ("a range of over a million", ["0:12500"], "”0:12500”: ett intervall får stå för"),
            ("a stop below the start", ["146:145"], "”146:145”: STOPP ligger under START")]:
        expect_refusal("usage error: " + name, arguments, 2,
                       ("delartal-plan: " + message).encode())
    out, _, status = run("--help")
    check("--help", status == 0 and out.startswith("Användning: delartal-plan".encode()))
    expect("--version", ["--version"], b"delartal-plan (delartal) 1.0.0\n", 0)


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
    reverse()
    refusals()
    if os.name == "posix":
        streamed()
    return summary()


if __name__ == "__main__":
    sys.exit(main())
