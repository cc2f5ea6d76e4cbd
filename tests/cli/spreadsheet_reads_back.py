#!/usr/bin/env python3
"""What --field writes back opens in a spreadsheet as the table it was, with
the answer's numbers as numbers: a comma table, and a semicolon table with a
byte-order mark and decimal commas, each converted to .ods by LibreOffice
Calc (headless) in the locale such a table comes from, then read back."""
import csv
import io
import pathlib
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
import zipfile

CONVERTER = sys.argv[1]
NS = {
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
}
NUMERIC = {"year", "sc", "sc_value", "ey_year", "aw_year"}


def table(delimiter, line_end):
    rows = [["name", "year"]] + [[f"Event {i}, part {i % 3}", str(1900 + 7 * i)] for i in range(20)]
    text = io.StringIO()
    csv.writer(text, delimiter=delimiter, lineterminator=line_end).writerows(rows)
    return text.getvalue()


def cells(ods):
    """The first sheet's rows, each cell as (value type, value or text)."""
    root = ET.fromstring(zipfile.ZipFile(ods).read("content.xml"))
    rows = []
    for row in root.iter(f"{{{NS['table']}}}table-row"):
        cells = []
        for cell in row.findall("table:table-cell", NS):
            kind = cell.get(f"{{{NS['office']}}}value-type")
            value = cell.get(f"{{{NS['office']}}}value")
            shown = "\n".join("".join(p.itertext()) for p in cell.findall("text:p", NS))
            repeat = int(cell.get(f"{{{NS['table']}}}number-columns-repeated", "1"))
            cells += [(kind, value if kind == "float" else shown)] * min(repeat, 16)
        rows.append(cells)
    return rows


def check(name, delimiter, prefix, line_end, language, work):
    args = [CONVERTER, "-fey", "--format", "csv", "--field", "year", "--header"]
    if delimiter != ",":
        args += ["-d", delimiter]
    source = (prefix + table(delimiter, line_end)).encode()
    written = subprocess.run(args, input=source, capture_output=True, check=True).stdout
    path = work / f"{name}.csv"
    path.write_bytes(written)
    filter_options = f"CSV:{ord(delimiter)},34,76,1,,{language}"
    subprocess.run(["soffice", f"-env:UserInstallation={(work / 'profile').as_uri()}", "--headless",
                    "--infilter=" + filter_options, "--convert-to", "ods", "--outdir", str(work), str(path)],
                   capture_output=True, check=True, timeout=300)
    expected = list(csv.reader(io.StringIO(written.decode("utf-8-sig")), delimiter=delimiter))
    got = cells(work / f"{name}.ods")
    header = expected[0]
    problems = []
    for r, row in enumerate(expected):
        for c, text in enumerate(row):
            kind, value = got[r][c] if c < len(got[r]) else (None, "")
            if r > 0 and header[c] in NUMERIC:
                number = float(text.replace(",", ".") if delimiter == ";" else text)
                if kind != "float" or float(value) != number:
                    problems.append(f"row {r} {header[c]}: {text!r} read as {kind} {value!r}")
            elif value != text:
                problems.append(f"row {r} column {c}: {text!r} read as {value!r}")
    if problems:
        sys.exit(f"{name}: " + "; ".join(problems[:5]))
    print(f"{name}: {len(expected) - 1} rows read back")


def main():
    if not shutil.which("soffice"):
        sys.exit("soffice not found: install libreoffice-calc-nogui")
    with tempfile.TemporaryDirectory() as tmp:
        work = pathlib.Path(tmp)
        check("comma", ",", "", "\n", 1033, work)
        check("semicolon", ";", "\ufeff", "\r\n", 1031, work)


main()
