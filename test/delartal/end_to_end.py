#!/usr/bin/env python3
"""Drives the built delartal through pipes: exact bytes out, exit status, and
that every prompt is on the pipe before the program waits for an answer.

Usage: end_to_end.py [--crlf] PATH_TO_DELARTAL [RUNNER ...], as
end_to_end_support.py describes. Prints one line per check and a closing
'N passed, M failed'.
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from end_to_end_support import COMMAND, check, read_until, summary, text  # noqa: E402

MENU = text(b"\nV\xe4lj:\n 1.Offset 70,2 / 59,5 MHz (Tx/Rx)\n"
            b" 2.Offset 70,1 / 59,4 MHz (Tx/Rx)\n? ")
PROMPT = text(b"\nFrekvens i MHz? ")
CLOSING = text(b"Tryck valfri tangent\n")
REPORT_448 = text(b"\n\n\n Frekvensen 146.0000 ger delartalet 448\n\n  Dioder i matrisen\n\n"
                  b"  x x x x  x V x x  x V x x  V x x x\n"
                  b"  - - - L  K J I H  G F E D  C B A M\n\n")
NOT_A_VARIANT = text(b"Svara 1 eller 2.\n")
ENDED = text(b"Indata tog slut innan b\xe5da svaren var l\xe4sta.\n")


def run(answers):
    done = subprocess.run(COMMAND, input=answers, capture_output=True, timeout=60)
    return done.stdout, done.stderr, done.returncode


def expect(name, answers, out, err, status):
    got_out, got_err, got_status = run(answers)
    check(name, (got_out, got_err, got_status) == (out, err, status),
          repr((got_out[-200:], got_err, got_status)))


def interactive():
    process = subprocess.Popen(COMMAND, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE)
    try:
        check("the menu arrives before any answer", read_until(process.stdout, MENU) == MENU)
        process.stdin.write(b"1\n")
        process.stdin.flush()
        check("the frequency prompt arrives after the variant",
              read_until(process.stdout, PROMPT) == PROMPT)
        process.stdin.write(b"146\n")
        process.stdin.flush()
        got = read_until(process.stdout, CLOSING)
        check("the report and closing prompt arrive", got == REPORT_448 + CLOSING, repr(got))
        time.sleep(0.3)
        check("the closing prompt waits for a line", process.poll() is None)
        process.stdin.write(b"\n")
        process.stdin.flush()
        check("one more line ends the run with status 0", process.wait(timeout=30) == 0)
    finally:
        if process.poll() is None:
            process.kill()
        process.wait()


def main():
    full = MENU + PROMPT + REPORT_448 + CLOSING
    expect("a whole run", b"1\n146\n\n", full, b"", 0)
    expect("input ends at the closing prompt", b"1\n146\n", full, b"", 0)
    expect("input ends before the frequency", b"1\n", MENU + PROMPT, ENDED, 1)
    long_answer = b"1\n146." + b"0" * 20_000_000 + b"\n\n"
    expect("a 20 MB answer", long_answer, full, b"", 0)
    garbage = b"x" * 20_000_000 + b"\n1\n146\n"
    expect("a 20 MB line of garbage", garbage, MENU + NOT_A_VARIANT + full, b"", 0)
    interactive()

    return summary()


if __name__ == "__main__":
    sys.exit(main())
