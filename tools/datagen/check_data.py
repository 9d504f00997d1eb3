#!/usr/bin/env python3
"""Checks the generated part of gamedata/ the way the game will read it: the
template store, every model, animation file, texture, picture and sound it
leads to, and the template slots the game gives fixed roles. Exits with 1 and
a list of problems when something is wrong. The levels are checked by
korvath-level check, and proven by replaying their solutions."""

import argparse
import json
import os
import struct
import sys
import wave
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # run from the build; leave no caches in the sources
import ms3d  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
FLAGS = ["BlocksCrate", "BlocksHero", "BlocksRock", "WeightCrate", "WeightRock", "WeightHero",
         "Weightless", "Sliding", "Rolling", "Collectable", "Bombable", "Ladder", "SpecialFlag"]
problems = []


def problem(text):
    problems.append(text)


def host(path):
    """A data path ("./gamedata\\models\\x.ms3d") as a path on this machine."""
    return os.path.join(ROOT, path.replace("\\", "/"))


class Store:
    """Sections and keys as the game's store finds them: first match wins."""

    def __init__(self, name):
        self.root = ET.parse(os.path.join(ROOT, "gamedata", name)).getroot()
        if self.root.tag != "Section" or self.root.get("label") != "Root":
            problem("%s: the document element must be Section label=\"Root\"" % name)

    def section(self, path):
        node = self.root
        for label in path.split("\\"):
            node = next((s for s in node.findall("Section") if s.get("label") == label), None)
            if node is None:
                return None
        return node

    def get(self, path, key):
        node = self.section(path)
        if node is None:
            return None
        hit = next((k for k in node.findall("KeyVal") if k.get("Key") == key), None)
        return None if hit is None else (hit.text or "")

    def numbered(self, path, fmt, start=0, limit=90):
        values = []
        for n in range(start, limit + 1):
            v = self.get(path, fmt % n)
            if v is None:
                break
            values.append(v)
        return values


def jpeg_facts(path):
    """(width, height, components, progressive) from the frame header."""
    data = open(path, "rb").read()
    if data[:2] != b"\xff\xd8":
        raise ValueError("not a JPEG")
    pos = 2
    while pos + 4 <= len(data):
        marker, length = data[pos + 1], struct.unpack(">H", data[pos + 2:pos + 4])[0]
        if marker in (0xC0, 0xC1, 0xC2):
            h, w, comps = struct.unpack(">HHB", data[pos + 5:pos + 10])
            return w, h, comps, marker == 0xC2
        pos += 2 + length
    raise ValueError("no frame header")


def check_jpeg(path, what):
    if not os.path.isfile(path):
        problem("%s: %s is missing" % (what, path))
        return
    try:
        w, h, comps, progressive = jpeg_facts(path)
    except ValueError as e:
        problem("%s: %s: %s" % (what, path, e))
        return
    pow2 = lambda n: n & (n - 1) == 0
    if comps != 3 or progressive or not (pow2(w) and pow2(h)):
        problem("%s: %s must be a baseline RGB JPEG with power-of-two sides" % (what, path))
    if max(w, h) > 4096:
        problem("%s: %s is %dx%d; the game refuses pictures over 4096 a side" % (what, path, w, h))


def check_model(slot, path):
    try:
        model = ms3d.read(host(path))
    except (OSError, ValueError) as e:
        problem("Model%d: %s" % (slot, e))
        return 0
    if len(model.trailing) != 14:
        problem("Model%d: %d bytes follow the materials, expected the 14-byte tail" % (
            slot, len(model.trailing)))
    for indices, normals, _, _ in model.triangles:
        if max(indices) >= len(model.vertices):
            problem("Model%d: a triangle indexes past the vertices" % slot)
            break
        corners = [model.vertices[i] for i in indices]
        face = ms3d.face_normal(*corners)
        if any(sum(a * b for a, b in zip(face, n)) <= 0 for n in normals):
            problem("Model%d: a triangle faces away from its normals (culled)" % slot)
            break
    for indices, material in model.groups:
        if max(indices, default=0) >= len(model.triangles) or material >= len(model.materials):
            problem("Model%d: a group indexes past the triangles or materials" % slot)
    folder = os.path.dirname(host(path))
    for texture in model.materials:
        if texture.startswith(".\\"):
            check_jpeg(os.path.join(folder, texture[2:]), "Model%d texture" % slot)
        elif texture:
            check_jpeg(host(texture), "Model%d texture" % slot)
    return 1


def read_animation(path):
    """Frames as lists of model references, read like the game reads them."""
    lines = open(path, newline="").read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if any("\r" in line for line in lines):
        raise ValueError("carriage returns")
    if not lines or lines[0] != "!" or "!" not in lines[1:]:
        raise ValueError("no model block")
    pos, frames = lines.index("!", 1) + 1, []
    while pos < len(lines):
        if lines[pos] != "#":
            pos += 1
            continue
        frame, pos = [], pos + 2
        while lines[pos] != "#":
            if lines[pos] == "$":
                block = lines[pos + 1:pos + 14]
                if len(block) != 13 or block[12] != "$":
                    raise ValueError("a part block without exactly twelve value lines")
                frame.append(int(block[0]))
                [float(v) for v in block[2:12]]
                pos += 13
            pos += 1
        frames.append(frame)
        pos += 1
    return frames


