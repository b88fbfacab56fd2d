#!/usr/bin/env python3
"""The page checks and the index generator on small made-up references, so a
check that stops finding faults fails here rather than passing silently."""

import os
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
sys.path.insert(0, str(HERE.parents[1] / "tools"))

import build_search_index  # noqa: E402
import check_links  # noqa: E402
import check_search_index  # noqa: E402
import check_validity  # noqa: E402


def page(body, prefix="", title="Stránka"):
    return f"""<!DOCTYPE html>
<html lang="cs">
<head>
  <meta charset="utf-8">
  <title>{title}</title>
  <script src="{prefix}hledani-index.js" defer></script>
  <script src="{prefix}hledani.js" defer></script>
</head>
<body>
{body}
</body>
</html>
"""


ELEMENT_PAGE = page("""<article class="doc">
<h1>Element <code>&lt;td&gt;</code> – datová buňka</h1>
<p class="summary">Buňka tabulky s&nbsp;daty.</p>
<table class="attrs"><tbody>
<tr id="atribut-colspan"><th scope="row"><code>colspan</code></th><td>Přes kolik sloupců se buňka roztáhne.</td></tr>
</tbody></table>
<p><a href="../index.html#tabulky">Zpět</a></p>
</article>""", prefix="../")


def write(root, files):
    for name, text in files.items():
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text, encoding="utf-8")


class Reference(unittest.TestCase):
    def setUp(self):
        self._dir = tempfile.TemporaryDirectory()
        self.root = Path(self._dir.name)

    def tearDown(self):
        self._dir.cleanup()


class LinkCheck(Reference):
    def test_lists_every_broken_link_of_every_page(self):
        write(self.root, {
            "index.html": page('<p id="tabulky"><a href="elementy/td.html">td</a> <a href="chybi.html">x</a>'
                               ' <a href="elementy/td.html#atribut-rowspan">y</a>'
                               ' <a href="https://example.com/">web</a></p>'),
            "elementy/td.html": ELEMENT_PAGE.replace(
                "</article>", '<img src="https://example.com/a.png" alt="a"><a href="../../mimo.html">z</a></article>'),
            "sirotek.html": page("<p>Nikdo sem neodkazuje.</p>"),
            "hledani.js": "", "hledani-index.js": "",
        })
        pages, problems = check_links.check(self.root, self.root)
        self.assertEqual(len(pages), 3)
        report = "\n".join(problems)
        self.assertIn("chybi.html does not exist", report)
        self.assertIn('no id "atribut-rowspan" in elementy/td.html', report)
        self.assertIn("loads a resource from the web", report)
        self.assertIn("leaves the reference folder", report)
        self.assertIn("sirotek.html: no other page links to it", report)
        self.assertNotIn("example.com/\"", report, "a link to the web is not a resource")
        self.assertEqual(len(problems), 5, report)

    def test_srcset_addresses_may_hold_commas(self):
        self.assertEqual(check_links.srcset_urls("a.png 1x, b.png 2x"), ["a.png", "b.png"])
        self.assertEqual(check_links.srcset_urls("data:image/svg+xml,%3Csvg%3E 480w,c.png 800w"),
                         ["data:image/svg+xml,%3Csvg%3E", "c.png"])

    def test_a_sound_reference_passes(self):
        write(self.root, {
            "index.html": page('<p id="tabulky"><a href="elementy/td.html#atribut-colspan">td</a>'
                               ' <a href="mailto:?subject=x">mail</a> <a href="#tabulky">nahoru</a></p>'),
            "elementy/td.html": ELEMENT_PAGE,
            "hledani.js": "", "hledani-index.js": "",
        })
        self.assertEqual(check_links.check(self.root, self.root)[1], [])


