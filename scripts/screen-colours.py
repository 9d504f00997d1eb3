#!/usr/bin/env python3
"""Tells whether a screenshot of the game's 800 x 600 window shows the first
loading picture or the first level, by the colours of a few boxes; or, of a
full-screen window, whether it shows the level's 800 x 600 picture scaled as
large as fits, centred between black bars, with the menu bar at its top
(full), and the Controls dialog open over it (full-dialog).

Usage: scripts/screen-colours.py loading|level|full|full-dialog FILE.xwd
Status 0 when it does; 1, with what was seen, when it does not.
"""
import struct
import sys


PICTURE = (800, 600)


def header(path):
    return struct.unpack(">25I", open(path, "rb").read()[:100])


def mean(path, box):
    """The mean colour of a box (x0, y0, x1, y1) of a TrueColor xwd file."""
    data = open(path, "rb").read()
    head = header(path)
    size, bytes_per_line, colours, step = head[0], head[12], head[19], head[11] // 8
    pixels = data[size + colours * 12:]
    total, count = [0, 0, 0], 0
    for y in range(box[1], box[3]):
        for x in range(box[0], box[2]):
            at = y * bytes_per_line + step * x
            b, g, r = pixels[at: at + 3]
            total = [total[0] + r, total[1] + g, total[2] + b]
            count += 1
    return [round(t / count) for t in total]


def fit(width, height):
    """Where the picture shows on a screen of this size: (x, y, width, height)."""
    scale = min(width / PICTURE[0], height / PICTURE[1])
    shown = (int(PICTURE[0] * scale + 0.5), int(PICTURE[1] * scale + 0.5))
    return ((width - shown[0]) // 2, (height - shown[1]) // 2) + shown


def in_picture(shown, box):
    """A box given in the picture's own pixels, on the screen."""
    scale = shown[2] / PICTURE[0]
    return tuple(int(shown[i % 2] + v * scale) for i, v in enumerate(box))


def bar_faults(path, shown, width, height):
    """Black outside the picture, and not black just inside its edges."""
    x, y, w, h = shown
    outside, inside = [], []
    if x > 0:
        outside += [(0, 0, x, height), (x + w, 0, width, height)]
        inside += [(x, y + h // 4, x + 4, y + 3 * h // 4), (x + w - 4, y + h // 4, x + w, y + 3 * h // 4)]
    if y > 0:
        outside += [(0, 0, width, y), (0, y + h, width, height)]
        inside += [(x, y, x + w, y + 4), (x, y + h - 4, x + w, y + h)]
    found = ["the bar %s is %s, not black" % (box, mean(path, box))
             for box in outside if max(mean(path, box)) > 8]
    found += ["the picture's edge %s is %s, black" % (box, mean(path, box))
              for box in inside if max(mean(path, box)) < 24]
    return found


def full_faults(what, path):
    width, height = header(path)[4:6]
    shown = fit(width, height)
    found = bar_faults(path, shown, width, height)
    menu = mean(path, in_picture(shown, (300, 3, 700, 17)))
    if min(menu) < 190:
        found.append("the menu bar is %s, not light grey" % menu)
    if what == "full-dialog":
        body = mean(path, in_picture(shown, (198, 160, 220, 400)))
        if min(body) < 220:
            found.append("the dialog's body is %s, not white" % body)
        return found
    sky = mean(path, in_picture(shown, (300, 40, 500, 80)))
    if not (sky[2] > 120 and sky[2] > sky[0]):
        found.append("the level's sky is %s, not blue" % sky)
    return found


def faults(what, path):
    if what.startswith("full"):
        return full_faults(what, path)
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
