#!/usr/bin/python3
"""Reads an exported register back as a spreadsheet program would and prints one JSON object:
"rows", every row (the header first) as the texts its cells show, and "form", what the file is
besides: "BOM CRLF" for a CSV file with a byte-order mark and CR LF line ends; for a workbook its
sheet count, frozen cell, filter range and each distinct row of cell types and formats.

usage: read_export.py FILE.csv|FILE.xlsx
"""
import csv
import io
import json
import sys


def read_csv(path):
    data = open(path, "rb").read()
    text = data.removeprefix(b"\xef\xbb\xbf").decode("utf-8")
    crlf = text.count("\n") == text.count("\r\n") and text.endswith("\r\n")
    form = ("BOM" if data.startswith(b"\xef\xbb\xbf") else "") + (" CRLF" if crlf else "")
    return {"form": form, "rows": list(csv.reader(io.StringIO(text, newline=""), strict=True))}


def shown(cell):
    if cell.data_type != "n":
        # Characters XML cannot hold stand as _xHHHH_, which Excel reads back and openpyxl not.
        from openpyxl.utils.escape import unescape
        return "" if cell.value is None else unescape(cell.value)
    decimals = 2 if cell.number_format.endswith(".00") else 0
    grouping = "," if "," in cell.number_format else ""
    return format(cell.value, f"{grouping}.{decimals}f")


def read_xlsx(path):
    import openpyxl
    book = openpyxl.load_workbook(path)
    sheet = book.active
    rows = list(sheet.iter_rows())
    cells = {" ".join(f"{c.data_type}:{c.number_format}" for c in row) for row in rows[1:]}
    form = [str(len(book.worksheets)), sheet.freeze_panes, sheet.auto_filter.ref, *sorted(cells)]
    return {"form": " ".join(form), "rows": [[shown(c) for c in row] for row in rows]}


path = sys.argv[1]
print(json.dumps(read_xlsx(path) if path.lower().endswith(".xlsx") else read_csv(path),
                 ensure_ascii=False))
