#!/usr/bin/env python3
"""Checks the README's transcripts against the built programs: delartal's
screen, byte for byte with the answers typed at its prompts and its notices
where the terminal shows them, and the output of every '$ delartal-plan ...'
example, also where a 'printf ... |' gives it its input.

Usage: readme_transcripts.py README DELARTAL DELARTAL_PLAN [RUNNER ...].
Prints one line per transcript and a closing 'N passed, M failed'.
"""
import re
import shlex
import subprocess
import sys

readme, delartal, plan = sys.argv[1:4]
runner = sys.argv[4:]
results = []


def check(name, got, expected):
    results.append(got == expected)
    print(("ok     " if got == expected else "FAILED ") + name +
          ("" if got == expected else f": got\n{got!r}\nthe README has\n{expected!r}"))


def output(command, answers=b""):
    """Standard output, and the lines of standard error. A slow runner (wine)
    is given time, and what it says of its own on standard error is let be."""
    done = subprocess.run(runner + command, input=answers, capture_output=True, timeout=300)
    return (done.stdout.replace(b"\r\n", b"\n"),
            done.stderr.replace(b"\r\n", b"\n").splitlines(keepends=True))


with open(readme, encoding="utf-8") as file:
    blocks = re.findall(r"^```\n(.*?)^```$", file.read(), re.S | re.M)

# The operator's answers stand after the prompts, each echoed with its line end;
# the notices, on standard error, stand where the terminal shows them.
screen = blocks[0].encode("iso-8859-1")
notices = re.findall(rb"^Obs: .*\n", screen, re.M)
answers = re.findall(rb"\? (\S+)\n", screen)
out, err = output([delartal], b"".join(answer + b"\n" for answer in answers) + b"\n")
parts = out.split(b"? ")
typed = parts[0]
for answer, part in zip(answers + [None] * len(parts), parts[1:]):
    typed += b"? " + (answer + b"\n" if answer else b"") + part
check("delartal's transcript", typed, re.sub(rb"(?m)^Obs: .*\n", b"", screen))
check("delartal's notices", [line for line in err if line.startswith(b"Obs: ")], notices)

for block in blocks[1:]:
    first, _, rest = block.partition("\n")
    if first.startswith("$ delartal-plan "):
        args = shlex.split(first[len("$ delartal-plan "):])
        check(first, output([plan] + args)[0].decode("utf-8"), rest)
    elif first.startswith("$ printf ") and "| delartal-plan " in first:
        feed, _, args = first[2:].partition("| delartal-plan ")
        lines = subprocess.run(["bash", "-c", feed], capture_output=True, check=True).stdout
        check(first, output([plan] + shlex.split(args), lines)[0].decode("utf-8"), rest)

failed = results.count(False)
print(f"{len(results) - failed} passed, {failed} failed")
sys.exit(1 if failed or len(results) < 2 else 0)