def check_templates(store, model_count):
    templates = {}
    for n in range(91):
        section = "PawnTempList\\pawn%d" % n
        tid = store.get(section, "ID")
        if tid is None:
            break
        t = {f: int(store.get(section, f) or 0) for f in FLAGS}
        missing = [f for f in FLAGS if store.get(section, f) is None]
        if missing:
            problem("pawn%d: missing %s" % (n, ", ".join(missing)))
        t["ID"] = int(tid)
        refs = [int(v) for v in store.numbered(section + "\\ModelRefList", "ModelRef%d")]
        t["ModelRefs"] = refs
        for r in refs:
            if not 0 <= r < model_count:
                problem("pawn%d: model slot %d is not in the model list" % (n, r))
        for path in store.numbered(section + "\\TextureList", "Texture%d"):
            check_jpeg(host(path), "pawn%d texture" % n)
        anim = store.get(section, "Animation") or ""
        try:
            t["Frames"] = read_animation(host(anim))
        except (OSError, ValueError, IndexError) as e:
            problem("pawn%d: animation %s: %s" % (n, anim, e or "ends inside a block"))
            t["Frames"] = []
        for frame in t["Frames"]:
            if any(not 0 <= r < len(refs) for r in frame):
                problem("pawn%d: a part names a model reference it does not list" % n)
        templates[n] = t
    return templates


def check_roles(t):
    def need(slot, ok, text):
        if slot not in t or not ok(t[slot]):
            problem("template slot %d: %s" % (slot, text))

    blocks = lambda x: x["BlocksHero"] or x["BlocksCrate"] or x["BlocksRock"]
    need(4, lambda x: not blocks(x) and x["ID"] != 3, "what a blast leaves must not be ID 3")
    need(5, lambda x: x["SpecialFlag"] == 5, "a gate needs SpecialFlag 5")
    need(39, lambda x: x["SpecialFlag"] == 5, "a gate needs SpecialFlag 5")
    if 5 in t and 39 in t and bool(blocks(t[5])) == bool(blocks(t[39])):
        problem("template slots 5 and 39: exactly one gate state must block")
    need(15, lambda x: x["ID"] == 15 and x["SpecialFlag"] == 15, "switch needs ID 15, SpecialFlag 15")
    need(16, lambda x: x["ID"] == 16 and x["SpecialFlag"] == 16, "switch needs ID 16, SpecialFlag 16")
    need(21, lambda x: x["ID"] == 21 and x["SpecialFlag"] == 4 and len(x["Frames"]) > 1,
         "the explosion needs ID 21, SpecialFlag 4 and several frames")
    need(21, lambda x: len(x["Frames"]) * ANIMATION_STEP < 10 * TICK,
         "the explosion (a frame every %d ms) must be over within the %d ms key cooldown "
         "after a bomb" % (ANIMATION_STEP, 10 * TICK))
    need(31, lambda x: x["SpecialFlag"] == 30 and not blocks(x) and len(x["Frames"]) == 1,
         "the loading picture needs SpecialFlag 30, one frame, and must not block")
    need(32, lambda x: x["ID"] == 32 and x["Rolling"], "needs ID 32 and Rolling")
    need(33, lambda x: x["ID"] == 33 and x["Rolling"], "needs ID 33 and Rolling")
    need(36, lambda x: x["ID"] != 29, "a reached checkpoint must not be ID 29 again")
    if not any(x["SpecialFlag"] == 11 and x["WeightHero"] for x in t.values()):
        problem("no hero template (SpecialFlag 11 with WeightHero)")


TICK = 27  # ms of one game tick
ANIMATION_STEP = 24  # ms each animation frame is shown
# The shortest time after which the game can play each effect again. A sound
# that is still playing is not restarted, so an effect must end within it.
REPEAT_MS = {
    "bomb_collect": 4 * TICK,  # bombs picked up one per cell while falling (4 ticks a cell)
    "checkpoint": 8 * TICK,  # checkpoints in neighbouring cells: one walk (8 ticks)
    "dead": 10 * TICK,  # a death, then the reset key once its 10-tick cooldown is over
    "explode": 3 * 10 * TICK,  # three copies take turns; a bomb every 10 ticks
    "pop_holder": 4 * TICK,  # crates dropping into holders one fall step apart
    "switch": 8 * TICK,  # the key cooldown after a switch
    "barrel_hit": 8 * TICK,  # a rolling barrel moves a cell in 8 ticks
    "barrel_roll": 8 * TICK,  # a kick, then a hit one cell further on
    "sliding": 8 * TICK,  # one push per walk
    "finish": 2001,  # the next stage's music replaces it after the phase timer
}


# The whole data folder: five stage tunes of about 1 MB each and 1.5 MB of
# everything else, with room for the campaign's levels.
DATA_BUDGET_MB = 8


