#!/usr/bin/env python3
"""The report page read by other programs: a strict HTML5 parser for the
example in both languages and for a frame with warnings and a missing case;
then, in headless Chromium, the page's DOM compared value by value with the
export's JSON, and the page printed to PDF: A4 pages, no table past the
page's width, the values present. The first printed page is kept as a
picture beside the PDF (the guide's picture is a copy of it).

A page with sets, from the example rules file and the test portal's
forces file (written by the program given as fourth argument): parsed
strictly and opened in Chromium, its set sections come ultimate first, the
picture draws the ultimate envelope, and every governing combination's
number has its name, as a title and in the legend of the printed page.

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

import html5lib

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from check_tally import Tally  # noqa: E402

TOOLS, SOURCE, OUT, PORTAL_FORCES = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]
EXAMPLES = os.path.join(SOURCE, "examples")
MISSING = os.path.join(SOURCE, "tests", "tools", "data", "check_missing_fimc", "in")
CHROMIUM = "/usr/bin/chromium"
ENV = dict(os.environ, SOURCE_DATE_EPOCH="1765000000")
check = Tally()


def tools(cwd, *args):
    run = subprocess.run([TOOLS, *args, "GALPAO.CMB", "GALPAO.ESF"], cwd=cwd, capture_output=True, env=ENV,
                         check=False)
    check(run.returncode == 0 and run.stderr == b"", f"{args} ran: {run.returncode} {run.stderr!r}")
    return run.stdout


def parse_strictly(page, what):
    try:
        return html5lib.HTMLParser(strict=True, namespaceHTMLElements=False).parse(page)
    except html5lib.html5parser.ParseError as e:
        check(False, f"{what}: not strict HTML5: {e}")
        return None


def as_real(text):
    return struct.unpack("f", struct.pack("f", float(text)))[0]


def cells_by_field(table):
    """The rows of a table as lists of (field, cell), fields from the header
    cells of the last header row and those spanning both."""
    head = table.find("thead")
    # The caption's row, printed in place of the caption, names no field.
    rows = [tr for tr in head.findall("tr") if tr.get("class") != "caption-row"]
    fields = []
    below = iter(rows[1].findall("th")) if len(rows) > 1 else iter(())
    for th in rows[0].findall("th"):
        if th.get("scope") == "colgroup":
            fields += [next(below).get("data-field") for _ in range(int(th.get("colspan")))]
        else:
            fields.append(th.get("data-field"))
    out = []
    for body in table.findall("tbody"):
        for tr in body.findall("tr"):
            out.append(list(zip(fields, tr)))
    return out


# The export's document with every real as its JSON text.
document = json.loads(tools(EXAMPLES, "export"), parse_float=str)

SETS = ["uls", "sls_characteristic", "sls_frequent", "sls_quasi_permanent"]
SET_LABELS = {"uls": "ULS", "sls_characteristic": "SLS CHARACTERISTIC", "sls_frequent": "SLS FREQUENT",
              "sls_quasi_permanent": "SLS QUASI-PERMANENT"}
portal = tempfile.mkdtemp()
shutil.copy(os.path.join(EXAMPLES, "portal-rules.toml"), portal)
with open(os.path.join(portal, "P.ESF"), "wb") as f:
    f.write(subprocess.run([PORTAL_FORCES], capture_output=True, check=True).stdout)


def portal_tools(*args):
    run = subprocess.run([TOOLS, *args, "portal-rules.toml", "P.ESF"], cwd=portal, capture_output=True, env=ENV,
                         check=False)
    check(run.returncode == 0 and run.stderr == b"", f"portal {args} ran: {run.returncode} {run.stderr!r}")
    return run.stdout


portal_document = json.loads(portal_tools("export"))
pages = {"pt": tools(EXAMPLES, "report", "--office", "ESCRITORIO MODELO DE ENGENHARIA"),
         "en": tools(EXAMPLES, "report", "--lang", "en"),
         "missing": tools(MISSING, "report"),
         "sets": portal_tools("report", "--lang", "en")}
shutil.rmtree(portal)
for name, page in pages.items():
    tree = parse_strictly(page, name)
    if tree is None:
        continue
    check(tree.get("lang") == ("en" if name in ("en", "sets") else "pt"), f"{name}: lang {tree.get('lang')}")
    for table in tree.iter("table"):
        check(table.find("caption") is not None, f"{name}: table {table.get('id')} has a caption")
        for th in table.iter("th"):
            check(th.get("scope") in ("col", "colgroup", "row"), f"{name}: a header cell without scope")
    text = page.decode("utf-8")
    for outside in (" src=", " href=", "url(", "<link", "@import", "<script"):
        check(outside not in text, f"{name}: loads something ({outside})")
sets_tree = parse_strictly(pages["sets"], "sets")
missing_tree = parse_strictly(pages["missing"], "missing")
if missing_tree is not None:
    box = missing_tree.find(".//section[@id='input-warnings']")
    check(box is not None and len(box.findall(".//li")) == 3, "missing: the box lists the three warnings")



def all_text(element):
    return "".join(element.itertext()) if element is not None else ""


def check_sets(tree, what):
    """The page of the portal with sets: sections per set in the sets'
    order, the picture of the ultimate envelope, every governing number
    named as the export names it, in its title and in the legend."""
    names = {c["combination"]: c["name"] for c in portal_document["combinations"]}
    sections = [s.get("id") for s in tree.iter("section") if (s.get("id") or "").startswith("set-")]
    check(sections == ["set-" + k for k in SETS], f"{what}: set sections {sections}")
    picture = tree.find(".//section[@id='frame-picture']")
    caption = all_text(picture.find(".//figcaption")) if picture is not None else ""
    check("ULS - ULTIMATE LIMIT STATES" in caption, f"{what}: the caption names the set: {caption}")
    check("envelope of the ultimate set (uls), 32 of 48 combinations" in all_text(picture),
          f"{what}: the picture's title names the set")
    legend = tree.find(".//table[@id='governing_combinations']")
    check(legend is not None, f"{what}: a legend of the governing combinations")
    listed = {}
    for row in cells_by_field(legend) if legend is not None else []:
        cells = dict(row)
        listed[int(cells["combination"].text)] = (cells["set"].text, cells["name"].text)
    governing = set()
    for table in tree.iter("table"):
        for row in cells_by_field(table) if table is not legend else []:
            for field, cell in row:
                if (field or "").endswith("_combination") or field in ("max_combination", "min_combination"):
                    I = int(cell.text)
                    governing.add(I)
                    check(cell.get("title") == names[I], f"{what}: {table.get('id')} {field} {I}: {cell.get('title')}")
    check(len(governing) >= 8, f"{what}: {len(governing)} governing combinations")
    check(sorted(listed) == sorted(governing), f"{what}: the legend lists {sorted(listed)} of {sorted(governing)}")
    for I, (set_label, name) in listed.items():
        entry = portal_document["combinations"][I - 1]
        check(name == names[I] and set_label == SET_LABELS[entry["set"]], f"{what}: legend row {I}")


if sets_tree is not None:
    check_sets(sets_tree, "sets")

if os.environ.get("TOVAL_TEST_WINE_BUILD") or not os.path.exists(CHROMIUM) or not shutil.which("pdftotext"):
    check.finish("; browser checks skipped", 77)


def chromium(profile, *args):
    run = subprocess.run([CHROMIUM, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                          "--no-first-run", "--disable-background-networking", "--disable-component-update",
                          "--disable-sync", f"--user-data-dir={profile}", *args], capture_output=True,
                         timeout=120, check=False)
    check(run.returncode == 0, f"chromium {args[:1]}: {run.returncode}")
    return run.stdout


def compared(cell, expected, what):
    """A data-value is the export's JSON text of the same value."""
    check(cell.get("data-value") == expected, f"{what}: {cell.get('data-value')} against {expected}")
    return 1


