#!/usr/bin/env python3
"""The export's workbook opened by a real reader (openpyxl) and compared, sheet
by sheet and cell by cell, with the CSV tables of the same run: on the
example frame, and on a portal with a combination whose cases are missing
(absent values), a bar without mirror and a case name holding a control
character; then a workbook whose sheets hold a few rows, so that tables go on
into further sheets.

A number is a number in the workbook, never text, and its 32-bit value is
the CSV text's; a name is text; an empty CSV field is an empty cell; the
header row is frozen on every sheet; every column is as wide as its texts."""
import csv
import datetime
import os
import re
import struct
import subprocess
import sys
import tempfile

import openpyxl
import openpyxl.utils

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from check_tally import Tally  # noqa: E402

TOOLS, SOURCE, SMALL_SHEETS = sys.argv[1], sys.argv[2], sys.argv[3]
EXAMPLES = os.path.join(SOURCE, "examples")
PORTAL = os.path.join(SOURCE, "tests", "e2e", "data", "portal_truss", "in")
# The columns that hold names: text even when a name reads as a number.
NAME_COLUMNS = {"case", "missing_cases", "set", "name", "place", "component"}
check = Tally()


def tools(cwd, *args, env=None):
    run = subprocess.run([TOOLS, "export", *args], cwd=cwd, capture_output=True, env=env, check=False)
    check(run.returncode == 0 and run.stderr == b"", f"export {args} ran: {run.returncode} {run.stderr!r}")
    return run.stdout


def as_real(value):
    return struct.unpack("f", struct.pack("f", float(value)))[0]


def unescape(text):
    """A cell's text as spreadsheets read it: _xHHHH_ is the character HHHH."""
    return re.sub(r"_x([0-9A-Fa-f]{4})_", lambda m: chr(int(m.group(1), 16)), text)


def csv_tables(cwd, inputs):
    """Every CSV table of the run: name -> rows of fields, the header first."""
    with tempfile.TemporaryDirectory() as folder:
        tools(cwd, "--format", "csv", "-o", folder + "/", *inputs)
        tables = {}
        for name in sorted(os.listdir(folder)):
            with open(os.path.join(folder, name), newline="", encoding="utf-8") as f:
                tables[name[:-len(".csv")]] = list(csv.reader(f))
        return tables


def table_order(cwd, inputs):
    """The tables in the order the export names them (its --table list)."""
    run = subprocess.run([TOOLS, "export", "--format", "csv", "--table", "?", *inputs], cwd=cwd,
                         capture_output=True, text=True, check=False)
    return re.search(r"for --table \(([^)]*)\)", run.stderr).group(1).split(", ")


def compare_cell(cell, field, column, where):
    if field == "":
        return check(cell is None, f"{where}: {cell!r} where the CSV is empty")
    if column in NAME_COLUMNS:
        return check(isinstance(cell, str) and unescape(cell) == field, f"{where}: name {cell!r}, CSV {field!r}")
    if field in ("true", "false"):
        return check(cell is (field == "true"), f"{where}: {cell!r}, CSV {field}")
    if not check(isinstance(cell, (int, float)) and not isinstance(cell, bool), f"{where}: {cell!r} not a number"):
        return False
    # The cell holds the double of the CSV digits, which read as the stored 32-bit value.
    return check(float(cell) == float(field) and as_real(cell) == as_real(field), f"{where}: {cell!r}, CSV {field}")


def compare_sheets(book, name, rows, sheets, what):
    """The table `rows` spread over `sheets` (the table's sheet and the ones
    it goes on into), each beginning with the header row, frozen."""
    header, body = rows[0], rows[1:]
    read = []
    for sheet in sheets:
        ws = book[sheet]
        check(ws.freeze_panes == "A2", f"{what} {sheet}: frozen at {ws.freeze_panes}")
        cells = [list(r) for r in ws.iter_rows(values_only=True)]
        check(cells[:1] == [header], f"{what} {sheet}: header {cells[:1]}")
        # Every column at least as wide as its header and its texts (the
        # default width cut them), and never so wide as to hide the next.
        for k, column in enumerate(header):
            letter = openpyxl.utils.get_column_letter(k + 1)
            width = ws.column_dimensions[letter].width
            texts = [len(unescape(r[k])) for r in cells if k < len(r) and isinstance(r[k], str)]
            check(width and min(max(texts), 58) <= width <= 63, f"{what} {sheet} {column}: width {width}, texts {max(texts)}")
        read += cells[1:]
    if not check(len(read) == len(body), f"{what} {name}: {len(read)} rows, CSV {len(body)}"):
        return
    for i, (cells, fields) in enumerate(zip(read, body)):
        cells += [None] * (len(fields) - len(cells))  # the reader stops at the last cell written
        check(len(cells) == len(fields), f"{what} {name} row {i + 2}: {len(cells)} cells")
        for column, cell, field in zip(header, cells, fields):
            compare_cell(cell, field, column, f"{what} {name} row {i + 2} {column}")


