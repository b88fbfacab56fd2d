#!/usr/bin/env python3
"""Every reference page is valid HTML in the house frame.

    check_validity.py [--tidy PATH] PAGES_DIR

Runs HTML Tidy over every page and fails on each error and on each warning
that points to a real fault (unclosed or misnested elements, duplicate ids,
a missing alt...). Tidy predates a few elements and attributes of today's
HTML; those, and nothing else, are let through. Besides, each page must be
UTF-8, start with the HTML5 doctype, be Czech, declare its charset, have a
title and load the search scripts. All faults of all pages are listed.
"""

import argparse
import re
import subprocess
import sys
from pathlib import Path

# Elements and attributes of current HTML that tidy 5.6 does not know yet.
NEW_BLOCK_ELEMENTS = ["search"]
NEW_INLINE_ELEMENTS = ["data"]
NEW_ATTRIBUTES = {
    "autocapitalize", "blocking", "decoding", "enterkeyhint", "fetchpriority", "inert",
    "inputmode", "is", "itemid", "itemprop", "itemref", "itemscope", "itemtype", "loading",
    "nonce", "popover", "popovertarget", "popovertargetaction", "shadowrootmode",
    "shadowrootdelegatesfocus", "shadowrootclonable", "imagesrcset", "imagesizes",
    "playsinline", "referrerpolicy", "srclang", "allow", "allowfullscreen", "autofocus",
    "closedby", "command", "commandfor", "name", "open", "disablepictureinpicture",
    "disableremoteplayback", "writingsuggestions", "elementtiming", "hidden", "translate",
    "spellcheck", "contenteditable", "draggable", "accesskey", "tabindex", "ping",
    "integrity", "crossorigin", "minlength", "sizes", "srcset", "as", "color", "media", "rev",
}
TOLERATED = [
    re.compile(r"<(%s)> is not approved by W3C" % "|".join(NEW_BLOCK_ELEMENTS + NEW_INLINE_ELEMENTS)),
    re.compile(r"trimming empty <\w+>"),
]
PROPRIETARY = re.compile(r'proprietary attribute "([\w-]+)"')
SEARCH_SCRIPTS = ("hledani-index.js", "hledani.js")


def tidy_faults(tidy, page):
    result = subprocess.run(
        [tidy, "-q", "-e", "-utf8", "--new-blocklevel-tags", ",".join(NEW_BLOCK_ELEMENTS),
         "--new-inline-tags", ",".join(NEW_INLINE_ELEMENTS), str(page)],
        capture_output=True, text=True, encoding="utf-8")
    faults = []
    for line in result.stderr.splitlines():
        if " - Error: " not in line and " - Warning: " not in line:
            continue
        if any(pattern.search(line) for pattern in TOLERATED):
            continue
        attribute = PROPRIETARY.search(line)
        if attribute and (attribute.group(1) in NEW_ATTRIBUTES or attribute.group(1).startswith(("aria-", "data-"))):
            continue
        faults.append(line.strip())
    if result.returncode > 1:
        faults.append(f"tidy failed with exit code {result.returncode}")
    return faults


def frame_faults(page, pages_dir):
    try:
        text = page.read_bytes().decode("utf-8")
    except UnicodeDecodeError as error:
        return [f"not UTF-8: {error}"]
    faults = []
    if not text.startswith("<!DOCTYPE html>"):
        faults.append("does not start with <!DOCTYPE html>")
    if '<html lang="cs">' not in text:
        faults.append('has no <html lang="cs">')
    if '<meta charset="utf-8">' not in text:
        faults.append('has no <meta charset="utf-8">')
    title = re.search(r"<title>(.*?)</title>", text, re.S)
    if not title or not title.group(1).strip():
        faults.append("has no title")
    prefix = "../" * (len(page.relative_to(pages_dir).parts) - 1)
    for script in SEARCH_SCRIPTS:
        if f'<script src="{prefix}{script}" defer></script>' not in text:
            faults.append(f"does not load {prefix}{script}")
    if "\ufffd" in text:
        faults.append("contains a replacement character (broken encoding)")
    return faults


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("--tidy", default="tidy")
    parser.add_argument("pages_dir", type=Path)
    args = parser.parse_args(argv[1:])
    pages = sorted(args.pages_dir.rglob("*.html"))
    if not pages:
        print("no pages found", file=sys.stderr)
        return 1
    failed = 0
    for page in pages:
        faults = frame_faults(page, args.pages_dir) + tidy_faults(args.tidy, page)
        if faults:
            failed += 1
            print(f"{page.relative_to(args.pages_dir)}:")
            for fault in faults:
                print(f"  {fault}")
    print(f"{len(pages)} pages checked, {failed} with faults")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
