#!/usr/bin/env python3
"""Gives the members of a .deb, an ar archive, the headers a build on any
machine gives them: dated SOURCE_DATE_EPOCH, owned by 0:0, mode 100644.
cpack writes each member with the mode its temporary file got under the
build's umask; every other byte of the package is left as it is.

Usage: deb_members.py PACKAGE.deb
"""
import os
import sys

MAGIC = b"!<arch>\n"
HEADER = 60  # name 16, date 12, owner 6, group 6, mode 8, size 10, end 2


def main():
    path = sys.argv[1]
    epoch = int(os.environ["SOURCE_DATE_EPOCH"])
    with open(path, "rb") as file:
        data = bytearray(file.read())
    if not data.startswith(MAGIC):
        sys.exit(f"deb_members: {path} is no ar archive")
    at = len(MAGIC)
    while at + HEADER <= len(data):
        if data[at + 58:at + 60] != b"`\n":
            sys.exit(f"deb_members: {path}: a broken member header at {at}")
        size = int(data[at + 48:at + 58])
        fields = f"{epoch:<12}{0:<6}{0:<6}{'100644':<8}".encode()
        data[at + 16:at + 48] = fields
        at += HEADER + size + size % 2
    with open(path + ".part", "wb") as file:
        file.write(data)
    os.replace(path + ".part", path)


if __name__ == "__main__":
    main()