def compare_run(cwd, inputs, what):
    """The workbook of a run against its CSV tables; returns the CSV tables."""
    tables = csv_tables(cwd, inputs)
    order = table_order(cwd, inputs)
    check(sorted(order) == sorted(tables), f"{what}: tables {order}")
    with tempfile.TemporaryDirectory() as folder:
        book_file = os.path.join(folder, "run.xlsx")
        with open(book_file, "wb") as f:
            f.write(b"an older file")  # replaced whole
        tools(cwd, "--format", "xlsx", "-o", book_file, *inputs, env=dict(os.environ, SOURCE_DATE_EPOCH="1765000000"))
        check(os.listdir(folder) == ["run.xlsx"], f"{what}: files left beside the workbook: {os.listdir(folder)}")
        book = openpyxl.load_workbook(book_file)
        check(book.sheetnames == order, f"{what}: sheets {book.sheetnames}")
        created = book.properties.created
        check(created == datetime.datetime(2025, 12, 6, 5, 46, 40), f"{what}: created {created}")
        for name in order:
            compare_sheets(book, name, tables[name], [name], what)
        single = os.path.join(folder, "one.xlsx")
        tools(cwd, "--format", "xlsx", "--table", "bars", "-o", single, *inputs)
        one = openpyxl.load_workbook(single)
        check(one.sheetnames == ["bars"], f"{what}: --table bars gives {one.sheetnames}")
        compare_sheets(one, "bars", tables["bars"], ["bars"], what + " --table")
    return tables


def portal_variant(folder):
    """The portal truss with combination 4 = 1.0 G1 + 2.0 X\\x01, whose case
    has a block in the forces file but is not in the case list, and 5 without
    terms."""
    with open(os.path.join(PORTAL, "P1.DAT"), "rb") as f:
        cmb = f.read()
    with open(os.path.join(PORTAL, "P1.LIS"), "rb") as f:
        lis = f.read()
    end = cmb.rfind(b"FIME")
    cmb = cmb[:end] + b"COMBINACAO 4\n    1.0       G1\n    2.0       X\x01\nFIMC\nCOMBINACAO 5\nFIMC\nFIME\n"
    block = lis[lis.find(b"     CARREGAMENTO: Q1"):]
    block = b"     CARREGAMENTO: X\x01" + block[len(b"     CARREGAMENTO: Q1"):]
    for name, data in (("V.DAT", cmb), ("V.LIS", lis + block)):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


example = compare_run(EXAMPLES, ["GALPAO.CMB", "GALPAO.ESF"], "example")
check(len(example["bar_forces"]) == 21, f"example bar_forces: {len(example['bar_forces'])} rows")

with tempfile.TemporaryDirectory() as folder:
    portal_variant(folder)
    variant = compare_run(folder, ["V.DAT", "V.LIS"], "portal with a missing case")
    # What makes this frame worth comparing: absent values, and a name that
    # XML cannot carry as it is.
    missing = [r for r in variant["combined_reactions"][1:] if r[-1] != ""]
    check(missing and missing[0][1:5] == ["", "", "", ""] and missing[0][5] == "X\x01",
          f"portal: the combination with a missing case: {missing}")
    check(any(r[-1] == "" for r in variant["bars"][1:]), "portal: a bar without mirror")

    # Sheets of 4 rows: the header and 3 rows each.
    book_file = os.path.join(folder, "small.xlsx")
    run = subprocess.run([SMALL_SHEETS, "V.DAT", "V.LIS", book_file, "4"], cwd=folder, capture_output=True,
                         check=False)
    check(run.returncode == 0, f"small sheets: {run.returncode} {run.stderr!r}")
    book = openpyxl.load_workbook(book_file)
    expected_names = []
    for name in table_order(folder, ["V.DAT", "V.LIS"]):
        parts = max(1, -(-(len(variant[name]) - 1) // 3))
        sheets = [name] + [f"{name} ({p})" for p in range(2, parts + 1)]
        expected_names += sheets
        compare_sheets(book, name, variant[name], [s for s in sheets if s in book.sheetnames], "small sheets")
    check(book.sheetnames == expected_names, f"small sheets: {book.sheetnames}, expected {expected_names}")
    check("bar_forces (5)" in book.sheetnames, f"small sheets: bar_forces in five sheets: {book.sheetnames}")

check.finish()
