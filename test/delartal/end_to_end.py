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
COMMA = text(b"Obs: kommat avslutade talet; skriv decimaler med punkt, till exempel 146.5.\n")
WRITE_FAILED = text(b"Kunde inte skriva till standard ut.\n")
READ_FAILED = text(b"Kunde inte l\xe4sa fr\xe5n standard in.\n")
# Under wine, standard streams on a Unix device or a directory are not the
# Windows program's to fail on in the same way.
NATIVE = not any("wine" in os.path.basename(part) for part in COMMAND[:-1])


def run(answers):
    done = subprocess.run(COMMAND, input=answers, capture_output=True, timeout=60)
    return done.stdout, done.stderr, done.returncode


def expect(name, answers, out, err, status):
    got_out, got_err, got_status = run(answers)
    check(name, (got_out, got_err, got_status) == (out, err, status),
          repr((got_out[-200:], got_err, got_status)))


def fits_80_columns(name, answers):
    """Every line of the messages, one column a byte in ISO 8859-1, leaves the
    console's last column free, so that none wraps. On a console the answer's
    line end comes before a message; through a pipe it stands after the prompt."""
    out, err, _ = run(answers)
    messages = out.replace(MENU, b"\n").replace(PROMPT, b"\n") + err
    lines = messages.replace(b"\r\n", b"\n").split(b"\n")
    check(name, max(len(line) for line in lines) <= 79, repr(max(lines, key=len)))


def failed_write():
    """Standard output on a full disk: the run stops at the menu, without
    waiting for the answers still to come."""
    with open("/dev/full", "wb") as full:
        process = subprocess.Popen(COMMAND, stdin=subprocess.PIPE, stdout=full,
                                   stderr=subprocess.PIPE)
        try:
            status = process.wait(timeout=30)
            check("a failed write stops the run at once",
                  (status, process.stderr.read()) == (1, WRITE_FAILED))
        finally:
            if process.poll() is None:
                process.kill()
            process.wait()
            process.stdin.close()
            process.stderr.close()


def failed_read():
    """Standard input on a directory, which cannot be read."""
    directory = os.open(os.path.dirname(os.path.abspath(__file__)), os.O_RDONLY)
    try:
        done = subprocess.run(COMMAND, stdin=directory, capture_output=True, timeout=60)
    finally:
        os.close(directory)
    check("a read error says so", (done.stderr, done.returncode) == (text(b"\n") + READ_FAILED, 1),
          repr((done.stderr, done.returncode)))


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
    expect("input ends on its own line after the open prompt", b"1\n", MENU + PROMPT,
           text(b"\n") + ENDED, 1)
    expect("a decimal comma is noticed", b"1\n146,5\n\n", full, COMMA, 0)
    fits_80_columns("the out-of-band message fits the console", b"1\n300\n")
    fits_80_columns("the comma notice fits the console", b"2\n146,5\n")
    out, err, status = run(b"1\n145.78\n\n")
    check("a mistyped channel: the report as read, the channel on standard error",
          status == 0 and text(b" Frekvensen 145.7800 ger delartalet 430\n") in out
          and err == text(b"Obs: delartalet 430 ger kanalen 145.7750 MHz, inte 145.7800.\n"),
          repr((err, status)))
    fits_80_columns("the channel notice fits the console", b"2\n265.19\n")
    out, _, _ = run(b"1,5\n146\n\n")
    check("the refusal of the rest of the menu's line starts a line of its own",
          out.startswith(MENU + PROMPT + text(b"\nSkriv frekvensen")), repr(out[:200]))
    long_answer = b"1\n146." + b"0" * 20_000_000 + b"\n\n"
    expect("a 20 MB answer", long_answer, full, b"", 0)
    garbage = b"x" * 20_000_000 + b"\n1\n146\n"
    expect("a 20 MB line of garbage", garbage, MENU + NOT_A_VARIANT + full, b"", 0)
    interactive()
    if NATIVE:
        failed_write()
        failed_read()

    return summary()


if __name__ == "__main__":
    sys.exit(main())
