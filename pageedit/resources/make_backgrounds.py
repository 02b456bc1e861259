#!/usr/bin/env python3
"""Draws the five built-in background pictures of the chooser as small PNG files.

Run from this folder: python3 make_backgrounds.py. Standard library only."""
import math
import struct
import zlib

SIZE = 64


def png(path, pixel):
    rows = b"".join(
        b"\x00" + bytes(c for x in range(SIZE) for c in pixel(x, y)) for y in range(SIZE)
    )

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def sky(x, y):
    t = y / (SIZE - 1)
    return (int(90 + 120 * t), int(150 + 80 * t), 250)


def checks(x, y):
    return (245, 225, 170) if (x // 8 + y // 8) % 2 else (225, 190, 120)


def waves(x, y):
    v = math.sin(x / 5.0 + 3 * math.sin(y / 9.0))
    return (40, int(130 + 60 * v), int(150 + 50 * v))


def stripes(x, y):
    return (250, 200, 210) if ((x + y) // 6) % 2 else (255, 235, 240)


def dots(x, y):
    near = ((x % 16) - 8) ** 2 + ((y % 16) - 8) ** 2 < 14
    return (120, 170, 90) if near else (220, 240, 200)


for number, drawing in enumerate((sky, checks, waves, stripes, dots), start=1):
    png("builtin%d.png" % number, drawing)
