#!/usr/bin/env python3
"""Draws toolbar.bmp: the tool bar's own 16 x 16 images that the platform's standard
set lacks, side by side (find upward, find downward, the two browsers), on magenta,
which the tool bar takes as transparent."""
import struct
import sys

W, H, N = 16, 16, 4
MAGENTA = (255, 0, 255)
pix = [[MAGENTA] * (W * N) for _ in range(H)]


def put(img, x, y, c):
    if 0 <= x < W and 0 <= y < H:
        pix[y][img * W + x] = c


def rows(img, art, colors):
    for y, line in enumerate(art):
        for x, ch in enumerate(line):
            if ch in colors:
                put(img, x, y, colors[ch])


# A magnifier: dark rim, light glass, brown handle.
GLASS = [
    "                ",
    "      ####      ",
    "     #....#     ",
    "    #......#    ",
    "    #......#    ",
    "    #......#    ",
    "    #......#    ",
    "     #....#     ",
    "      ####=     ",
    "          ==    ",
    "           ==   ",
    "            ==  ",
    "             =  ",
    "                ",
    "                ",
    "                ",
]
glass_colors = {"#": (0, 0, 0), ".": (200, 230, 255), "=": (128, 64, 0)}
UP = ["  @  ", " @@@ ", "@@@@@", "  @  ", "  @  "]
DOWN = list(reversed(UP))
for img, arrow, top in ((0, UP, 1), (1, DOWN, 10)):
    rows(img, GLASS, glass_colors)
    for y, line in enumerate(arrow):
        for x, ch in enumerate(line):
            if ch == "@":
                put(img, x, top + y, (0, 0, 192))

E = [
    "                ",
    "                ",
    "     ######     ",
    "   ##########   ",
    "  ####    ####  ",
    "  ###      ###  ",
    " ###        ### ",
    " ############## ",
    " ############## ",
    " ###            ",
    " ###            ",
    "  ###      ###  ",
    "  ####    ####  ",
    "   ##########   ",
    "     ######     ",
    "                ",
]
rows(2, E, {"#": (0, 96, 208)})
NN = [
    "     ######     ",
    "   ##########   ",
    "  ############  ",
    " ##@@######@@## ",
    " ##@@@#####@@## ",
    "###@@@@####@@###",
    "###@@#@@###@@###",
    "###@@##@@##@@###",
    "###@@###@@#@@###",
    "###@@####@@@@###",
    " ##@@#####@@@## ",
    " ##@@######@@## ",
    "  ############  ",
    "   ##########   ",
    "     ######     ",
    "                ",
]
rows(3, NN, {"#": (0, 48, 112), "@": (255, 255, 255)})

row_bytes = (W * N * 3 + 3) & ~3
data = bytearray()
for y in reversed(range(H)):
    line = bytearray()
    for r, g, b in pix[y]:
        line += bytes((b, g, r))
    line += b"\0" * (row_bytes - len(line))
    data += line
header = struct.pack("<IiiHHIIiiII", 40, W * N, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
out = b"BM" + struct.pack("<IHHI", 14 + len(header) + len(data), 0, 0, 14 + len(header))
out += header + data
with open(sys.argv[1] if len(sys.argv) > 1 else "toolbar.bmp", "wb") as f:
    f.write(out)
