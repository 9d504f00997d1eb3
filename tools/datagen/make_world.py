#!/usr/bin/env python3
"""Writes gamedata/pawntemp.xml and the animation files in gamedata/anim/
from the tables below. The levels are text files of their own, in
gamedata/levels/, which korvath-level compiles into gamedata/levels.xml.
"""

import math
import os
from xml.sax.saxutils import escape

from make_models import (BOMB_FUSE_TIP, CLOTH_HOOK, CLOTH_STRIPS, CLOTH_WIDTH, HERO_HIP_DROP,
                         HERO_STRIDES, stride_name)

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "..", "gamedata")

# Model slots, in ModelList order. The bomb gauge draws slot 1 (a small bomb)
# and slot 34 (its bar), so slot 34 is the bar whatever comes before it; the
# models that do not fit below it follow it.
MODELS = ["block", "bomb", "brick", "cracked", "crate", "barrel", "ladder", "spikes", "door",
          "switch_base", "switch_lever", "gate_closed", "gate_open", "holder", "flag_cloth",
          "flag_green", "rubble", "hero", "explosion", "picture", "rock", "pillar", "flag_pole",
          "backdrop_sky", "backdrop_hills", "backdrop_rock", "hero_head"]
MODELS += ["hero_legs_" + stride_name(s) for s in HERO_STRIDES]
MODELS += ["hero_arms_" + stride_name(s) for s in HERO_STRIDES]
MODELS += ["explosion_core", "explosion_smoke", "explosion_sparks", "bomb_rim", "bomb_spark"]
MODELS += ["backdrop_sky_night", "backdrop_mine"]
MODELS = MODELS[:34] + ["gauge_bar"] + MODELS[34:]

FLAGS = ["BlocksCrate", "BlocksHero", "BlocksRock", "WeightCrate", "WeightRock", "WeightHero",
         "Weightless", "Sliding", "Rolling", "Collectable", "Bombable", "Ladder", "SpecialFlag"]
SOLID = {"BlocksCrate": 1, "BlocksHero": 1, "BlocksRock": 1}


def part(model, label="body", angles=(0, 0, 0), offset=(0, 0, 0), stretch=(1, 1, 1), opacity=100):
    return (model, label, angles, offset, stretch, opacity)


def still(*parts):
    return [("still", list(parts))]


HERO_FRAMES = 144  # 3.5 s
HERO_GAIT = 18  # frames of two steps: one cell walked (8 ticks of 27 ms) per step


def smooth(t):
    return t * t * (3 - 2 * t)


def keyed(f, keys):
    """A value eased between (frame, value) keys."""
    for (f0, v0), (f1, v1) in zip(keys, keys[1:]):
        if f0 <= f < f1:
            return v0 + (v1 - v0) * smooth((f - f0) / (f1 - f0))
    return keys[-1][1]


# The hero is drawn at HERO_SCALE of his models' size, standing on his
# cell's floor, and HERO_FORWARD units in front of the cell's middle. His
# models fill the cell's full height (more with the helmet's outline and
# his breath); so drawn, his head stays 2 units below a block hanging over
# him, and seen from the camera, which looks down on the level, the front
# of that block does not hide his face, so the gap reads as one he fits in.
HERO_SCALE = 0.82
HERO_FORWARD = 4.0


def hero_part(model, label, angles=(0, 0, 0), rise=0.0, width=1.0):
    """A part of the hero, scaled about his cell's floor (y = -10)."""
    s = HERO_SCALE
    offset = (0, round(s * rise - (1 - s) * 10, 3), HERO_FORWARD)
    return part(model, label, angles, offset, (round(s * width, 4), s, round(s * width, 4)))


def hero_frames():
    """Legs and arms swing forwards and back, two steps to the gait, at the
    pace of his walk: seen from the side as he walks this is a stride, seen
    from the front as he stands hardly more than a shuffle. Meanwhile he
    breathes (torso and head rise a unit and fall, twice a loop) and looks
    left and then right (the head turns 35 degrees)."""
    look = ((0, 0), (30, 0), (40, 35), (60, 35), (70, 0), (90, 0), (100, -35), (120, -35),
            (130, 0), (HERO_FRAMES, 0))
    frames = []
    for f in range(HERO_FRAMES):
        stride = int(round(2 * math.sin(2 * math.pi * f / HERO_GAIT)))
        breath = 0.5 - 0.5 * math.cos(4 * math.pi * f / HERO_FRAMES)
        rise = round(breath - HERO_HIP_DROP[stride], 3)
        width = round(1 + 0.03 * breath, 3)
        frames.append(("f%d" % f, [
            hero_part("hero_legs_" + stride_name(stride), "legs"),
            hero_part("hero", "torso", rise=rise, width=width),
            hero_part("hero_arms_" + stride_name(stride), "arms", rise=rise),
            hero_part("hero_head", "head", (0, round(keyed(f, look), 2), 0), rise),
        ]))
    return frames


