#!/usr/bin/env python3
"""Packs a folder into a zip that is the same bytes wherever and whenever it
is made: its entries in byte order of their names, each dated
SOURCE_DATE_EPOCH, with the modes 0644 for files and 0755 for folders and
programs, and no owner, so that two builds of one source give one zip.

Usage: pack_zip.py ZIP FOLDER   (the entries are FOLDER's name and below)
"""
import os
import sys
import time
import zipfile


def entry(name, epoch, mode):
    info = zipfile.ZipInfo(name, time.gmtime(max(epoch, 315532800))[:6])  # zip dates start in 1980
    info.create_system = 3  # Unix, so that the modes are read
    info.external_attr = mode << 16
    info.compress_type = zipfile.ZIP_DEFLATED
    return info


def main():
    target, folder = sys.argv[1:3]
    epoch = int(os.environ["SOURCE_DATE_EPOCH"])
    top = os.path.dirname(os.path.abspath(folder))
    paths = []
    for root, folders, files in os.walk(folder):
        paths.append(root)
        paths.extend(os.path.join(root, name) for name in files)
    names = sorted((os.path.relpath(path, top).replace(os.sep, "/"), path) for path in paths)
    with zipfile.ZipFile(target + ".part", "w") as archive:
        for name, path in names:
            if os.path.isdir(path):
                archive.writestr(entry(name + "/", epoch, 0o40755), b"")
                continue
            mode = 0o100755 if os.access(path, os.X_OK) else 0o100644
            with open(path, "rb") as file:
                archive.writestr(entry(name, epoch, mode), file.read(), compresslevel=9)
    os.replace(target + ".part", target)


if __name__ == "__main__":
    main()
