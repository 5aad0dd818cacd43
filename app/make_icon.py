#!/usr/bin/env python3
"""Writes DazovAR.ico: one 32 x 32 picture in 16 colours (4 bits a pixel).

The picture: a folder with a page in front of it, on a transparent ground.
Run it again after changing the drawing: python3 app/make_icon.py app/DazovAR.ico
"""
import struct
import sys

# The standard 16-colour palette, as (blue, green, red, 0).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128),
    (128, 0, 0), (128, 0, 128), (128, 128, 0), (192, 192, 192),
    (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255),
    (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]  # listed as (blue, green, red)
BLACK, DARK_YELLOW, GREY, DARK_GREY, BLUE, YELLOW, WHITE, RED = 0, 3, 7, 8, 12, 11, 15, 9
SIZE = 32


def draw():
    """Rows top to bottom; None is transparent."""
    pixels = [[None] * SIZE for _ in range(SIZE)]

    def box(left, top, right, bottom, colour):
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                pixels[y][x] = colour

    def frame(left, top, right, bottom, colour):
        for x in range(left, right + 1):
            pixels[top][x] = pixels[bottom][x] = colour
        for y in range(top, bottom + 1):
            pixels[y][left] = pixels[y][right] = colour

    # Folder: tab, body, dark outline.
    box(2, 6, 12, 9, YELLOW)
    frame(2, 6, 12, 9, DARK_YELLOW)
    box(2, 9, 27, 27, YELLOW)
    frame(2, 9, 27, 27, DARK_YELLOW)
    # Page in front, with a folded corner and text lines.
    box(12, 4, 29, 30, WHITE)
    frame(12, 4, 29, 30, BLACK)
    for i in range(5):
        pixels[4 + i][25 + i] = BLACK
        for x in range(25 + i + 1, 30):
            pixels[4 + i][x] = None
    for y in range(5, 9):
        pixels[y][25] = BLACK
    for x in range(25, 30):
        pixels[8][x] = BLACK if x <= 29 else None
    for row, length in ((11, 12), (14, 10), (17, 12), (20, 8)):
        for x in range(15, 15 + length):
            pixels[row][x] = BLUE
    # A small picture on the page: red frame.
    frame(15, 23, 22, 27, RED)
    box(16, 24, 21, 26, GREY)
    return pixels


def ico_bytes(pixels):
    xor = bytearray()
    mask = bytearray()
    for y in range(SIZE - 1, -1, -1):  # bottom-up, as bitmaps are stored
        row = pixels[y]
        for x in range(0, SIZE, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            xor.append((hi << 4) | lo)
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (b, g, r) in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    return directory + image


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "DazovAR.ico"
    with open(out, "wb") as f:
        f.write(ico_bytes(draw()))