def explosion_frames():
    """Nine steps (216 ms, so the blast is gone before the 10-tick key
    cooldown after a bomb runs out): a white flash, a fireball that swells to
    about 2.6 cells across and spins, sparks flying out and a ring of smoke
    that spreads as everything fades; the pawn then goes. The discs stand
    well in front of the blocks around the blast (the depth buffer has 16
    bits: about a unit apart there), the nearer drawn later, each raised by
    what its nearness lowers it on the screen under the camera's 20 degree
    tilt, so all stay centred on the blast."""
    fire = (0.7, 1.5, 2.0, 2.3, 2.5, 2.6, 2.6, 2.5, 2.4)
    fire_opacity = (100, 100, 100, 95, 85, 70, 50, 30, 15)
    core = ((0.8, 100), (1.3, 100), (1.5, 75), (1.5, 40), (1.4, 15))
    smoke = (None, None, (1.4, 35), (1.9, 55), (2.3, 60), (2.7, 55), (3.0, 45), (3.2, 30), (3.3, 15))
    sparks = (None, (0.8, 100), (1.3, 100), (1.8, 90), (2.3, 75), (2.7, 55), (3.0, 35), (3.2, 15), None)
    at = lambda z: (0, round(z * math.tan(math.radians(20)), 3), z)
    frames = []
    for i in range(9):
        parts = []
        if smoke[i]:
            size, opacity = smoke[i]
            parts.append(part("explosion_smoke", "smoke", (0, 0, -9 * i), at(14), (size, size, 1), opacity))
        size = fire[i]
        parts.append(part("explosion", "fire", (0, 0, 17 * i), at(16), (size, size, 1), fire_opacity[i]))
        if i < len(core):
            size, opacity = core[i]
            parts.append(part("explosion_core", "flash", (0, 0, 0), at(18), (size, size, 1), opacity))
        if sparks[i]:
            size, opacity = sparks[i]
            parts.append(part("explosion_sparks", "sparks", (0, 0, 5 * i), at(20), (size, size, 1), opacity))
        frames.append(("blast%d" % i, parts))
    return frames


def checkpoint_frames(count=8):
    """The red flag waving: its cloth is a row of strips, each hinged on the
    right edge of the one before, with a wave running from the pole to the
    free end, up and down and in and out, one period over the frames. Parts
    turn about their own origins and their offsets are not turned, so each
    strip's offset is where the previous strip's right edge has got to."""
    strips, width = CLOTH_STRIPS, CLOTH_WIDTH / CLOTH_STRIPS
    frames = []
    for f in range(count):
        phase = 2 * math.pi * f / count
        x, y, z = CLOTH_HOOK
        parts = [part("flag_pole", "pole")]
        for i in range(strips):
            lift = (5 + 6 * i) * math.sin(phase - 1.2 * i)  # degrees about z, more towards the end
            swing = (15 + 8 * i) * math.sin(phase - 1.2 * i + 1.0)  # degrees about y
            parts.append(part("flag_cloth", "cloth%d" % i, (0, round(swing, 2), round(lift, 2)),
                              (round(x, 3), round(y, 3), round(z, 3))))
            # The strip is turned about y, then z (drawn as rotate y, then z):
            # its right edge, (width, 0, 0) before turning, ends up here.
            a, b = math.radians(lift), math.radians(swing)
            x += width * math.cos(a) * math.cos(b)
            y += width * math.sin(a)
            z -= width * math.cos(a) * math.sin(b)
        frames.append(("wave%d" % f, parts))
    return frames


BARREL_TURN = 15.0  # degrees a frame: 135 in the 216 ms a barrel takes to roll a cell,
# close to the 127 that a radius of 9 turns through on 20 units


def barrel_frames(sign):
    """Rolling: the barrel turns about its axis, a full turn in 24 frames;
    sign -1 is clockwise as seen by the viewer (rolling right)."""
    return [("roll%d" % i, [part("barrel", angles=(0, 0, sign * BARREL_TURN * i), offset=(0, -1, 0))])
            for i in range(int(360 / BARREL_TURN))]


