#!/usr/bin/env python3
"""Draws Talvek's own pixel art (window pictures and icon) into res/pictures as PNG files."""
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "pictures")

GOBLIN = """
.....gggggg.....
....gGGGGGGg....
...gGGwGGwGGg...
...gGGkGGkGGg...
...gGGGGGGGGg...
....gGrrrrGg....
..bbbgGGGGgbbb..
.bBBBbbbbbbBBBb.
.bBBbBBBBBBbBBb.
..gg.bBBBBb.gg..
.....bb..bb.....
....kkk..kkk....
"""

BAT = """
r.............r
rr...rrrrr...rr
rRr.rRRRRRr.rRr
rRRrRRwRwRRrRRr
rRRRRRRRRRRRRRr
.rRRRRkkkRRRRr.
..rRRRRRRRRRr..
...rr.rRr.rr...
......rRr......
.......r.......
"""

SLIME = """
......bbbb......
....bbBBBBbb....
...bBBBBBBBBb...
..bBBwBBBBwBBb..
..bBBkBBBBkBBb..
.bBBBBBBBBBBBBb.
.bBBBBrrrrBBBBb.
bBBBBBBBBBBBBBBb
bBBBBBBBBBBBBBBb
.bbbbbbbbbbbbbb.
"""

SWORD = """
..............ww
.............wWw
............wWw.
...........wWw..
..........wWw...
.........wWw....
..k.....wWw.....
..kk...wWw......
...kk.wWw.......
....kkWw........
.....kkk........
....yykkk.......
...yyy..kk......
..yyy....k......
.yy.............
yy..............
"""

COLOURS = {
    "g": (0x20, 0x98, 0x00), "G": (0x7A, 0xE7, 0x00), "w": (0xFF, 0xFF, 0xFF), "k": (0x20, 0x20, 0x20),
    "r": (0xC7, 0x2E, 0x00), "R": (0xFF, 0x77, 0x57), "b": (0x00, 0x1F, 0xB2), "B": (0x53, 0xAE, 0xFF),
    "W": (0xB8, 0xB8, 0xB8), "y": (0xFA, 0x9E, 0x00),
}


def write_png(name, width, height, pixels):
    raw = b"".join(b"\x00" + bytes(c for px in pixels[y * width:(y + 1) * width] for c in px) for y in range(height))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(png)


def sprite(name, art, width, height):
    rows = [r for r in art.strip("\n").split("\n")]
    scale = min(width // len(rows[0]), height // len(rows))
    left = (width - len(rows[0]) * scale) // 2
    top = (height - len(rows) * scale) // 2
    pixels = [(0, 0, 0, 0)] * (width * height)
    for y in range(height):
        for x in range(width):
            ax, ay = (x - left) // scale, (y - top) // scale
            if 0 <= ay < len(rows) and 0 <= ax < len(rows[ay]) and x >= left and y >= top and rows[ay][ax] in COLOURS:
                pixels[y * width + x] = COLOURS[rows[ay][ax]] + (255,)
    write_png(name, width, height, pixels)


def tile_grid(name, width, height):
    # 8 x 9 small tiles, each its own little pattern in four colours.
    palette = [(0x0F, 0x0F, 0x0F), (0x53, 0xAE, 0xFF), (0xFF, 0x77, 0x57), (0xE9, 0xE6, 0x81)]
    pixels = []
    for y in range(height):
        for x in range(width):
            tile = (y // 8) * 8 + x // 8
            tx, ty = x % 8, y % 8
            value = ((tx * (tile % 5 + 1)) ^ (ty * (tile % 3 + 2)) ^ tile) & 3
            if tx == 7 or ty == 7:
                value = 0
            pixels.append(palette[value] + (255,))
    write_png(name, width, height, pixels)


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    sprite("main_ff2.png", GOBLIN, 127, 94)
    sprite("main_gba.png", BAT, 120, 80)
    sprite("about_ff2.png", SLIME, 81, 61)
    sprite("about_gba.png", GOBLIN, 78, 78)
    sprite("icon.png", SWORD, 32, 32)
    tile_grid("tiles.png", 64, 72)
