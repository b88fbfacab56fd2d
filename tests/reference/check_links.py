#!/usr/bin/env python3
"""Every link of every reference page leads somewhere.

    check_links.py SOURCE_DIR SITE_DIR

Takes the pages of SOURCE_DIR (the reference folder of the sources) and reads
each as installed in SITE_DIR (the folder beside the executable, which also
holds the generated search index). For every href, src, srcset, poster and
object data it checks that the target file exists inside SITE_DIR and that a
#fragment names an id (or a name) of the target page. Resources must be local:
only <a> and <area> may point to the web. All broken links are listed before
the check fails. A page no other page links to is reported too.
"""

import html.parser
import sys
from pathlib import Path
from urllib.parse import unquote, urlsplit

LINK_ATTRIBUTES = {"href", "src", "poster"}
WEB_SCHEMES = {"http", "https"}
HARMLESS_SCHEMES = {"mailto", "tel", "data", "about"}
NAVIGATING_TAGS = {"a", "area"}


def srcset_urls(value):
    """The addresses of a srcset: each candidate is an address up to white
    space, then descriptors up to a comma. Commas inside an address (as in
    data: URIs) belong to it."""
    urls = []
    at = 0
    while at < len(value):
        while at < len(value) and (value[at].isspace() or value[at] == ","):
            at += 1
        start = at
        while at < len(value) and not value[at].isspace():
            at += 1
        url = value[start:at]
        if url.endswith(","):
            url = url.rstrip(",")
        else:
            while at < len(value) and value[at] != ",":
                at += 1
        if url:
            urls.append(url)
    return urls


class PageScanner(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.links = []  # (line, tag, attribute, value)
        self.anchors = set()

    def handle_starttag(self, tag, attrs):
        line = self.getpos()[0]
        for name, value in attrs:
            if value is None:
                continue
            if name == "id" or (name == "name" and tag == "a"):
                self.anchors.add(value)
            if name in LINK_ATTRIBUTES or (name == "data" and tag == "object"):
                self.links.append((line, tag, name, value.strip()))
            elif name == "srcset":
                for url in srcset_urls(value):
                    self.links.append((line, tag, name, url))

    handle_startendtag = handle_starttag


def scan(path):
    scanner = PageScanner()
    scanner.feed(path.read_text(encoding="utf-8"))
    scanner.close()
    return scanner


def check(source_dir, site_dir):
    site_dir = site_dir.resolve()
    pages = sorted(p.relative_to(source_dir) for p in source_dir.rglob("*.html"))
    scanned = {}

    def scanned_page(path):
        if path not in scanned:
            scanned[path] = scan(path)
        return scanned[path]

    problems = []
    linked = set()
    for relative in pages:
        page = site_dir / relative
        if not page.is_file():
            problems.append(f"{relative}: page is missing from {site_dir}")
            continue
        for line, tag, attribute, value in scanned_page(page).links:
            where = f"{relative}:{line}: <{tag} {attribute}=\"{value}\">"
            parts = urlsplit(value)
            scheme = parts.scheme.lower()
            if scheme in HARMLESS_SCHEMES:
                continue
            if scheme in WEB_SCHEMES or value.startswith("//"):
                if tag not in NAVIGATING_TAGS:
                    problems.append(f"{where}: loads a resource from the web")
                continue
            if scheme:
                problems.append(f"{where}: unknown scheme")
                continue
            if value == "":
                problems.append(f"{where}: empty address")
                continue
            target = (page.parent / unquote(parts.path)).resolve() if parts.path else page
            if site_dir not in target.parents and target != site_dir:
                problems.append(f"{where}: leaves the reference folder")
                continue
            if not target.is_file():
                problems.append(f"{where}: {target.relative_to(site_dir)} does not exist")
                continue
            if target != page:
                linked.add(target)
            fragment = unquote(parts.fragment)
            if fragment and target.suffix == ".html" and fragment not in scanned_page(target).anchors:
                problems.append(f"{where}: no id \"{fragment}\" in {target.relative_to(site_dir)}")
    for relative in pages:
        if relative != Path("index.html") and (site_dir / relative).resolve() not in linked:
            problems.append(f"{relative}: no other page links to it")
    return pages, problems


def main(argv):
    if len(argv) != 3:
        print("usage: check_links.py SOURCE_DIR SITE_DIR", file=sys.stderr)
        return 2
    pages, problems = check(Path(argv[1]), Path(argv[2]))
    if not pages:
        print("no pages found", file=sys.stderr)
        return 1
    for problem in problems:
        print(problem)
    print(f"{len(pages)} pages checked, {len(problems)} broken links")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