def samples(w):
    data = w.readframes(w.getnframes())
    return struct.unpack("<%dh" % (len(data) // 2), data)[::w.getnchannels()]


def check_loop_seam(name, s):
    """A looped tune must join its end to its start without a click: across
    the seam the level and the slope may change no more than they do between
    neighbouring samples just before and after it."""
    edge = 64
    steps = [b - a for a, b in zip(s[-edge:], s[-edge + 1:])] + [b - a for a, b in zip(s[:edge], s[1:edge])]
    bends = [b - a for a, b in zip(steps, steps[1:])]
    limit_step = max(256, max(abs(d) for d in steps))
    limit_bend = max(256, max(abs(d) for d in bends))
    step = s[0] - s[-1]
    if abs(step) > limit_step or abs(step - (s[-1] - s[-2])) > limit_bend or \
            abs((s[1] - s[0]) - step) > limit_bend:
        problem("%s.wav: the loop seam jumps from %d to %d (a click)" % (name, s[-1], s[0]))


def level_files(store, names):
    """The pictures and the sound files the game loads, as paths on this
    machine: every sound slot's start-up file, the finishing sound, each
    level's loading picture and music (its own, or the numbered default), the
    end picture, and every numbered picture and tune in the folder, so that
    none waits unchecked for a level to name it."""
    data = os.path.join(ROOT, "gamedata")
    pictures, sounds = [], [host(slot["file"]) for slot in names["sounds"]] + [host(names["finish"])]
    count = 0
    while store.section("Level%d" % (count + 1)) is not None:
        count += 1
        section = "Level%d" % count
        picture, music = store.get(section, "Picture"), store.get(section, "Music")
        pictures.append(os.path.join(data, picture) if picture else
                        os.path.join(data, "loading%d.jpg" % count))
        sounds.append(os.path.join(data, music) if music else host(names["stage"] % count))
    pictures.append(os.path.join(data, "demo_end.jpg"))
    pictures += sorted(os.path.join(data, f) for f in os.listdir(data)
                       if f.startswith("loading") and f.endswith(".jpg"))
    sound_dir = os.path.join(data, "sound")
    sounds += sorted(os.path.join(sound_dir, f) for f in os.listdir(sound_dir)
                     if f.startswith("stage") and f.endswith(".wav"))
    unique = lambda paths: list(dict.fromkeys(os.path.normpath(p) for p in paths))
    return unique(pictures), unique(sounds)


def check_sounds(paths):
    for path in paths:
        name = os.path.splitext(os.path.basename(path))[0]
        try:
            with wave.open(path) as w:
                ok = w.getsampwidth() == 2 and w.getnchannels() in (1, 2) and \
                    w.getframerate() in (22050, 44100)
                length = w.getnframes() / w.getframerate()
                s = samples(w) if ok else ()
        except (OSError, wave.Error) as e:
            problem("%s.wav: %s" % (name, e))
            continue
        if not ok:
            problem("%s.wav: must be 16-bit PCM, mono or stereo, 22050 or 44100 Hz" % name)
        if name.startswith("stage"):
            if not 20 <= length <= 40:
                problem("%s.wav: stage music should last 20 to 40 s, not %.1f" % (name, length))
            if len(s) > 128:
                check_loop_seam(name, s)
        elif name not in REPEAT_MS:
            problem("%s.wav: an effect the check does not know; give it its shortest repeat" % name)
        elif length * 1000 > 0.9 * REPEAT_MS[name]:
            problem("%s.wav: %d ms; it must end within 90%% of its shortest repeat, %d ms" % (
                name, length * 1000, REPEAT_MS[name]))


def main():
    parser = argparse.ArgumentParser(description="Checks the generated game data.")
    parser.add_argument("--names", default=os.path.join(ROOT, "build", "shared_names.json"),
                        help="the key and sound names the build wrote (shared_names.json)")
    try:
        with open(parser.parse_args().names) as f:
            names = json.load(f)
    except OSError as e:
        print("problem: %s; build the game first (it writes the names)" % e)
        return 1
    pawntemp = Store("pawntemp.xml")
    models = pawntemp.numbered("ModelList", "Model%d")
    loaded = sum(check_model(n, path) for n, path in enumerate(models))
    if len(models) < 35 or loaded != len(models):
        problem("ModelList: slots 0..34 must all load (the bomb gauge draws 1 and 34)")
    templates = check_templates(pawntemp, len(models))
    check_roles(templates)
    pictures, sounds = level_files(Store("levels.xml"), names)
    for picture in pictures:
        check_jpeg(picture, "picture")
    check_sounds(sounds)
    size = sum(os.path.getsize(os.path.join(d, f)) for d, _, fs in os.walk(os.path.join(ROOT, "gamedata"))
               for f in fs)
    if size > DATA_BUDGET_MB << 20:
        problem("gamedata is %.1f MB; keep it under %d MB" % (size / 1048576, DATA_BUDGET_MB))
    for p in problems:
        print("problem:", p)
    print("%d models, %d templates, %.2f MB: %s" % (
        len(models), len(templates), size / 1048576,
        "ok" if not problems else "%d problems" % len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
