#!/usr/bin/env python3
"""The report page printed: generated frames reported by toval-tools and
printed to PDF by headless Chromium, the PDF read back with poppler.

- A tall frame with more than 300 rows of bars in bending (its tables
  folded on screen): every combined bar end force of the run is in the
  text of the PDF, row by row as the bending tables show it.
- On every page the last line is no table caption, header row or heading,
  nor a section's opening paragraph; a table that runs over pages is named
  by its caption above its header on each of them.
- A long narrow table prints in columns side by side, its rows read down
  one column and on into the next, each column under the table's caption
  and header.
- The picture's smallest text is at least 2 mm high on paper, measured on
  the PDF's own words; the picture takes the printable width, stands
  whole on one page with its legend and speaks the page's language.
- A frame beyond the packed threshold prints each table as its note,
  which names the export table and command.

Exit status 77 (skipped) when Chromium or poppler is missing or the tests
run the Windows build."""
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import html5lib

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from check_tally import Tally  # noqa: E402

TOOLS, WRITER = sys.argv[1], sys.argv[2]
CHROMIUM = "/usr/bin/chromium"
ENV = dict(os.environ, SOURCE_DATE_EPOCH="1765000000")
MM = 72 / 25.4  # points per millimetre
# The page's numbers are printed at 8 pt in the picture's face (the page
# style's margin box): their word boxes give the face's height per point.
PAGE_NUMBER_PT = 8.0

if os.environ.get("TOVAL_TEST_WINE_BUILD") or not os.path.exists(CHROMIUM) or not shutil.which("pdftotext"):
    print("browser checks skipped")
    sys.exit(77)

check = Tally()


def run(*args, cwd=None):
    done = subprocess.run(list(args), cwd=cwd, capture_output=True, env=ENV, timeout=600, check=False)
    check(done.returncode == 0, f"{args[:3]}: {done.returncode} {done.stderr[:300]!r}")
    return done.stdout


def frame(work, name, bays, storeys, combinations):
    folder = os.path.join(work, name)
    os.makedirs(folder)
    run(WRITER, folder, str(bays), str(storeys), str(combinations))
    return folder


def printed(folder, *options):
    page = os.path.join(folder, "page.html")
    run(TOOLS, "report", "-o", page, *options, "FRAME.CMB", "FRAME.ESF", cwd=folder)
    pdf = os.path.join(folder, "page.pdf")
    run(CHROMIUM, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
        "--disable-background-networking", "--disable-component-update", "--disable-sync",
        f"--user-data-dir={os.path.join(folder, 'profile')}", "--no-pdf-header-footer", f"--print-to-pdf={pdf}",
        "file://" + page)
    with open(page, "rb") as f:
        return f.read(), pdf


def page_texts(pdf):
    count = int(re.search(r"Pages:\s+(\d+)", run("pdfinfo", pdf).decode()).group(1))
    return [run("pdftotext", "-layout", "-f", str(p), "-l", str(p), pdf, "-").decode() for p in range(1, count + 1)]


def word_pages(pdf):
    """Per page: its height and its words as (text, xMin, yMin, xMax, yMax)."""
    root = ET.fromstring(run("pdftotext", "-bbox", pdf, "-"))
    ns = "{http://www.w3.org/1999/xhtml}"
    pages = []
    for page in root.iter(ns + "page"):
        words = [(w.text or "", *(float(w.get(k)) for k in ("xMin", "yMin", "xMax", "yMax")))
                 for w in page.iter(ns + "word")]
        pages.append((float(page.get("height")), words))
    return pages


def shown(text):
    """A real of the export as the page shows it: its 32-bit value to three
    decimals, without the sign of a zero."""
    value = struct.unpack("f", struct.pack("f", float(text)))[0]
    out = "%.3f" % value
    return out[1:] if out == "-0.000" else out


def every_bar_force_printed(document, pages):
    forces = document["bar_forces"]
    check(len(forces) > 300 and all(f["bending"] for f in forces),
          f"every one of {len(forces)} bar forces is in bending, more than 300")
    # A line holds a row of each column a table prints in.
    lines = set()
    for text in pages:
        for line in text.splitlines():
            words = line.split()
            lines.update(tuple(words[k:k + 7]) for k in range(len(words)))
    missing = [(f["combination"], f["bar"]) for f in forces
               if (str(f["bar"]), shown(f["N"]), shown(f["V"][0]), shown(f["M"][0]), shown(f["N"]),
                   shown(f["V"][1]), shown(f["M"][1])) not in lines]
    check(not missing, f"{len(missing)} bar forces not printed, the first {missing[:5]}")


def squeezed(text):
    return re.sub(r"\s+", "", text)


