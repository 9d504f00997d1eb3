#!/usr/bin/env python3
"""Tells whether a screenshot of the game's 800 x 600 window shows the first
loading picture or the first level, by the colours of a few boxes.

Usage: scripts/screen-colours.py loading|level FILE.xwd
Status 0 when it does; 1, with what was seen, when it does not.
"""
import struct
import sys


def mean(path, box):
    """The mean colour of a box (x0, y0, x1, y1) of a 32-bit TrueColor xwd file."""
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    size, bytes_per_line, colours = header[0], header[12], header[19]
    pixels = data[size + colours * 12:]
    total, count = [0, 0, 0], 0
    for y in range(box[1], box[3]):
        for x in range(box[0], box[2]):
            b, g, r = pixels[y * bytes_per_line + 4 * x: y * bytes_per_line + 4 * x + 3]
            total = [total[0] + r, total[1] + g, total[2] + b]
            count += 1
    return [round(t / count) for t in total]


def faults(what, path):
    if what == "loading":
        # A dark blue ground behind the pale yellow title.
        ground = mean(path, (20, 500, 780, 590))
        title = mean(path, (250, 160, 550, 230))
        found = []
        if not (ground[2] > ground[0] and max(ground) < 90):
            found.append("the loading picture's ground is %s, not dark blue" % ground)
        if not (title[0] > 80 and title[0] > title[2]):
            found.append("the loading picture's title is %s, not yellow" % title)
        return found
    # The level: the daytime sky, blue over green, at the top of the view.
    sky = mean(path, (300, 40, 500, 80))
    return [] if sky[2] > 120 and sky[2] > sky[0] else ["the level's sky is %s, not blue" % sky]


found = faults(sys.argv[1], sys.argv[2])
for fault in found:
    print("screen-colours: " + fault, file=sys.stderr)
sys.exit(1 if found else 0)