def compare_dom(tree):
    tables = {t.get("id"): t for t in tree.iter("table")}
    n = 0
    envelope = {e["bar"]: e for e in document["envelope"]}
    seen = set()
    for row in cells_by_field(tables["envelope"]):
        bar = int(row[0][1].text)
        seen.add(bar)
        e = envelope[bar]
        for field, cell in row[2:]:
            if field == "bending":
                bends = any(f["bending"] for f in document["bar_forces"] if f["bar"] == bar)
                check(cell.text in (("sim", "yes") if bends else ("não", "no")), f"bending of {bar}")
                continue
            parts = field.split("_")  # N_max, V_start_min_combination, ...
            if parts[0] == "N":
                x, key = e["N"], "_".join(parts[1:])
            else:
                x, key = e[parts[0]][0 if parts[1] == "start" else 1], "_".join(parts[2:])
            if key.endswith("combination"):
                check(int(cell.text) == x[key], f"{field} of bar {bar}")
            else:
                n += compared(cell, x[key], f"{field} of bar {bar}")
    check(seen == set(envelope), "every bar in the envelope")
    for row, p in zip(cells_by_field(tables["pairs"]), document["pairs"]):
        for field, cell in row:
            if field in ("max", "min"):
                n += compared(cell, p[field], f"pair {p['bars']} {field}")
            elif field in ("lower_bar", "higher_bar"):
                check(int(cell.text) == p["bars"][0 if field == "lower_bar" else 1], f"pair {p['bars']}")
            else:
                check(int(cell.text) == p[field], f"pair {p['bars']} {field}")
    terms = [t for c in document["combinations"] for t in c["terms"]]
    combination_rows = [dict(row) for row in cells_by_field(tables["combinations"])]
    for row, t in zip(combination_rows, terms):
        n += compared(row["multiplier"], t["multiplier"], "multiplier")
    shown_names = [row["name"].text for row in combination_rows if row["name"].text]
    check(shown_names == [c["name"] for c in document["combinations"]], f"combination names {shown_names}")
    reactions = {(r["case"], s["node"]): s["reactions"] for r in document["reactions"] for s in r["supports"]}
    for row in cells_by_field(tables["reactions"]):
        values = reactions[(row[0][1].text, int(row[1][1].text))]
        for i in range(3):
            n += compared(row[2 + i][1], values[i], "reaction")
    combined = {}
    for c in document["combined_reactions"]:
        rows = cells_by_field(tables[f"combined_reactions-{c['combination']}"])
        check(len(rows) == len(c["supports"]), f"rows of combination {c['combination']}")
        for row, s in zip(rows, c["supports"]):
            check(int(row[0][1].text) == s["node"], "support node")
            for i in range(3):
                n += compared(row[1 + i][1], s["reactions"][i], f"combined reaction {c['combination']}")
                combined.setdefault((s["node"], i + 1), []).append((c["combination"], s["reactions"][i]))
    # The envelope of the combined reactions, by hand: a later combination
    # wins only when strictly beyond.
    for row in cells_by_field(tables["reaction_envelope"]):
        values = combined[(int(row[0][1].text), int(row[1][1].text))]
        top = values[0]
        low = values[0]
        for v in values[1:]:
            top = v if as_real(v[1]) > as_real(top[1]) else top
            low = v if as_real(v[1]) < as_real(low[1]) else low
        n += compared(row[2][1], top[1], "reaction max")
        n += compared(row[4][1], low[1], "reaction min")
        check(int(row[3][1].text) == top[0] and int(row[5][1].text) == low[0], "reaction envelope combinations")
    places = {"E": "left", "C": "axis", "D": "right"}
    for table, key, entries in (("displacements", "case", document["displacements"]),
                                ("combined_displacements", "combination", document["combined_displacements"])):
        by = {str(d[key]): d for d in entries}
        for row in cells_by_field(tables[table]):
            d = by[row[0][1].text]
            for i in range(3):
                n += compared(row[3 + i][1], d[places[row[1][1].text]][i], f"{table} {row[0][1].text}")
    forces = {(f["combination"], f["bar"]): f for f in document["bar_forces"]}
    bars = {b["bar"]: b for b in document["bars"]}
    for c in document["combinations"]:
        I = c["combination"]
        listed = []
        for row in cells_by_field(tables[f"bar_forces-{I}"]):
            bar = int(row[0][1].text)
            listed.append(bar)
            f = forces[(I, bar)]
            for i, value in enumerate((f["N"], f["V"][0], f["M"][0], f["N"], f["V"][1], f["M"][1])):
                n += compared(row[1 + i][1], value, f"bar force {I} {bar}")
            if row[7][1].get("data-value") is not None:
                n += compared(row[7][1], bars[bar]["length"], "length")
        # The frame-bar table's rule: a flagged bar that is not the higher
        # bar of a pair, then its mirror bar.
        expected = []
        for b in document["bars"]:
            K, J = b["bar"], b["mirror"]
            if J is not None and K > J:
                continue
            if forces[(I, K)]["bending"]:
                expected += [K] + ([J] if J is not None else [])
        check(listed == expected, f"bars in bending in {I}: {listed} against {expected}")
    # Every node's displacements: each combination's table, and the
    # envelope by hand from them (a later combination wins only when
    # strictly beyond).
    by_node = {}
    for c in document["combined_node_displacements"]:
        rows = cells_by_field(tables[f"combined_node_displacements-{c['combination']}"])
        check(len(rows) == len(c["nodes"]), f"node rows of combination {c['combination']}")
        for row, node in zip(rows, c["nodes"]):
            check(int(row[0][1].text) == node["node"], "node of a displacement row")
            for i in range(3):
                n += compared(row[1 + i][1], node["d"][i], f"node displacement {c['combination']}")
                by_node.setdefault((node["node"], i), []).append((c["combination"], node["d"][i]))
    for row in cells_by_field(tables["node_displacement_envelope"]):
        for i in range(3):
            values = by_node[(int(row[0][1].text), i)]
            top = low = values[0]
            for v in values[1:]:
                top = v if as_real(v[1]) > as_real(top[1]) else top
                low = v if as_real(v[1]) < as_real(low[1]) else low
            n += compared(row[1 + 4 * i][1], top[1], "node envelope max")
            n += compared(row[3 + 4 * i][1], low[1], "node envelope min")
            check(int(row[2 + 4 * i][1].text) == top[0] and int(row[4 + 4 * i][1].text) == low[0],
                  "node envelope combinations")
    every = sum(1 for e in tree.iter() if e.get("data-value") is not None)
    check(n == every and n > 250, f"{n} values compared of {every}")


