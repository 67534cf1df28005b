#!/usr/bin/env python3
"""Writes the outline of the main window, res/pictures/main_region.bin.

The outline is described below as its edges, row by row: the body of the
window, 600 pixels wide with slightly rounded corners at the left; a wing
at the upper right that reaches to x = 621, with a round upper corner and a
45-degree slope back to the body; a round lower right corner; and a small
notch in the bottom edge under the right column. From the rows the script
forms the bands of a Win32 region (rows with the same spans are merged) and
writes them as a length-prefixed RGNDATA block: a 4-byte little-endian byte
count, the 32-byte RGNDATAHEADER (dwSize 32, iType RDH_RECTANGLES, nCount,
nRgnSize, rcBound) and nCount RECTs in y-x banded order.

tools/make_pictures.py imports `rows()` so that the frame it draws follows
the same outline.

Usage: make_region.py [output file]
"""
import math
import os
import struct
import sys

WIDTH = 621  # bounding box of the outline
HEIGHT = 440
BODY_RIGHT = 600  # right edge of the body below the wing
WING_RIGHT = 621  # right edge of the wing at the upper right
WING_BOTTOM = 112  # first row of the slope from the wing back to the body

# Insets from the left edge, for the first rows and for the last rows.
TOP_LEFT = [3, 2, 1]
BOTTOM_LEFT = [1, 2, 3]
# Radii of the round corners at the right: the wing's upper corner and the
# body's lower corner.
WING_CORNER_RADIUS = 16
BOTTOM_RIGHT_RADIUS = 18
# The notch: its centre, its half width in its top row, and its depth. Each
# row further down it is one pixel wider on either side.
NOTCH_CENTRE = 530
NOTCH_TOP_HALF = 9
NOTCH_DEPTH = 6

RECT_COUNT = 47  # the window's region has exactly this many rectangles


def round_corner(radius):
    """Insets of the rows of a quarter circle, the outermost row first;
    rows that are not inset are left out."""
    insets = [round(radius - math.sqrt(radius * radius - (radius - j - 0.5) ** 2)) for j in range(radius)]
    return [i for i in insets if i > 0]


WING_TOP_RIGHT = round_corner(WING_CORNER_RADIUS)  # from the top row down
BOTTOM_RIGHT = round_corner(BOTTOM_RIGHT_RADIUS)[::-1]  # down to the last row


def _left(y):
    if y < len(TOP_LEFT):
        return TOP_LEFT[y]
    from_bottom = HEIGHT - 1 - y
    if from_bottom < len(BOTTOM_LEFT):
        return BOTTOM_LEFT[len(BOTTOM_LEFT) - 1 - from_bottom]
    return 0


def _right(y):
    if y < len(WING_TOP_RIGHT):
        return WING_RIGHT - WING_TOP_RIGHT[y]
    if y < WING_BOTTOM:
        return WING_RIGHT
    slope = WING_RIGHT - 1 - (y - WING_BOTTOM)  # one pixel in per row
    if slope > BODY_RIGHT:
        return slope
    from_bottom = HEIGHT - 1 - y
    if from_bottom < len(BOTTOM_RIGHT):
        return BODY_RIGHT - BOTTOM_RIGHT[len(BOTTOM_RIGHT) - 1 - from_bottom]
    return BODY_RIGHT


def _notch(y):
    """The gap [x0, x1) that the notch cuts into row y, or None."""
    depth = y - (HEIGHT - NOTCH_DEPTH)
    if depth < 0:
        return None
    half = NOTCH_TOP_HALF + depth
    return (NOTCH_CENTRE - half, NOTCH_CENTRE + half)


def rows():
    """The spans [x0, x1) of each row of the outline, top to bottom."""
    out = []
    for y in range(HEIGHT):
        x0, x1 = _left(y), _right(y)
        gap = _notch(y)
        if gap is None:
            out.append([(x0, x1)])
        else:
            out.append([(x0, gap[0]), (gap[1], x1)])
    return out


def bands():
    """(top, bottom, spans) with consecutive equal rows merged."""
    out = []
    for y, spans in enumerate(rows()):
        if out and out[-1][2] == spans:
            out[-1] = (out[-1][0], y + 1, spans)
        else:
            out.append((y, y + 1, spans))
    return out


def rectangles():
    rects = [(x0, top, x1, bottom) for top, bottom, spans in bands() for x0, x1 in spans]
    # Banded as Windows keeps regions: by top, then left, none overlapping.
    assert rects == sorted(rects, key=lambda r: (r[1], r[0]))
    for a, b in zip(rects, rects[1:]):
        assert a[1] != b[1] or a[2] <= b[0], (a, b)
    assert all(r[0] < r[2] and r[1] < r[3] for r in rects)
    assert len(rects) == RECT_COUNT, len(rects)
    return rects


def region_block(rects):
    left = min(r[0] for r in rects)
    top = min(r[1] for r in rects)
    right = max(r[2] for r in rects)
    bottom = max(r[3] for r in rects)
    assert (left, top, right, bottom) == (0, 0, WIDTH, HEIGHT)
    data = struct.pack("<IIII4i", 32, 1, len(rects), 16 * len(rects), left, top, right, bottom)
    data += b"".join(struct.pack("<4i", *r) for r in rects)
    return struct.pack("<I", len(data)) + data


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "res", "pictures", "main_region.bin")
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    with open(out, "wb") as f:
        f.write(region_block(rectangles()))


if __name__ == "__main__":
    main()