def repeated(line, heads):
    """The line is one of the heads, once or side by side in columns."""
    return any(h and len(line) % len(h) == 0 and line == h * (len(line) // len(h)) for h in heads)


def no_header_at_a_foot(page, pages):
    tree = html5lib.HTMLParser(namespaceHTMLElements=False).parse(page)
    heads = set()
    for element in tree.iter():
        if element.tag in ("caption", "h2"):
            heads.add(squeezed("".join(element.itertext())))
        if element.tag == "thead":
            for tr in element.findall("tr"):
                heads.add(squeezed("".join("".join(th.itertext()) for th in tr.findall("th"))))
    # A section's opening paragraph belongs with the table it introduces.
    intros = []
    for parent in tree.iter():
        children = list(parent)
        for a, b in zip(children, children[1:]):
            if a.tag == "h2" and b.tag == "p":
                intros.append(squeezed("".join(b.itertext())))
    check(len(heads) > 10, f"{len(heads)} captions, headers and headings")
    for number, text in enumerate(pages, 1):
        lines = [l for l in text.splitlines() if l.strip() and not re.fullmatch(r"\s*\d+ ?/ ?\d+\s*", l)]
        check(lines and not repeated(squeezed(lines[-1]), heads), f"page {number} ends with {lines[-1:]!r}")
        check(lines and not any(i.endswith(squeezed(lines[-1])) for i in intros),
              f"page {number} ends with a section's opening paragraph {lines[-1:]!r}")


def every_page_names_its_table(pages, header, caption):
    """A table running over pages: on every page (in every column) its
    header row is under its caption, which names the combination."""
    seen = 0
    for number, text in enumerate(pages, 1):
        lines = [squeezed(l) for l in text.splitlines() if l.strip()]
        for k, line in enumerate(lines):
            if repeated(line, [squeezed(header)]):
                seen += len(line) // len(squeezed(header))
                check(k > 0 and re.fullmatch("(" + re.escape(squeezed(caption)) + r"\d+)+", lines[k - 1]),
                      f"page {number}: the header {header!r} under {lines[k - 1:k]!r}")
    check(seen > 10, f"{seen} headers of {caption!r} printed")


def table_rows(page, table_id):
    tree = html5lib.HTMLParser(namespaceHTMLElements=False).parse(page)
    table = next(t for t in tree.iter("table") if t.get("id") == table_id)
    return [tuple("".join(c.itertext()).strip() for c in tr) for tbody in table.findall("tbody")
            for tr in tbody.findall("tr")]


def flows_in_columns(page, pdf, table_id, heading, caption_word):
    """The table's rows, found by their words on the PDF's lines: each
    printed once, in more than one column on some page, read down each
    column and on into the next (the right edge of the row's first cell
    tells the column), every column under the caption and the header."""
    rows = table_rows(page, table_id)
    width = len(rows[0])
    found = {}
    for number, (height, words) in enumerate(word_pages(pdf)):
        lines = {}
        for w in words:
            key = next((y for y in lines if abs(y - w[2]) < 2), w[2])
            lines.setdefault(key, []).append(w)
        for y, line in lines.items():
            line.sort(key=lambda w: w[1])
            texts = tuple(w[0] for w in line)
            for k in range(len(line) - width + 1):
                found.setdefault(texts[k:k + width], []).append((number, line[k][3], y))
    places = [found.get(row, []) for row in rows]
    check(all(len(p) == 1 for p in places),
          f"{table_id}: rows printed other than once: {[r for r, p in zip(rows, places) if len(p) != 1][:3]}")
    places = [p[0] for p in places if p]
    columns = {}
    for page_number, x, y in places:
        column = next((c for c in columns.get(page_number, []) if abs(c - x) < 20), x)
        columns.setdefault(page_number, set()).add(column)
    check(max((len(c) for c in columns.values()), default=0) > 1, f"{table_id} prints in one column")
    for a, b in zip(places, places[1:]):
        next_column = b[0] == a[0] and b[1] > a[1] + 20
        down = b[0] == a[0] and abs(b[1] - a[1]) < 20 and b[2] > a[2]
        check(b[0] > a[0] or next_column or down, f"{table_id}: a row at {b} read after the one at {a}")
    words = word_pages(pdf)
    for page_number, xs in columns.items():
        top = min(y for p, x, y in places if p == page_number)
        for x in xs:
            left = max((c for c in xs if c < x), default=0)
            above = [w for w in words[page_number][1] if w[4] <= top + 1 and left < w[1] < x]
            check(any(w[0] == heading for w in above) and any(w[0] == caption_word for w in above),
                  f"{table_id}: page {page_number + 1}, the column ending at {x:.0f} has no header")


def picture_in_print(pdf, heading, caption, first_row, last_row, title):
    """The picture's words: those between its heading and its caption, which
    stand on one page."""
    k = None
    for height, words in word_pages(pdf):
        numbers = [w for w in words if w[2] > height - 14 * MM and re.fullmatch(r"\d+|/", w[0])]
        if numbers and k is None:
            k = min(w[4] - w[2] for w in numbers) / PAGE_NUMBER_PT
        texts = [w[0] for w in words]
        starts = [i for i in range(len(words)) if texts[i:i + len(caption)] == caption]
        if not starts:
            continue
        bottom = words[starts[0]][2]
        top = max((w[4] for w in words if w[0] == heading and w[4] < bottom), default=None)
        check(top is not None, f"the heading {heading} on the caption's page")
        picture = [w for w in words if top is not None and top < w[2] and w[4] < bottom]
        check(len(picture) > 50, f"{len(picture)} words in the picture")
        smallest = min(w[4] - w[2] for w in picture) / k / MM
        print(f"smallest text of the picture: {smallest:.2f} mm")
        check(smallest >= 2.0, f"the picture's smallest text is {smallest:.2f} mm")
        texts = [w[0] for w in picture]
        for row in (first_row, last_row):
            check(any(texts[i:i + len(row)] == row for i in range(len(texts))), f"the legend shows {row}")
        # The picture's title stands 20 of its 1000 units from its left
        # edge: at the printable width that is 5.5 mm into the 10 mm margin.
        left = next((w[1] for w in picture if w[0] == title), None)
        check(left is not None and abs(left - (10 + 5.54) * MM) < 1.5, f"the picture's title starts at {left}")
        return
    check(False, f"no page shows the picture's caption {caption!r}")


with tempfile.TemporaryDirectory() as work:
    tall = frame(work, "tall", 2, 12, 6)
    page, pdf = printed(tall)
    # The bending tables (every node's displacements fold by their own count).
    bending = page[page.find(b'id="bars-in-bending"'):]
    check(b"<details>" in bending and b"<details open>" not in bending, "the tall frame's tables are folded")
    pages = page_texts(pdf)
    document = json.loads(run(TOOLS, "export", "FRAME.CMB", "FRAME.ESF", cwd=tall))
    every_bar_force_printed(document, pages)
    no_header_at_a_foot(page, pages)
    every_page_names_its_table(pages, "BARRA Ni Vi Mi Nf Vf Mf L / P",
                               "ESFORCOS NORMAL CORTANTE FLETOR: ELEMENTOS BARRA-CHAPA - COMBINACAO ")
    for table_id in ("bar_forces-1", "bar_forces-6"):
        flows_in_columns(page, pdf, table_id, "BARRA", "ESFORCOS")
    picture_in_print(pdf, "PORTICO", ["O", "pórtico", "em", "escala,"], ["tração"], ["apoio:", "engaste"], "esforço")

    wide = frame(work, "wide", 12, 2, 4)
    page, pdf = printed(wide, "--lang", "en")
    no_header_at_a_foot(page, page_texts(pdf))
    picture_in_print(pdf, "FRAME", ["The", "frame", "to", "scale,"], ["tension"], ["support:", "fixed"], "normal")

    # 500 bars in 41 combinations: 20,500 rows, packed.
    packed = frame(work, "packed", 12, 20, 41)
    page, pdf = printed(packed, "--lang", "en")
    printed_page = page
    check(page.count(b'class="packed-rows"') == 41, "every table packed")
    text = squeezed(" ".join(page_texts(pdf)))
    for I in (1, 41):
        check(squeezed(f"they are the rows of combination {I} marked in bending in the bar_forces table of the "
                       "export, toval-tools export --format csv --table bar_forces") in text,
              f"the note of combination {I} printed")
    check(squeezed("BAR Ni Vi Mi Nf Vf Mf") not in text, "no packed table's header printed")

    # 273 nodes in 80 combinations: 21,840 rows of node displacements, more
    # than the page takes; the page points to the export's table instead.
    many = frame(work, "many-nodes", 12, 20, 80)
    page = os.path.join(many, "page.html")
    run(TOOLS, "report", "-o", page, "--lang", "en", "FRAME.CMB", "FRAME.ESF", cwd=many)
    with open(page, "rb") as f:
        html = f.read()
    check(b'id="combined_node_displacements-' not in html, "no table of a combination's node displacements")
    check(b"(21840 rows) are too many for the page: they are in the combined_node_displacements table" in html,
          "the note points to the export's table")
    check(b'id="combined_node_displacements-' in printed_page, "the packed frame's node tables are on its page")

check.finish()
