#!/usr/bin/env python3
"""Reads what the batch converter writes with independent readers: its csv
output and a table it wrote back with --field through Python's csv module,
its jsonl through the json module. Usage: csv_reads_back.py CONVERTER"""
import csv
import io
import json
import subprocess
import sys

converter = sys.argv[1]
failures = []


def run(args, data=b""):
    result = subprocess.run([converter, *args], input=data, capture_output=True, check=False,
                            env={"LC_ALL": "C"})
    return result.returncode, result.stdout


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}:\n  got      {got!r}\n  expected {expected!r}")


NAMES = ["sc", "ey", "aw", "error", "message", "sc_value", "ey_year", "aw_year"]
YEAR_2002 = ["338.30", "2002 AD", "BW 84", "", "", "338.30", "2002", "-84"]
YEAR_1BC = ["318.28", "1 BC", "BW 2086", "", "", "318.28", "-1", "-2086"]

# Entries with commas, quotes and line breaks, as arguments.
entries = ["2002", "Smith, J", 'say "hi"', "two\nlines", "-1"]
status, out = run(["--from", "ey", "--format", "csv", *entries])
check("csv status", status, 1)
check("csv line ends", out.count(b"\r\n"), len(entries) + 1)
rows = list(csv.reader(io.StringIO(out.decode(), newline="")))
check("csv header", rows[0], ["entry", *NAMES])
check("csv entries", [r[0] for r in rows[1:]], entries)
check("csv 2002", rows[1][1:], YEAR_2002)
check("csv -1", rows[5][1:], YEAR_1BC)
check("csv refusals", [r[4] for r in rows[2:5]], ["not-a-number"] * 3)
check("csv message", rows[2][5], 'Sorry, "Smith, J" is not a number.')

# A table whose fields hold commas, quotes and line breaks, converted by its
# second column and written back.
table = [["name", "year", "note"],
         ["Smith, J", "2002", 'a "quoted"\r\nnote'],
         ["multi\nline", "-1", ""],
         ["x", "abc", "y,z"],
         ["short"]]
text = io.StringIO(newline="")
csv.writer(text, lineterminator="\r\n").writerows(table)
status, out = run(["--from", "ey", "--format", "csv", "--field", "2", "--header"], text.getvalue().encode())
check("field status", status, 1)
rows = list(csv.reader(io.StringIO(out.decode(), newline="")))
check("field header", rows[0], table[0] + NAMES)
check("field rows kept", [r[:len(t)] for r, t in zip(rows[1:], table[1:])], table[1:])
check("field 2002", rows[1][3:], YEAR_2002)
check("field -1", rows[2][3:], YEAR_1BC)
check("field abc", rows[3][3:][3:5], ["not-a-number", 'Sorry, "abc" is not a number.'])
check("field short", rows[4][1:], ["", "", "", "missing-field", "Sorry, that row has no field 2.", "", "", ""])
check("field row count", len(rows), len(table))

# jsonl: every key in every object, numbers as JSON numbers, null where a
# key does not apply.
status, out = run(["--from", "ey", "--format", "jsonl", "2002", "-1", "1e-7", "0"])
objects = [json.loads(line) for line in out.decode().splitlines()]
keys = ["entry", *NAMES]
check("jsonl keys", [list(o) for o in objects], [keys] * 4)
check("jsonl numbers", [(o["sc_value"], o["ey_year"], o["aw_year"]) for o in objects],
      [(338.3, 2002, -84), (318.28, -1, -2086), (318.28, 1e-7, -2086), (None, None, None)])
check("jsonl refusal", (objects[3]["sc"], objects[3]["error"]), (None, "year-zero"))

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("csv and jsonl read back")
