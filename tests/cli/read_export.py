#!/usr/bin/python3
"""Reads an exported register (FILE.csv or .xlsx) back as a spreadsheet program would: prints
{"rows": every row as the texts its cells show, "form": "BOM CRLF" for a CSV file with both, for
a workbook its sheet count, frozen cell, filter range and each distinct row of cell formats}."""
import csv
import io
import json
import sys

import openpyxl
from openpyxl.utils.escape import unescape


def read_csv(path):
    data = open(path, "rb").read()
    text = data.removeprefix(b"\xef\xbb\xbf").decode("utf-8")
    crlf = text.count("\n") == text.count("\r\n") and text.endswith("\r\n")
    form = ("BOM" if data.startswith(b"\xef\xbb\xbf") else "") + (" CRLF" if crlf else "")
    return {"form": form, "rows": list(csv.reader(io.StringIO(text, newline=""), strict=True))}


def kind(cell):  # a text written empty is a blank cell, which reads as an empty text
    return "s" if cell.value is None else cell.data_type


def shown(cell):
    if kind(cell) != "n":  # _xHHHH_ stands for what XML cannot hold; Excel reads it back
        return "" if cell.value is None else unescape(cell.value)
    decimals = 2 if cell.number_format.endswith(".00") else 0
    return format(cell.value, ("," if "," in cell.number_format else "") + f".{decimals}f")


def read_xlsx(path):
    book = openpyxl.load_workbook(path)
    sheet = book.active
    rows = list(sheet.iter_rows())
    cells = {" ".join(f"{kind(c)}:{c.number_format}" for c in row) for row in rows[1:]}
    form = [str(len(book.worksheets)), sheet.freeze_panes, sheet.auto_filter.ref, *sorted(cells)]
    return {"form": " ".join(form), "rows": [[shown(c) for c in row] for row in rows]}


path = sys.argv[1]
rows = read_xlsx(path) if path.lower().endswith(".xlsx") else read_csv(path)
print(json.dumps(rows, ensure_ascii=False))
