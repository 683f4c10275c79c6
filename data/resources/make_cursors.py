#!/usr/bin/env python3
"""Writes the cursors of Zefnote.exe as 32 x 32 monochrome .cur files.

RightArrow.cur: an arrow pointing up and to the right (the pointer over the left
margin, where a click selects rows).  CopyDrop.cur: the standard-looking arrow with
a small box and a plus sign (a drag that copies).  Drag.cur: the arrow with an empty
box (a drag that moves).  HandPoint.cur: a hand with its index finger up (the pointer
over a link).  Each picture is drawn below as
text: '#' black, '.' white, anything else transparent.
"""
import os
import struct

ARROW = [
    "#",
    "##",
    "#.#",
    "#..#",
    "#...#",
    "#....#",
    "#.....#",
    "#......#",
    "#.......#",
    "#........#",
    "#.....#####",
    "#..#..#",
    "#.# #..#",
    "##  #..#",
    "#    #..#",
    "     #..#",
    "      ##",
]


def right_arrow():
    # The arrow mirrored left to right: its tip at the top right.
    width = max(len(r) for r in ARROW)
    rows = [r.ljust(width)[::-1] for r in ARROW]
    pad = 31 - width
    return [" " * pad + r for r in rows], (pad + width - 1, 0)


def with_box(box):
    out = [r for r in ARROW] + [""] * 2
    for line in box:
        out.append(" " * 10 + line)
    return out, (0, 0)


def drag():
    return with_box([
        "###########",
        "#.........#",
        "#.........#",
        "#.........#",
        "#.........#",
        "#.........#",
        "#.........#",
        "#.........#",
        "###########",
    ])


def copy_drop():
    return with_box([
        "###########",
        "#.........#",
        "#....#....#",
        "#....#....#",
        "#..#####..#",
        "#....#....#",
        "#....#....#",
        "#.........#",
        "###########",
    ])


HAND = [
    "     ##",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..###",
    "    #..#..##",
    "    #..#..#..##",
    " ## #..#..#..#.#",
    "#..##........#.#",
    "#...#..........#",
    " #.............#",
    "  #............#",
    "  #...........#",
    "   #..........#",
    "   #.........#",
    "    #........#",
    "    #........#",
    "    ##########",
]


def hand_point():
    return HAND, (5, 0)


def cur_bytes(picture, hotspot):
    size = 32
    grid = [(picture[y] if y < len(picture) else "").ljust(size)[:size] for y in range(size)]
    xor_rows, and_rows = [], []
    for row in grid:
        xor_bits = and_bits = 0
        for x, ch in enumerate(row):
            bit = 1 << (31 - x)
            if ch == ".":
                xor_bits |= bit
            elif ch != "#":
                and_bits |= bit
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    # Bitmaps are stored bottom-up.
    xor_data = b"".join(reversed(xor_rows))
    and_data = b"".join(reversed(and_rows))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor_data) + len(and_data), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + xor_data + and_data
    icondir = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return icondir + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, (picture, hotspot) in (("RightArrow", right_arrow()), ("CopyDrop", copy_drop()),
                                     ("Drag", drag()), ("HandPoint", hand_point())):
        with open(os.path.join(here, name + ".cur"), "wb") as f:
            f.write(cur_bytes(picture, hotspot))


if __name__ == "__main__":
    main()