def bomb_pickup_frames():
    """The bomb bobs on its spot inside a pulsing glowing rim, its fuse
    sparking: 24 frames."""
    frames, size = [], 0.65
    for i in range(24):
        phase = 2 * math.pi * i / 24
        y = round(-3.2 + 0.7 * (1 - math.cos(phase)), 3)
        rim = round(size * (1.15 + 0.05 * math.sin(2 * phase)), 3)
        spark = round(0.8 + 0.35 * abs(math.sin(3 * phase)), 3)
        tip = (round(BOMB_FUSE_TIP[0] * size, 3), round(y + BOMB_FUSE_TIP[1] * size, 3), 1.0)
        frames.append(("glow%d" % i, [
            part("bomb", "bomb", offset=(0, y, 0), stretch=(size, size, size)),
            part("bomb_rim", "rim", offset=(0, y, 0), stretch=(rim, rim, rim)),
            part("bomb_spark", "spark", (0, 0, 37 * i), tip, (spark, spark, 1)),
        ]))
    return frames


def switch(angle):
    return still(part("switch_base", "base"), part("switch_lever", "lever", (0, 0, angle), (0, -8, 0)))


class Template:
    def __init__(self, role, id_, anim, frames, flags=None, textures=()):
        self.role, self.id, self.anim, self.frames = role, id_, anim, frames
        self.flags = dict(flags or {})
        self.textures = list(textures)

    def models(self):
        used = []
        for _, parts in self.frames:
            for p in parts:
                if p[0] not in used:
                    used.append(p[0])
        return used


def texture(name):
    """A texture for a template's TextureList: a JPEG of gamedata/models."""
    return "./gamedata\\models\\%s.jpg" % name


def spare(slot):
    return Template("spare slot, draws nothing", 0, "empty", [])


# Template slots. Slots 4, 5, 15, 16, 21, 31, 32, 33, 36 and 39 are the ones the
# game itself turns pawns into; the others are free for levels to use.
TEMPLATES = {
    0: Template("stone floor and walls", 1, "block", still(part("block")), SOLID),
    1: Template("brick wall", 2, "brick", still(part("brick")), SOLID),
    2: Template("crate: pushed by the hero, slides one cell, falls", 6, "crate", still(part("crate")),
                dict(SOLID, WeightCrate=1, Sliding=1)),
    3: Template("cracked block: a bomb next to the hero turns it into slot 4", 3, "cracked",
                still(part("cracked")), dict(SOLID, Bombable=1)),
    4: Template("rubble left by a blast: nothing blocks", 4, "rubble", still(part("rubble"))),
    5: Template("gate, closed: a solid bridge plate", 5, "gate_closed", still(part("gate_closed")),
                dict(SOLID, SpecialFlag=5)),
    6: Template("ladder cell", 10, "ladder", still(part("ladder")), {"Ladder": 1}),
    7: Template("bomb to pick up", 7, "bomb_pickup", bomb_pickup_frames(),
                {"Collectable": 1, "SpecialFlag": 2}),
    8: Template("barrel: kicked by the hero, rolls until stopped", 8, "barrel",
                still(part("barrel", offset=(0, -1, 0))),
                dict(SOLID, WeightCrate=1, Rolling=1)),
    9: Template("holder: catches a crate in its own cell", 9, "holder", still(part("holder")),
                {"BlocksCrate": 1, "BlocksRock": 1, "SpecialFlag": 1}),
    10: Template("spikes (looks only)", 11, "spikes", still(part("spikes"))),
    11: Template("deadly cell: touching it kills the hero; always invisible", 34, "deadly",
                 still(part("spikes"))),
    12: Template("checkpoint: a waving red flag; reached, it becomes slot 36", 29, "checkpoint",
                 checkpoint_frames()),
    13: Template("exit: Up on this cell finishes the level", 35, "exit", still(part("door"))),
    14: Template("hero (player start)", 14, "hero", hero_frames(), {"WeightHero": 1, "SpecialFlag": 11}),
    15: Template("switch, lever right: thrown, it becomes slot 16 and opens the gates below",
                 15, "switch_on", switch(325), {"SpecialFlag": 15}),
    16: Template("switch, lever left: thrown, it becomes slot 15 and closes the gates below",
                 16, "switch_off", switch(35), {"SpecialFlag": 16}),
    17: Template("metal wall: the block model with its texture replaced", 17, "block",
                 still(part("block")), SOLID, [texture("panel")]),
    18: Template("rock: falls into gaps, rests on what blocks rocks and on the hero's head; "
                 "the hero cannot push it", 18, "rock", still(part("rock")), dict(SOLID, WeightRock=1)),
    19: Template("tall pillar: blocks its own row and the two above, carries what stands on its "
                 "top, 60 units up", 19, "pillar", still(part("pillar")), dict(SOLID, SpecialFlag=20)),
    22: Template("scenery: the sky and a far mountain range (place 500 back)", 30, "scenery_sky",
                 still(part("backdrop_sky"))),
    23: Template("scenery: wooded hills (place 200 back)", 30, "scenery_hills",
                 still(part("backdrop_hills"))),
    24: Template("scenery: the rock face under the level (place 60 back)", 30, "scenery_rock",
                 still(part("backdrop_rock"))),
    # The same layers at dusk and at night, and inside the mine, whose back
    # wall stands in for both the sky and the hills. Where only the colours
    # change, the day's models are drawn with other textures.
    25: Template("scenery at dusk: the sky and the mountains (place 500 back)", 30, "scenery_sky",
                 still(part("backdrop_sky")), textures=[texture("sky_dusk")]),
    26: Template("scenery at dusk: darker hills (place 200 back)", 30, "scenery_hills",
                 still(part("backdrop_hills")), textures=[texture("hills_dusk")]),
    27: Template("scenery at night: the starry sky, the mountains and the moon (place 500 back)",
                 30, "scenery_sky_night", still(part("backdrop_sky_night"))),
    28: Template("scenery at night: dark hills (place 200 back)", 30, "scenery_hills",
                 still(part("backdrop_hills")), textures=[texture("hills_night")]),
    29: Template("scenery in the mine: the timbered back wall with its lamps (place 200 back)", 30,
                 "scenery_mine", still(part("backdrop_mine"))),
    30: Template("scenery at night and in the mine: the rock face under the level in shadow "
                 "(place 60 back)", 30, "scenery_rock", still(part("backdrop_rock")),
                 textures=[texture("cliff_dark")]),
    21: Template("explosion: plays once, then disappears", 21, "explosion", explosion_frames(),
                 {"SpecialFlag": 4}),
    31: Template("loading picture: a moving pawn (flag 30) so that it can fade", 31, "picture",
                 still(part("picture")), {"SpecialFlag": 30}),
    32: Template("barrel rolling left", 32, "barrel_left", barrel_frames(1),
                 dict(SOLID, WeightCrate=1, Rolling=1)),
    33: Template("barrel rolling right", 33, "barrel_right", barrel_frames(-1),
                 dict(SOLID, WeightCrate=1, Rolling=1)),
    36: Template("checkpoint already reached", 36, "checkpoint_reached", still(part("flag_green"))),
    39: Template("gate, open: the bridge plate withdrawn, nothing blocks", 39, "gate_open",
                 still(part("gate_open")), {"SpecialFlag": 5}),
}
for slot in range(40):
    TEMPLATES.setdefault(slot, spare(slot))