class Validity(Reference):
    def faults(self, text, name="index.html"):
        write(self.root, {name: text})
        path = self.root / name
        return check_validity.frame_faults(path, self.root) + check_validity.tidy_faults("tidy", path)

    def test_current_elements_and_attributes_pass(self):
        body = ('<search><p popover="auto" inert>Hledat <data value="7">sedm</data></p></search>'
                '<input enterkeyhint="go" inputmode="numeric" aria-label="číslo">')
        self.assertEqual(self.faults(page(body)), [])

    def test_misnesting_duplicate_ids_and_missing_alt_fail(self):
        body = '<p id="a"><span>text</p><p id="a">druhý</p><img src="x.png">'
        report = "\n".join(self.faults(page(body)))
        self.assertIn("missing </span>", report)
        self.assertIn('anchor "a" already defined', report)
        self.assertIn('lacks "alt"', report)

    def test_the_frame_of_a_page_is_checked(self):
        text = page("<p>x</p>", prefix="../").replace('lang="cs"', 'lang="en"')
        report = "\n".join(self.faults(text))
        self.assertIn('has no <html lang="cs">', report)
        self.assertIn("does not load hledani.js", report)
        write(self.root, {"spatne.html": ""})
        (self.root / "spatne.html").write_bytes("<!DOCTYPE html><p>ž</p>".encode("cp1250"))
        self.assertIn("not UTF-8", check_validity.frame_faults(self.root / "spatne.html", self.root)[0])


class SearchIndex(Reference):
    def test_index_holds_elements_attributes_and_topics(self):
        write(self.root, {
            "index.html": page("<p>úvod</p>"),
            "elementy/td.html": ELEMENT_PAGE,
            "globalni-atributy.html": page(
                '<article class="doc"><h1>Globální atributy</h1><p class="summary">Atributy všech elementů.</p>'
                '<h2 id="obecne">Obecné</h2><p>Platí všude.</p><table class="attrs"><tbody>'
                '<tr id="atribut-title"><th scope="row"><code>title</code></th><td>Bublina.</td></tr>'
                '</tbody></table></article>'),
        })
        entries = build_search_index.build_index(self.root)
        by_url = {e["u"]: e for e in entries}
        self.assertEqual(by_url["elementy/td.html"]["k"], "element")
        self.assertEqual(by_url["elementy/td.html"]["n"], "td")
        self.assertEqual(by_url["elementy/td.html"]["t"], "<td> – datová buňka")
        self.assertEqual(by_url["elementy/td.html"]["d"], "Buňka tabulky s\u00a0daty.")
        self.assertIn("sloupcu", by_url["elementy/td.html"]["x"].split(), "folded words of the page")
        colspan = by_url["elementy/td.html#atribut-colspan"]
        self.assertEqual((colspan["k"], colspan["n"]), ("atribut", "colspan"))
        self.assertEqual(colspan["d"], "Přes kolik sloupců se buňka roztáhne.")
        self.assertEqual(by_url["globalni-atributy.html#atribut-title"]["t"], "title – globální atribut")
        self.assertEqual(by_url["globalni-atributy.html#obecne"]["d"], "Platí všude.")
        self.assertNotIn("index.html", by_url)

        output = self.root / "hledani-index.js"
        subprocess.run([sys.executable, str(HERE.parents[1] / "tools" / "build_search_index.py"),
                        str(self.root), str(output)], check=True)
        self.assertEqual(check_search_index.check(self.root, output)[1], [])

        # A page changed after the index was built, with a new attribute, is caught.
        td = self.root / "elementy" / "td.html"
        td.write_text(ELEMENT_PAGE.replace("</tbody>", '<tr id="atribut-rowspan"><th>r</th><td>x</td></tr></tbody>'),
                      encoding="utf-8")
        os.utime(td, (output.stat().st_mtime + 5, output.stat().st_mtime + 5))
        report = "\n".join(check_search_index.check(self.root, output)[1])
        self.assertIn("elementy/td.html#atribut-rowspan: no attribute entry", report)
        self.assertIn("older than the newest page", report)


if __name__ == "__main__":
    unittest.main()
