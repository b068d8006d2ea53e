#!/usr/bin/env python3
"""Puts the page together from web/ and the core's WebAssembly module.

- SITE_DIR: the page's files, its scripts after the module's loader in one
  file, the .wasm, and the service worker with the list of files it keeps
  and a version drawn from their contents; ready for any static web host.
- SINGLE_HTML: the same page as one file, its styles, scripts and module
  (the loader with the .wasm inside) inlined, its Content-Security-Policy
  naming each inline script by its hash and letting the loader fetch the
  module from its data: URL, to open straight from disk.

Usage: bundle_page.py WEB_DIR CORE_JS CORE_WASM CORE_SINGLE_JS SITE_DIR SINGLE_HTML
"""
import base64
import hashlib
import os
import re
import shutil
import sys

# Copied to the site as they are.
PAGE_FILES = ["styles.css", "manifest.webmanifest", "icon-192.png", "icon-512.png"]
CORE_JS = "delartal-core.js"
SITE_SCRIPT = "delartal-page.js"


def read(path, mode="r"):
    with open(path, mode, **({} if "b" in mode else {"encoding": "utf-8"})) as file:
        return file.read()


def write(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as file:
        file.write(text)


def page_scripts(web):
    """The page's own scripts, in the order index.html loads them after the
    core's; index.html is the one list of them."""
    names = re.findall(r'<script src="([^"]+)" defer></script>', read(os.path.join(web, "index.html")))
    if not names or names[0] != CORE_JS:
        sys.exit(f"bundle_page: index.html must load {CORE_JS} first")
    return names[1:]


def build_site(web, core_js, core_wasm, site):
    # Only this build's files: the folder is copied whole into the web zip.
    shutil.rmtree(site, ignore_errors=True)
    os.makedirs(site)
    for name in PAGE_FILES:
        shutil.copyfile(os.path.join(web, name), os.path.join(site, name))
    shutil.copyfile(core_wasm, os.path.join(site, "delartal-core.wasm"))
    # One request for the scripts rather than ten: the loader and the page's
    # scripts in index.html's order in one file, strict from its first line
    # as each of the page's scripts is on its own.
    scripts = [read(core_js)] + [read(os.path.join(web, name)) for name in page_scripts(web)]
    write(os.path.join(site, SITE_SCRIPT),
          "'use strict';\n" + "".join(code.rstrip("\n") + "\n" for code in scripts))
    page, count = re.subn(r'(<script src="[^"]+" defer></script>\n)+',
                          f'<script src="{SITE_SCRIPT}" defer></script>\n',
                          read(os.path.join(web, "index.html")))
    if count != 1:
        sys.exit("bundle_page: index.html's scripts must stand together")
    write(os.path.join(site, "index.html"), page)
    files = ["index.html", *PAGE_FILES, SITE_SCRIPT, "delartal-core.wasm"]
    digest = hashlib.sha256()
    for name in files:
        digest.update(read(os.path.join(site, name), "rb"))
    worker = read(os.path.join(web, "sw.js"))
    worker = worker.replace("@SITE_VERSION@", digest.hexdigest()[:16])
    worker = worker.replace("@SITE_FILES@", ", ".join(f"'./{name}'" for name in ["", *files]))
    write(os.path.join(site, "sw.js"), worker)


def script_hash(code):
    return "'sha256-" + base64.b64encode(hashlib.sha256(code.encode()).digest()).decode() + "'"


def build_single(web, core_single_js, single_html):
    page = read(os.path.join(web, "index.html"))
    scripts = [read(core_single_js)] + [read(os.path.join(web, name)) for name in page_scripts(web)]
    for code in scripts:
        if "</script" in code.lower():
            sys.exit("bundle_page: a script holds </script and cannot be inlined")
    page = page.replace('<link rel="stylesheet" href="styles.css">',
                        "<style>\n" + read(os.path.join(web, "styles.css")) + "</style>")
    icon = base64.b64encode(read(os.path.join(web, "icon-192.png"), "rb")).decode()
    page = page.replace('<link rel="icon" href="icon-192.png" type="image/png" sizes="192x192">',
                        f'<link rel="icon" href="data:image/png;base64,{icon}" sizes="192x192">')
    page = re.sub(r'<link rel="(manifest|apple-touch-icon|preload)"[^>]*>\n', "", page)
    page = re.sub(r'<script src="[^"]+" defer></script>\n', "", page)
    page = page.replace("</body>", "".join(f"<script>{code}</script>\n" for code in scripts) +
                        "</body>")
    hashes = " ".join(script_hash(code) for code in scripts)
    page, count = re.subn(r"script-src 'self'", f"script-src {hashes}", page)
    if count != 1:
        sys.exit("bundle_page: index.html's Content-Security-Policy has no script-src 'self'")
    # The loader fetches the module from the data: URL it carries inline.
    page, count = re.subn(r"connect-src 'self'", "connect-src 'self' data:", page)
    if count != 1:
        sys.exit("bundle_page: index.html's Content-Security-Policy has no connect-src 'self'")
    write(single_html, page)


def main():
    web, core_js, core_wasm, core_single_js, site, single_html = sys.argv[1:7]
    build_site(web, core_js, core_wasm, site)
    build_single(web, core_single_js, single_html)


if __name__ == "__main__":
    main()
