#!/usr/bin/env python3
"""Drives the built delartal-plan with names, lists and arguments that hold
control characters, stray bytes and byte order marks, in every format: its
standard output and standard error are UTF-8 throughout, no control
character reaches a terminal or a card raw, NUL reaches no output raw, and
CSV and JSON keep every other byte of a name.

Usage: no_raw_controls.py [--crlf] PATH_TO_DELARTAL_PLAN [RUNNER ...], as
end_to_end_support.py describes. Prints one line per check and a closing
'N passed, M failed'.
"""
import json
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from end_to_end_support import COMMAND, CRLF, check, summary  # noqa: E402

NAME = "\x1b[2J\x1b]0;pwned\x07 \x85\x7f"
RAW = re.compile("[\x00-\x08\x0b\x0c\x0e-\x1f\x7f-\x9f\ufeff]")


def run(arguments, stdin=b""):
    done = subprocess.run(COMMAND + arguments, input=stdin, capture_output=True, timeout=60)
    return done.stdout, done.stderr, done.returncode


def utf8(data):
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        return None


def main():
    named = f"145.6;{NAME}\n".encode()
    for fmt, wanted in [("text", "Namn: <1B>[2J<1B>]0;pwned<07> <85><7F>"),
                        ("html", "&lt;1B&gt;[2J&lt;1B&gt;]0;pwned&lt;07&gt; &lt;85&gt;&lt;7F&gt;")]:
        out, err, status = run(["-v", "1", "-f", fmt], named)
        text = utf8(out)
        check(f"{fmt}: a name's control characters shown as <1B>, none raw",
              status == 0 and text is not None and wanted in text and not RAW.search(text),
              repr(out[-300:]))
    for fmt in ["csv", "json"]:
        out, _, status = run(["-v", "1", "-f", fmt], named + b"145.7;a\x00b\n")
        text = utf8(out)
        names = ([json.loads(line)["namn"] for line in text.split("\n")[:-1]] if fmt == "json"
                 else [row.split(",")[11] for row in text.split("\r\n")[1:-1]]) if text else []
        check(f"{fmt}: the name kept exactly, NUL shown as <00>",
              status == 0 and names[0].replace('"', "") == NAME and "\x00" not in text
              and names[1] in ("a<00>b", "a\x00b" if fmt == "json" else ""), repr(names))
    # Windows hands a program its arguments in its own code page, the byte
    # 0xFF already made "?"; node hands them on as text, the byte already
    # made U+FFFD.
    runner = os.path.basename(COMMAND[0]) if len(COMMAND) > 1 else ""
    stray = "?" if CRLF else "\ufffd" if runner.startswith("node") else "ÿ"
    for name, arguments, stdin, wanted in [
            ("an option's bad value", ["-v", "\xff\x1b[31m", "146"], b"",
             f"varianten är 1 eller 2, inte ”{stray}<1B>[31m”"),
            ("an unknown option", ["-\x1b"], b"", "okänd flagga ”-<1B>”"),
            ("a bad board", ["-r", "J\x07"], b"", "”<07>” är ingen linje"),
            ("a list line", [], b"\x1b[2J146\n", "rad 1: ”<1B>[2J146”: ingen frekvens"),
            ("a stray byte", [], b"146\xff\n", "rad 1: ”146ÿ”: ingen frekvens"),
            ("a BOM mid-line", [], b"146\xef\xbb\xbfx\n", "”146<FEFF>x”"),
            ("a long cell", [], b"Name,Frequency\nA,\x1b\x1b\x1b\x1b\x1b\x1b\x1b\n",
             "”<1B><1B><1B>…” under Frequency")]:
        arguments = [a.encode("latin-1") for a in arguments]
        done = subprocess.run(COMMAND + arguments, input=stdin, capture_output=True, timeout=60)
        text = utf8(done.stderr)
        check(f"a message about {name}: UTF-8, in 79 columns, controls shown",
              done.returncode != 0 and text is not None and wanted in text and not RAW.search(text)
              and all(len(line) <= 79 for line in text.splitlines()), repr(done.stderr))
    return summary()


if __name__ == "__main__":
    sys.exit(main())
