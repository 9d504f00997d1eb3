#!/usr/bin/env python3
"""Converts a TrueColor xwd screenshot (as xwd -id takes of the game's
window) into a PNG, at half size with --half (each 2 x 2 block averaged).

Usage: scripts/xwd-to-png.py [--half] IN.xwd OUT.png
"""
import struct
import sys
import zlib


def pixels(path):
    data = open(path, "rb").read()
    head = struct.unpack(">25I", data[:100])
    width, height, step, per_line = head[4], head[5], head[11] // 8, head[12]
    start = head[0] + head[19] * 12
    rows = []
    for y in range(height):
        line = data[start + y * per_line:]
        rows.append([(line[x * step + 2], line[x * step + 1], line[x * step]) for x in range(width)])
    return rows


def halved(rows):
    out = []
    for y in range(0, len(rows) - 1, 2):
        a, b = rows[y], rows[y + 1]
        out.append([tuple((a[x][c] + a[x + 1][c] + b[x][c] + b[x + 1][c]) // 4 for c in range(3))
                    for x in range(0, len(a) - 1, 2)])
    return out


def write_png(rows, path):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)
    head = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) + chunk(b"IDAT", zlib.compress(raw, 9))
                  + chunk(b"IEND", b""))


args = sys.argv[1:]
half = args[0] == "--half"
rows = pixels(args[-2])
write_png(halved(rows) if half else rows, args[-1])
