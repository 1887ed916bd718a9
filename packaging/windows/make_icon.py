#!/usr/bin/env python3
"""Packs PNG pictures into one Windows icon file (.ico), each picture stored as PNG.

    make_icon.py OUT.ico PICTURE.png...   (each square, at most 256 pixels wide)
"""
import struct
import sys


def png_size(data):
    width, height = struct.unpack(">II", data[16:24])
    return width, height


def main(out, pictures):
    images = [open(p, "rb").read() for p in pictures]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for data in images:
        width, height = png_size(data)
        # 0 stands for 256 in an icon directory entry.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data),
                               offset)
        offset += len(data)
    with open(out, "wb") as ico:
        ico.write(header + entries + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
