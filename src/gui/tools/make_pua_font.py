#!/usr/bin/python3
"""Writes a small TrueType font in which every code point from FIRST to LAST shows one
full-width glyph made of rectangles: as a .ttf file, or, when OUT ends in .inc, as the
comma-separated bytes of one for a C++ array.

  make_pua_font.py OUT FAMILY FIRST LAST SHAPE

SHAPE is geta (〓, the typesetter's mark for a character that cannot be set) or grid (a framed
cross, standing in for an office's own character in tests and pictures). FIRST and LAST are
hexadecimal code points.
"""
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

EM = 1000
ASCENT = 880
DESCENT = -120

# Rectangles (left, bottom, right, top) in font units, baseline at 0.
SHAPES = {
    "geta": [(100, -20, 900, 280), (100, 480, 900, 780)],
    "grid": [(120, -50, 190, 760), (810, -50, 880, 760), (465, -50, 535, 760),
             (120, -50, 880, 20), (120, 320, 880, 390), (120, 690, 880, 760)],
}


def glyph(rectangles):
    pen = TTGlyphPen(None)
    for left, bottom, right, top in rectangles:  # clockwise: outer contours
        pen.moveTo((left, bottom))
        pen.lineTo((left, top))
        pen.lineTo((right, top))
        pen.lineTo((right, bottom))
        pen.closePath()
    return pen.glyph()


def build(family, first, last, shape):
    fb = FontBuilder(EM, isTTF=True)
    fb.setupGlyphOrder([".notdef", "mark"])
    fb.setupCharacterMap({code: "mark" for code in range(first, last + 1)})
    fb.setupGlyf({".notdef": TTGlyphPen(None).glyph(), "mark": glyph(SHAPES[shape])})
    left = min(r[0] for r in SHAPES[shape])
    fb.setupHorizontalMetrics({".notdef": (EM, 0), "mark": (EM, left)})
    fb.setupHorizontalHeader(ascent=ASCENT, descent=DESCENT)
    fb.setupNameTable({"familyName": family, "styleName": "Regular",
                       "psName": family.replace(" ", "") + "-Regular"})
    fb.setupOS2(sTypoAscender=ASCENT, sTypoDescender=DESCENT, sTypoLineGap=0,
                usWinAscent=ASCENT, usWinDescent=-DESCENT, fsType=0)
    fb.font["OS/2"].recalcUnicodeRanges(fb.font)
    fb.setupPost()
    return fb.font


def main(out, family, first, last, shape):
    font = build(family, int(first, 16), int(last, 16), shape)
    if not out.endswith(".inc"):
        font.save(out)
        return
    from io import BytesIO
    data = BytesIO()
    font.save(data)
    raw = data.getvalue()
    with open(out, "w", encoding="ascii") as inc:
        for start in range(0, len(raw), 16):
            inc.write(",".join(str(b) for b in raw[start:start + 16]) + ",\n")


if __name__ == "__main__":
    if len(sys.argv) != 6 or sys.argv[5] not in SHAPES:
        sys.exit(__doc__)
    main(*sys.argv[1:])
