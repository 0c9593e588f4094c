#!/usr/bin/env python3
"""The report's packed tables in a real browser: pages whose tables are
packed are opened in headless Chromium, which runs the page's script; the
DOM it leaves must hold, table by table, the same groups, rows and cells
(tag, attributes, text) as the same tables written plainly. The pages are
written by packed_rows_pages: a table of edge values and the example
frame's bars in bending.

Exit status 77 (skipped) when Chromium is missing or the tests run the
Windows build."""
import os
import shutil
import subprocess
import sys
import tempfile

import html5lib

WRITER, EXAMPLES, OUT = sys.argv[1], sys.argv[2], sys.argv[3]
CHROMIUM = "/usr/bin/chromium"
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def parse(text):
    return html5lib.HTMLParser(strict=True, namespaceHTMLElements=False).parse(text)


def tables(tree):
    """Each table's body: per group, per row, per cell its tag, its
    attributes and its text."""
    out = {}
    for table in tree.iter("table"):
        out[table.get("id")] = [[[(c.tag, sorted(c.attrib.items()), c.text) for c in tr] for tr in body.findall("tr")]
                                for body in table.findall("tbody")]
    return out


if os.environ.get("TOVAL_TEST_WINE_BUILD") or not os.path.exists(CHROMIUM):
    print("browser checks skipped")
    sys.exit(77)

os.makedirs(OUT, exist_ok=True)
subprocess.run([WRITER, OUT, EXAMPLES], check=True)
for name in ("edge", "example"):
    with open(os.path.join(OUT, name + ".html"), "rb") as f:
        plain = tables(parse(f.read()))
    with open(os.path.join(OUT, name + "-packed.html"), "rb") as f:
        packed_text = f.read().decode("utf-8")
    packed = tables(parse(packed_text))
    # Before the script runs, the packed page has the tables without rows.
    check(packed_text.count('class="packed-rows"') == len(plain), f"{name}: every table packed")
    check(all(not groups for groups in packed.values()), f"{name}: no plain rows in the packed page")
    rows = sum(len(g) for groups in plain.values() for g in groups)
    check(rows > 0, f"{name}: the plain page has rows")
    with tempfile.TemporaryDirectory() as profile:
        run = subprocess.run([CHROMIUM, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                              "--disable-background-networking", "--disable-component-update", "--disable-sync",
                              f"--user-data-dir={profile}", "--virtual-time-budget=20000", "--dump-dom",
                              "file://" + os.path.abspath(os.path.join(OUT, name + "-packed.html"))],
                             capture_output=True, timeout=180, check=False)
    check(run.returncode == 0, f"{name}: chromium {run.returncode} {run.stderr[-300:]!r}")
    dom = run.stdout.decode("utf-8")
    with open(os.path.join(OUT, name + "-unfolded.html"), "w", encoding="utf-8") as f:
        f.write(dom)
    check('class="packed-rows"' not in dom and 'class="packed-note"' not in dom, f"{name}: every table unfolded")
    unfolded = tables(html5lib.parse(dom, namespaceHTMLElements=False))
    check(unfolded.keys() == plain.keys(), f"{name}: tables {sorted(unfolded)} against {sorted(plain)}")
    for table_id, groups in plain.items():
        got = unfolded.get(table_id, [])
        check(len(got) == len(groups), f"{name} {table_id}: {len(got)} groups against {len(groups)}")
        for g, (got_rows, want_rows) in enumerate(zip(got, groups)):
            check(len(got_rows) == len(want_rows), f"{name} {table_id} group {g}: row count")
            for got_row, want_row in zip(got_rows, want_rows):
                if got_row != want_row:
                    check(False, f"{name} {table_id}: {got_row} against {want_row}")
    print(f"{name}: {rows} rows compared")

for f in failures[:40]:
    print("FAIL:", f)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