with tempfile.TemporaryDirectory() as work:
    page = os.path.join(work, "galpao.html")
    with open(page, "wb") as f:
        f.write(pages["pt"])
    url = "file://" + page
    dom = chromium(os.path.join(work, "p1"), "--dump-dom", url)
    tree = parse_strictly(dom, "the DOM")
    if tree is not None:
        compare_dom(tree)
    sets_page = os.path.join(work, "portal.html")
    with open(sets_page, "wb") as f:
        f.write(pages["sets"])
    sets_dom = parse_strictly(chromium(os.path.join(work, "p3"), "--dump-dom", "file://" + sets_page), "sets DOM")
    if sets_dom is not None:
        check_sets(sets_dom, "sets in Chromium")
    sets_pdf = os.path.join(work, "portal.pdf")
    chromium(os.path.join(work, "p4"), "--no-pdf-header-footer", f"--print-to-pdf={sets_pdf}", "file://" + sets_page)
    printed = subprocess.run(["pdftotext", "-layout", sets_pdf, "-"], capture_output=True, text=True,
                             check=False).stdout
    check("GOVERNING COMBINATIONS" in printed and "ELU 18 - PRINCIPAL: W1" in printed,
          "the printed page with sets holds the legend of names")
    pdf = os.path.join(work, "galpao.pdf")
    chromium(os.path.join(work, "p2"), "--no-pdf-header-footer", f"--print-to-pdf={pdf}", url)
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=False).stdout
    check("(A4)" in info, f"A4 pages: {info}")
    pages_count = int(next(l.split()[1] for l in info.splitlines() if l.startswith("Pages:")))
    check(2 <= pages_count <= 12, f"{pages_count} pages")
    width = float(next(l.split()[2] for l in info.splitlines() if l.startswith("Page size:")))
    layout = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True, check=False).stdout
    for text in ("ESCRITORIO MODELO DE ENGENHARIA", "ENVOLTORIA DAS REACOES COMBINADAS", "-44.306", "53.880"):
        check(text in layout, f"the printed page shows {text!r}")
    # Page numbers in the bottom margin, "1 / 6" (pdftotext may close up the blanks).
    numbers = re.findall(r"\b(\d+) ?/ ?(\d+)\s*$", layout, re.MULTILINE)
    check([int(a) for a, b in numbers if int(b) == pages_count] == list(range(1, pages_count + 1)),
          f"page numbers {numbers}")
    bbox = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True, check=False).stdout
    import xml.etree.ElementTree as ET
    words = ET.fromstring(bbox.encode()).iter("{http://www.w3.org/1999/xhtml}word")
    right = max(float(w.get("xMax")) for w in words)
    check(right <= width - 20, f"a word ends at {right} on a page {width} wide")
    os.makedirs(OUT, exist_ok=True)
    subprocess.run(["pdftoppm", "-png", "-f", "1", "-l", "1", "-r", "60", "-singlefile", pdf,
                    os.path.join(OUT, "report-first-page")], check=False)
    check(os.path.getsize(os.path.join(OUT, "report-first-page.png")) > 5000, "the first page's picture")

check.finish()
