#!/usr/bin/env python3
"""The generated search index covers the whole reference and nothing stale.

    check_search_index.py SOURCE_DIR INDEX.js

Every element page has its element entry, every attribute row (an anchor
id="atribut-NAME") of every page has its attribute entry under that name,
every topic page has its page entry, and every address in the index leads to
an existing page and anchor. Also, the index is no older than any page.
"""

import json
import re
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from check_links import scan  # noqa: E402

PREFIX = "window.TagovnikHledani = "


def load_index(path):
    text = path.read_text(encoding="utf-8")
    start = text.index(PREFIX) + len(PREFIX)
    return json.loads(text[start:].rstrip().rstrip(";"))


def check(source_dir, index_path):
    entries = load_index(index_path)
    problems = []
    by_address = {}
    for entry in entries:
        missing = [key for key in ("k", "n", "t", "d", "u") if key not in entry]
        if missing:
            problems.append(f"entry {entry} lacks {', '.join(missing)}")
            continue
        by_address.setdefault(entry["u"], []).append(entry)

    pages = sorted(p.relative_to(source_dir).as_posix() for p in source_dir.rglob("*.html"))
    for page in pages:
        if page == "index.html":
            continue
        kind = "element" if page.startswith("elementy/") else "stranka"
        if not any(e["k"] == kind for e in by_address.get(page, [])):
            problems.append(f"{page}: no {kind} entry")
        elif kind == "element" and not any(e["d"] for e in by_address[page]):
            problems.append(f"{page}: element entry without a description")
        for anchor in sorted(scan(source_dir / page).anchors):
            match = re.fullmatch(r"atribut-(.+)", anchor)
            if not match:
                continue
            found = by_address.get(f"{page}#{anchor}", [])
            if not any(e["k"] == "atribut" and e["n"] == match.group(1) for e in found):
                problems.append(f"{page}#{anchor}: no attribute entry")

    for address in by_address:
        page, _, anchor = address.partition("#")
        path = source_dir / page
        if not path.is_file():
            problems.append(f"index entry {address}: page does not exist")
        elif anchor and anchor not in scan(path).anchors:
            problems.append(f"index entry {address}: anchor does not exist")

    newest = max((source_dir / page).stat().st_mtime for page in pages)
    if index_path.stat().st_mtime < newest:
        problems.append(f"{index_path.name} is older than the newest page: the build did not regenerate it")
    return len(entries), problems


def main(argv):
    if len(argv) != 3:
        print("usage: check_search_index.py SOURCE_DIR INDEX.js", file=sys.stderr)
        return 2
    count, problems = check(Path(argv[1]), Path(argv[2]))
    for problem in problems:
        print(problem)
    print(f"{count} index entries, {len(problems)} problems")
    return 1 if problems or count == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
