#!/usr/bin/env python3
"""The example frame's export read by other programs: the JSON validated
against the shipped schema by a JSON Schema validator, and every CSV table
read back with Python's csv module and compared with the JSON."""
import csv
import json
import os
import struct
import subprocess
import sys
import tempfile

import jsonschema

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from check_tally import Tally  # noqa: E402

TOOLS, SOURCE = sys.argv[1], sys.argv[2]
EXAMPLES = os.path.join(SOURCE, "examples")
check = Tally()


def export(*args):
    run = subprocess.run([TOOLS, "export", *args, "GALPAO.CMB", "GALPAO.ESF"], cwd=EXAMPLES,
                         capture_output=True, check=False)
    check(run.returncode == 0 and run.stderr == b"", f"export {args} ran: {run.returncode} {run.stderr!r}")
    return run.stdout


def as_real(text):
    """The 32-bit value a decimal text reads as."""
    return struct.unpack("f", struct.pack("f", float(text)))[0]


document = json.loads(export())
with open(os.path.join(SOURCE, "docs", "toval-results.schema.json"), encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)
errors = [e.message for e in jsonschema.Draft202012Validator(schema).iter_errors(document)]
check(errors == [], f"schema errors: {errors}")
check(list(document) == schema["required"], f"keys out of order: {list(document)}")

# A document that breaks the schema is caught by it (the check can fail).
broken = dict(document, pairs=[{"bars": [1]}])
check(not jsonschema.Draft202012Validator(schema).is_valid(broken), "a broken document passed the schema")

with tempfile.TemporaryDirectory() as folder:
    export("--format", "csv", "-o", folder + "/")
    tables = {}
    for name in ["nodes", "bars", "combinations", "displacements", "combined_displacements", "reactions",
                 "combined_reactions", "reaction_envelope", "bar_forces", "envelope", "pairs",
                 "set_envelopes", "displacement_envelope", "node_displacements",
                 "combined_node_displacements", "node_displacement_envelope", "case_bar_forces"]:
        with open(os.path.join(folder, name + ".csv"), newline="", encoding="utf-8") as f:
            raw = f.read()
        check(raw.endswith("\r\n") and "\n" not in raw.replace("\r\n", ""), f"{name}: lines end in CR LF")
        rows = list(csv.DictReader(raw.splitlines(keepends=True)))
        tables[name] = rows
        single = export("--format", "csv", "--table", name).decode("utf-8")
        check(single == raw, f"{name}: --table gives the folder's file")

# Every combined reaction: one row per combination and support, the same
# 32-bit values as the JSON.
rows = tables["combined_reactions"]
expected = [(c["combination"], s["node"], s["reactions"]) for c in document["combined_reactions"]
            for s in c["supports"]]
check(len(rows) == len(expected) == 8, f"combined_reactions rows: {len(rows)}")
for row, (combination, node, values) in zip(rows, expected):
    check(int(row["combination"]) == combination and int(row["node"]) == node, f"row {row}")
    for i in range(3):
        check(as_real(row[f"reaction_{i + 1}"]) == as_real(values[i]), f"reaction {i + 1} of {row}")
    check(row["missing_cases"] == "", f"missing cases of {row}")

# Every node's combined displacements and each case's bar forces: the CSV
# rows hold the JSON's 32-bit values, entry by entry.
node_rows = tables["combined_node_displacements"]
node_values = [(c["combination"], n["node"], n["d"]) for c in document["combined_node_displacements"]
               for n in c["nodes"]]
check(len(node_rows) == len(node_values) == 4 * 5, f"combined_node_displacements rows: {len(node_rows)}")
for row, (combination, node, values) in zip(node_rows, node_values):
    check(int(row["combination"]) == combination and int(row["node"]) == node, f"row {row}")
    for i, name in enumerate(["dx", "dy", "rz"]):
        check(as_real(row[name]) == as_real(values[i]), f"{name} of {row}")
force_rows = tables["case_bar_forces"]
check(len(force_rows) == len(document["case_bar_forces"]) == 3 * 5, f"case_bar_forces rows: {len(force_rows)}")
for row, f in zip(force_rows, document["case_bar_forces"]):
    check(row["case"] == f["case"] and int(row["bar"]) == f["bar"], f"row {row}")
    for key in ["N", "V", "M"]:
        for end, at in (("start", 0), ("end", 1)):
            check(as_real(row[f"{key}_{end}"]) == as_real(f[key][at]), f"{key}_{end} of {row}")

# The hand-derived combination 1 at node 1: 1.4 G + 1.5 Q.
first = rows[0]
check(abs(float(first["reaction_1"]) - (1.4 * 5.34 + 1.5 * 5.01)) < 1e-5, f"R1 {first}")
check(abs(float(first["reaction_2"]) - (1.4 * 19.2 + 1.5 * 18.0)) < 1e-5, f"R2 {first}")

bar_forces = tables["bar_forces"]
check(len(bar_forces) == 4 * 5, f"bar_forces rows: {len(bar_forces)}")
for row, entry in zip(bar_forces, document["bar_forces"]):
    check(as_real(row["N"]) == as_real(entry["N"]) and as_real(row["M_end"]) == as_real(entry["M"][1]),
          f"bar force {row}")
    check(row["bending"] == ("true" if entry["bending"] else "false"), f"bending {row}")
check([r["case"] for r in tables["displacements"]] == ["G", "Q", "W"], "displacement cases")
envelope = tables["envelope"]
check(envelope[1]["M_start_min"] == "-38.271" and envelope[1]["M_start_min_combination"] == "2",
      f"envelope of bar 2: {envelope[1]}")
check(tables["pairs"][0]["lower_bar"] == "1" and tables["pairs"][0]["higher_bar"] == "2", "first pair")

# The combinations table: one row per term, with the name of the header.
term_rows = tables["combinations"]
expected = [(c["combination"], c["name"], t["multiplier"], t["case"]) for c in document["combinations"]
            for t in c["terms"]]
check(len(term_rows) == len(expected) == 9, f"combinations rows: {len(term_rows)}")
for row, (combination, name, multiplier, case) in zip(term_rows, expected):
    check(int(row["combination"]) == combination and row["name"] == name and row["set"] == "",
          f"combination row {row}")
    check(as_real(row["multiplier"]) == as_real(multiplier) and row["case"] == case, f"term row {row}")

# The reaction envelope over every combination: the JSON's, support by
# support and component by component; no set, so no set rows.
envelope_rows = tables["reaction_envelope"]
expected = [(s["node"], k + 1, e) for s in document["reaction_envelope"] for k, e in enumerate(s["reactions"])]
check(len(envelope_rows) == len(expected) == 6, f"reaction_envelope rows: {len(envelope_rows)}")
for row, (node, component, e) in zip(envelope_rows, expected):
    check(row["set"] == "" and int(row["node"]) == node and int(row["reaction"]) == component, f"row {row}")
    check(as_real(row["max"]) == as_real(e["max"]) and int(row["min_combination"]) == e["min_combination"],
          f"extremes of {row}")
check(tables["set_envelopes"] == [] and tables["displacement_envelope"] == [], "set tables of a file without sets")


check.finish()
