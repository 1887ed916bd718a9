#!/usr/bin/python3
"""Reads an exported register back as a spreadsheet program would and prints it as one JSON
object: the header row, every row as the texts its cells show, and what the file says of itself.

CSV: the csv module over the text after the byte-order mark; "crlf" tells whether every line
ends in CR LF. XLSX: openpyxl; a number cell shows its value in its number format, a text cell its text with
the _xHHHH_ escapes undone, and "cells" gives each cell's type and format ("s:@", "n:#,##0.00").

usage: read_export.py FILE.csv|FILE.xlsx
"""
import csv
import io
import json
import sys


def read_csv(path):
    data = open(path, "rb").read()
    bom = data.startswith(b"\xef\xbb\xbf")
    text = data[3:].decode("utf-8") if bom else data.decode("utf-8")
    rows = list(csv.reader(io.StringIO(text, newline=""), strict=True))
    return {"bom": bom, "crlf": text.count("\n") == text.count("\r\n") and text.endswith("\r\n"),
            "header": rows[0], "rows": rows[1:]}


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
    rows = [list(row) for row in sheet.iter_rows()]
    return {"sheets": len(book.worksheets), "freeze": sheet.freeze_panes,
            "filter": sheet.auto_filter.ref, "header": [shown(c) for c in rows[0]],
            "rows": [[shown(c) for c in row] for row in rows[1:]],
            "cells": [[f"{c.data_type}:{c.number_format}" for c in row] for row in rows[1:]]}


def main():
    path = sys.argv[1]
    result = read_xlsx(path) if path.endswith(".xlsx") else read_csv(path)
    print(json.dumps(result, ensure_ascii=False))


if __name__ == "__main__":
    main()
