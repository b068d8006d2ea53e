"""What the end-to-end scripts share: the command line they are given, the
platform's line ends, one line per check with a closing 'N passed, M failed',
and reading a pipe without writing to the program.

A script is started as SCRIPT [--crlf] PATH_TO_PROGRAM [RUNNER ...], where
RUNNER starts a program built for another platform (qemu-aarch64, wine) and
--crlf says that the platform writes line ends as CR LF.
"""
import os
import re
import select
import sys
import time

_ARGS = sys.argv[1:]
CRLF = _ARGS[:1] == ["--crlf"]
if CRLF:
    _ARGS = _ARGS[1:]
COMMAND = _ARGS[1:] + _ARGS[:1]

_results = []


def text(lines):
    """The bytes the program writes for a text, with the platform's line ends.
    A CR LF written as such stays as it is."""
    return re.sub(rb"(?<!\r)\n", b"\r\n", lines) if CRLF else lines


def check(name, condition, detail=""):
    _results.append(condition)
    print(("ok     " if condition else "FAILED ") + name + ("" if condition else ": " + detail))


def summary():
    """Prints the closing line and returns the exit status."""
    failed = _results.count(False)
    print(f"{len(_results) - failed} passed, {failed} failed")
    return 1 if failed else 0


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
