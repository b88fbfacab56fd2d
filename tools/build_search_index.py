#!/usr/bin/env python3
"""Builds the search index of the reference pages.

    build_search_index.py REFERENCE_DIR OUTPUT.js

Reads every page of the reference (the topic pages beside index.html and the
element pages in elementy/) and writes one script that sets
window.TagovnikHledani to a list of entries, one per element, attribute,
topic page and topic section:

    k  kind: "element", "atribut", "entita", "stranka" or "oddil"
    n  name the search matches exactly ("table", "colspan", "nbsp")
    t  title shown in the result list
    d  description shown under the title
    u  address relative to the reference folder, with its #anchor
    x  further words of the page (folded, each once) for searching only

The pages open from file://, where a page may not fetch JSON, hence a script.
"""

import html.parser
import json
import re
import sys
import unicodedata
from pathlib import Path

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta",
        "source", "track", "wbr"}


class Node:
    def __init__(self, tag, attrs, parent):
        self.tag = tag
        self.attrs = dict(attrs)
        self.parent = parent
        self.children = []

    def classes(self):
        return self.attrs.get("class", "").split()

    def text(self):
        parts = []
        for child in self.children:
            parts.append(child if isinstance(child, str) else child.text())
        return "".join(parts)

    def clean_text(self):
        # Non-breaking spaces stay: they keep "s\u00a0daty" together in the result list too.
        return re.sub(r"[ \t\r\n\f]+", " ", self.text()).strip()

    def walk(self):
        for child in self.children:
            if isinstance(child, Node):
                yield child
                yield from child.walk()

    def find_all(self, tag, cls=None):
        return [n for n in self.walk() if n.tag == tag and (cls is None or cls in n.classes())]

    def find(self, tag, cls=None):
        found = self.find_all(tag, cls)
        return found[0] if found else None

    def element_children(self):
        return [c for c in self.children if isinstance(c, Node)]


class TreeBuilder(html.parser.HTMLParser):
    """A small document tree; the pages are well formed, so closing tags are
    matched to the nearest open element of the same name."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.root = Node("#document", {}, None)
        self.current = self.root

    def handle_starttag(self, tag, attrs):
        node = Node(tag, attrs, self.current)
        self.current.children.append(node)
        if tag not in VOID:
            self.current = node

    def handle_startendtag(self, tag, attrs):
        self.current.children.append(Node(tag, attrs, self.current))

    def handle_endtag(self, tag):
        node = self.current
        while node is not None and node.tag != tag:
            node = node.parent
        if node is not None and node.parent is not None:
            self.current = node.parent

    def handle_data(self, data):
        self.current.children.append(data)


def parse(path):
    builder = TreeBuilder()
    builder.feed(path.read_text(encoding="utf-8"))
    builder.close()
    return builder.root


def fold(text):
    decomposed = unicodedata.normalize("NFD", text)
    return "".join(c for c in decomposed if not unicodedata.combining(c)).lower()


def words(text):
    return [w for w in re.split(r"[^a-z0-9\-]+", fold(text)) if w]


def extra_words(article, shown):
    """The page's own words for full-text search, without those already shown."""
    seen = set(words(shown))
    extra = []
    for word in words(article.text() if article is not None else ""):
        if len(word) >= 3 and word not in seen:
            seen.add(word)
            extra.append(word)
    return " ".join(extra)


def first_paragraph_after(heading):
    siblings = heading.parent.element_children()
    for node in siblings[siblings.index(heading) + 1:]:
        if node.tag in ("h2", "h3"):
            break
        if node.tag == "p":
            return node.clean_text()
    return ""


def row_entries(article, page_url, kind_for, title_for):
    """One entry per table row that carries an anchor id: attributes and the like."""
    entries = []
    for row in article.find_all("tr"):
        row_id = row.attrs.get("id", "")
        prefix, _, name = row_id.partition("-")
        kind = kind_for.get(prefix)
        if not kind or not name:
            continue
        cell = row.find("td")
        entries.append({
            "k": kind,
            "n": name,
            "t": title_for(kind, name),
            "d": cell.clean_text() if cell is not None else "",
            "u": f"{page_url}#{row_id}",
        })
    return entries


def element_names(page):
    if page.stem == "h1-h6":
        return [f"h{level}" for level in range(1, 7)]
    return [page.stem]


def element_page_entries(path, url):
    doc = parse(path)
    article = doc.find("article", "doc") or doc
    names = element_names(path)
    heading = article.find("h1")
    title = heading.clean_text() if heading is not None else f"<{names[0]}>"
    title = re.sub(r"^Element\s+", "", title)
    summary = article.find("p", "summary")
    description = summary.clean_text() if summary is not None else ""
    main_tag = "<" + names[0] + ">"
    entries = [{
        "k": "element",
        "n": " ".join(names),
        "t": title,
        "d": description,
        "u": url,
        "x": extra_words(article, title + " " + description),
    }]

    def title_for(kind, name):
        return f"{name} – atribut elementu {main_tag}"

    entries += row_entries(article, url, {"atribut": "atribut"}, title_for)
    return entries


TOPIC_ROW_KINDS = {"atribut": "atribut", "element": "element", "entita": "entita"}


def topic_page_entries(path, url):
    doc = parse(path)
    article = doc.find("article", "doc") or doc
    heading = article.find("h1")
    title = heading.clean_text() if heading is not None else path.stem
    summary = article.find("p", "summary") or article.find("p")
    description = summary.clean_text() if summary is not None else ""
    entries = [{
        "k": "stranka",
        "n": title,
        "t": title,
        "d": description,
        "u": url,
        "x": extra_words(article, title + " " + description),
    }]
    for section in article.find_all("h2"):
        if section.attrs.get("id"):
            name = section.clean_text()
            entries.append({
                "k": "oddil",
                "n": name,
                "t": f"{name} – {title}",
                "d": first_paragraph_after(section),
                "u": f"{url}#{section.attrs['id']}",
            })

    def title_for(kind, name):
        if kind == "atribut":
            return f"{name} – globální atribut" if path.name == "globalni-atributy.html" else f"{name} – {title}"
        if kind == "element":
            return f"<{name}> – zastaralý element"
        return f"&{name}; – znaková entita"

    entries += row_entries(article, url, TOPIC_ROW_KINDS, title_for)
    return entries


def build_index(reference):
    entries = []
    for path in sorted(reference.glob("*.html")):
        if path.name != "index.html":
            entries += topic_page_entries(path, path.name)
    for path in sorted((reference / "elementy").glob("*.html")):
        entries += element_page_entries(path, f"elementy/{path.name}")
    return entries


def render(entries):
    lines = [json.dumps(entry, ensure_ascii=False, separators=(",", ":")) for entry in entries]
    return ("// Generated from the reference pages at build time; do not edit.\n"
            "window.TagovnikHledani = [\n" + ",\n".join(lines) + "\n];\n")


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    reference, output = Path(argv[1]), Path(argv[2])
    output.write_text(render(build_index(reference)), encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
