#!/usr/bin/env python3
"""Draws every template that stands in a level cell at rest between its
neighbours, and assembles the pictures into one sheet.

Each template gets a small level of its own: it stands on the floor with a
brick wall on its left, the hero on its right, and a block hanging one cell
over each of them (not over a tall pillar, which fills those cells itself).
korvath-replay plays each level headless for a moment and takes a
screenshot; the part around the hero is cut out and labelled, and ImageMagick's
montage puts them together. Scenery, pictures, explosions and templates that
draw nothing are left out: they have no cell of their own.

Usage: scripts/template-sheet.py [OUT.png [GAMEDATA]]   (default
docs/screenshots/templates-at-rest.png and the repository's gamedata/; needs
build/ built and ImageMagick)
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build")
SHOT_AT = 2600  # ms: the level has begun and everything has settled
CROP = "300x230+225+185"  # around the hero, who is in the middle of the view
NOT_IN_A_CELL = {0, 21, 30, 31}  # IDs: spare slots, explosion, scenery, picture
HERO, TALL_FLAG = 14, 20


def templates():
    """(slot, ID, SpecialFlag, name of the animation file) of every template."""
    text = open(os.path.join(ROOT, "gamedata", "pawntemp.xml")).read()
    found = []
    for slot, body in re.findall(r'<Section label="pawn(\d+)">(.*?)\n    </Section>', text, re.S):
        value = lambda key: re.search(r'Key="%s">([^<]*)<' % key, body).group(1)
        anim = os.path.basename(value("Animation").replace("\\", "/"))[:-4]
        found.append((int(slot), int(value("ID")), int(value("SpecialFlag")), anim))
    return found


def level_text(number, slot, tall):
    over = "." if tall else "#"
    return "\n".join([
        "level %d" % number, "name Template %d" % slot, "picture loading1.jpg", "music sound/stage1.wav",
        "legend t %d" % slot, "map",
        "........", "...%s#..." % over, "..Bt@...", "########", "end", ""])


def data_root(work, levels, source):
    """A folder with the game's data in which levels.xml holds these levels."""
    data = os.path.join(work, "root", "gamedata")
    os.makedirs(data)
    for name in os.listdir(source):
        if name not in ("levels.xml", "levels"):
            os.symlink(os.path.join(source, name), os.path.join(data, name))
    subprocess.run([os.path.join(BUILD, "korvath-level"), "compile", "--root", ROOT, levels,
                    "-o", os.path.join(data, "levels.xml")], check=True)
    return os.path.dirname(data)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "docs", "screenshots",
                                                             "templates-at-rest.png")
    shown = [t for t in templates() if t[1] not in NOT_IN_A_CELL and t[0] != HERO]
    with tempfile.TemporaryDirectory() as work:
        levels = os.path.join(work, "levels")
        os.makedirs(levels)
        shutil.copy(os.path.join(ROOT, "gamedata", "levels", "legend.txt"), levels)
        for number, (slot, _, flag, _) in enumerate(shown, 1):
            with open(os.path.join(levels, "level%d.txt" % number), "w") as f:
                f.write(level_text(number, slot, flag == TALL_FLAG))
        source = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else os.path.join(ROOT, "gamedata")
        root = data_root(work, levels, source)
        tiles = []
        for number, (slot, _, _, anim) in enumerate(shown, 1):
            shot = os.path.join(work, "shot%d.png" % number)
            subprocess.run([os.path.join(BUILD, "korvath-replay"), "--root", root, "--level",
                            str(number), "--until", str(SHOT_AT), "--shot",
                            "%d:%s" % (SHOT_AT, shot)], check=True, stdout=subprocess.DEVNULL)
            tile = os.path.join(work, "tile%d.png" % number)
            subprocess.run(["convert", shot, "-crop", CROP, "+repage", tile], check=True)
            tiles += ["-label", "%d %s" % (slot, anim), tile]
        subprocess.run(["montage", *tiles, "-tile", "6x", "-geometry", "+4+4", "-pointsize", "14",
                        "-background", "#202028", "-fill", "white", out], check=True)
    print(out)


if __name__ == "__main__":
    if not shutil.which("montage"):
        sys.exit("template-sheet: ImageMagick's convert and montage are needed"
                 " (Debian package imagemagick)")
    main()