def number(v):
    return ("%g" % v) if v != int(v) else str(int(v))


def write_animation(path, template, model_names):
    refs = template.models()
    lines = ["!"] + refs + ["!"]
    for name, parts in template.frames:
        lines += ["#", name]
        for model, label, angles, offset, stretch, opacity in parts:
            lines += ["$", str(refs.index(model)), label]
            lines += [number(v) for v in (*angles, *offset, *stretch, opacity)]
            lines.append("$")
        lines.append("#")
    with open(path, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def keyval(indent, key, value):
    return '%s<KeyVal Key="%s">%s</KeyVal>' % (indent, key, escape(str(value)))


def pawntemp_xml():
    out = ['<?xml version="1.0" encoding="UTF-8"?>', '<Section label="Root">',
           '  <Section label="ModelList">']
    for n, name in enumerate(MODELS):
        out.append(keyval("    ", "Model%d" % n, "./gamedata\\models\\%s.ms3d" % name))
    out += ["  </Section>", '  <Section label="PawnTempList">']
    for slot in range(40):
        t = TEMPLATES[slot]
        out.append("    <!-- %d: %s -->" % (slot, t.role))
        out.append('    <Section label="pawn%d">' % slot)
        out.append(keyval("      ", "ID", t.id))
        out.append(keyval("      ", "Animation", "./gamedata\\anim\\%s.txt" % t.anim))
        refs = t.models()
        if refs:
            out.append('      <Section label="ModelRefList">')
            for k, model in enumerate(refs):
                out.append(keyval("        ", "ModelRef%d" % k, MODELS.index(model)))
            out.append("      </Section>")
        if t.textures:
            out.append('      <Section label="TextureList">')
            for k, path in enumerate(t.textures):
                out.append(keyval("        ", "Texture%d" % k, path))
            out.append("      </Section>")
        for flag in FLAGS:
            out.append(keyval("      ", flag, t.flags.get(flag, 0)))
        out.append("    </Section>")
    out += ["  </Section>", "</Section>"]
    return "\n".join(out) + "\n"


def main():
    anim_dir = os.path.join(DATA, "anim")
    os.makedirs(anim_dir, exist_ok=True)
    written = set()
    for slot in range(40):
        t = TEMPLATES[slot]
        if t.anim not in written:
            write_animation(os.path.join(anim_dir, t.anim + ".txt"), t, MODELS)
            written.add(t.anim)
    with open(os.path.join(DATA, "pawntemp.xml"), "w", newline="\n") as f:
        f.write(pawntemp_xml())


if __name__ == "__main__":
    main()
