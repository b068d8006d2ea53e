#!/usr/bin/env python3
"""Drives the built delartal through pipes: exact bytes out, exit status, and
that every prompt is on the pipe before the program waits for an answer.

Usage: end_to_end.py [--crlf] PATH_TO_DELARTAL [RUNNER ...]
RUNNER is what starts a program built for another platform (qemu-aarch64,
wine), with its arguments. --crlf: the platform writes line ends as CR LF.
Prints one line per check and a closing 'N passed, M failed'.
"""
import os
import select
import subprocess
import sys
import time

ARGS = sys.argv[1:]
CRLF = ARGS[:1] == ["--crlf"]
if CRLF:
    ARGS = ARGS[1:]
COMMAND = ARGS[1:] + ARGS[:1]


def text(lines):
    """The bytes the program writes for a text, with the platform's line ends."""
    return lines.replace(b"\n", b"\r\n") if CRLF else lines


MENU = text(b"\nV\xe4lj:\n 1.Offset 70,2 / 59,5 MHz (Tx/Rx)\n"
            b" 2.Offset 70,1 / 59,4 MHz (Tx/Rx)\n? ")
PROMPT = text(b"\nFrekvens i MHz? ")
CLOSING = text(b"Tryck valfri tangent\n")
REPORT_448 = text(b"\n\n\n Frekvensen 146.0000 ger delartalet 448\n\n  Dioder i matrisen\n\n"
                  b"  x x x x  x V x x  x V x x  V x x x\n"
                  b"  - - - L  K J I H  G F E D  C B A M\n\n")
NOT_A_VARIANT = text(b"Svara 1 eller 2.\n")
ENDED = text(b"Indata tog slut innan b\xe5da svaren var l\xe4sta.\n")

results = []


def check(name, condition, detail=""):
    results.append(condition)
    print(("ok     " if condition else "FAILED ") + name + ("" if condition else ": " + detail))


def run(answers):
    done = subprocess.run(COMMAND, input=answers, capture_output=True, timeout=60)
    return done.stdout, done.stderr, done.returncode


def expect(name, answers, out, err, status):
    got_out, got_err, got_status = run(answers)
    check(name, (got_out, got_err, got_status) == (out, err, status),
          repr((got_out[-200:], got_err, got_status)))


def read_until(stream, expected, seconds=30):
    """Reads from a pipe until `expected` has arrived, without writing anything."""
    got = b""
    deadline = time.monotonic() + seconds
    while not got.endswith(expected) and time.monotonic() < deadline:
        ready, _, _ = select.select([stream], [], [], 0.1)
        if ready:
            chunk = os.read(stream.fileno(), 4096)
            if not chunk:
                break
            got += chunk
    return got


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

    failed = results.count(False)
    print(f"{len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
