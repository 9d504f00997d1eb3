#!/usr/bin/env python3
"""Writes the game's MS3D models into gamedata/models/.

Every model sits centred in one 20-unit cell (x and y from -10 to 10, the
floor of the cell at y = -10) unless it says otherwise. Textures are named
".\\name.jpg" so the game looks for them beside the model file; make_textures.sh
draws them.
"""

import math
import os
import random
import sys

from ms3d import Material, Mesh, write

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "gamedata", "models")


def tex(name):
    return ".\\" + name + ".jpg"


def single_box(name, texture, half=10.0, y0=-10.0, y1=10.0, ambient=(0.6, 0.6, 0.6)):
    mesh = Mesh()
    g = mesh.material(Material(name, tex(texture), ambient))
    mesh.box(g, -half, half, y0, y1, -half, half)
    return mesh


def crate():
    return single_box("crate", "crate", half=9.0, y0=-10.0, y1=8.0)


def barrel():
    """A barrel lying along z, centred on its axis so that frames can turn it
    about the axis; they lower it by a unit onto its cell's floor. The lid's
    bung and stencil show which way it turns."""
    mesh = Mesh()
    side = mesh.material(Material("stave", tex("barrel")))
    cap = mesh.material(Material("lid", tex("barrel_lid")))
    mesh.cylinder_z(side, cap, 0.0, 0.0, 9.0, -8.0, 8.0, segments=20)
    return mesh


def ladder():
    mesh = Mesh()
    g = mesh.material(Material("wood", tex("wood")))
    for x in (-7.0, 5.0):
        mesh.box(g, x, x + 2.0, -10.0, 10.0, -6.0, -4.0)
    for y in (-7.5, -1.0, 5.5):
        mesh.box(g, -5.0, 5.0, y, y + 1.5, -5.5, -4.5)
    return mesh


def bomb():
    """Centred on its origin so the bomb gauge can spin it in place. The gauge
    draws it at a quarter size (5 units across, as far apart as the bombs);
    the pick-up draws it at 0.65. A brass cap, and a fuse whose tip is at
    BOMB_FUSE_TIP."""
    mesh = Mesh()
    shell = mesh.material(Material("shell", tex("bomb")))
    cap = mesh.material(Material("cap", tex("gold"), emissive=(0.2, 0.15, 0.0)))
    fuse = mesh.material(Material("fuse", tex("fuse"), emissive=(0.6, 0.3, 0.0)))
    mesh.sphere(shell, 0.0, 0.0, 0.0, 10.0, 16, 10)
    mesh.cylinder_y(cap, cap, 0.0, 0.0, 3.2, 8.0, 11.0, segments=10)
    mesh.box(fuse, -0.8, 0.8, 11.0, 13.0, -0.8, 0.8)
    mesh.box(fuse, -0.8, 2.4, 13.0, 14.6, -0.8, 0.8)
    return mesh


BOMB_FUSE_TIP = (2.4, 14.6)


def bomb_rim():
    """The bomb's shell again, a little larger and turned inside out, self-lit:
    drawn round the bomb it shows as a glowing rim."""
    mesh = Mesh()
    glow = mesh.material(Material("rim", tex("rim"), (1, 1, 1), emissive=(1.0, 0.8, 0.4)))
    shell = Mesh()
    shell.material(Material("shell"))
    shell.sphere(0, 0.0, 0.0, 0.0, 10.0, 16, 10)
    turned_inside_out(mesh, glow, shell)
    return mesh


def bomb_spark():
    """The burning tip of the fuse: a small star facing the viewer."""
    mesh = Mesh()
    g = mesh.material(Material("spark", tex("flash"), (1, 1, 1), emissive=(1, 1, 1)))
    flat_star(mesh, g, [3.0, 1.1, 2.2, 1.1] * 3)
    return mesh


def spikes():
    mesh = Mesh()
    plate = mesh.material(Material("plate", tex("metal")))
    point = mesh.material(Material("spike", tex("spike")))
    mesh.box(plate, -10.0, 10.0, -10.0, -8.0, -8.0, 8.0)
    for x in (-6.0, 0.0, 6.0):
        for z in (-4.0, 4.0):
            mesh.pyramid(point, x, z, 2.8, -8.0, 4.0)
    return mesh


def door():
    """The exit: a stone doorway at the back of its cell, taller than a cell,
    whose opening is a dark passage (an opaque plane at z = -9). Entering, the
    hero walks to z = -20 behind that plane; seen from the camera above, all
    of him there, head and helmet included, lies within the plane's 15 by 26
    units, so nothing of him shows around the door."""
    mesh = Mesh()
    stone = mesh.material(Material("stone", tex("door_stone")))
    dark = mesh.material(Material("passage", tex("doorway")))
    glow = mesh.material(Material("glow", tex("exit_glow"), emissive=(0.2, 0.6, 0.25)))
    mesh.quad(dark, ((-7.5, -10.0, -9.0), (7.5, -10.0, -9.0), (7.5, 16.0, -9.0), (-7.5, 16.0, -9.0)))
    mesh.box(stone, -9.8, -7.5, -10.0, 10.5, -9.5, -5.0)
    mesh.box(stone, 7.5, 9.8, -10.0, 10.5, -9.5, -5.0)
    mesh.box(stone, -10.0, 10.0, 10.5, 16.5, -9.5, -4.6)
    mesh.box(stone, -7.5, 7.5, -10.0, -9.4, -9.0, -5.0)
    mesh.box(glow, -7.5, -6.9, -9.4, 10.5, -8.6, -6.0)
    mesh.box(glow, 6.9, 7.5, -9.4, 10.5, -8.6, -6.0)
    mesh.box(glow, -7.5, 7.5, 9.9, 10.5, -8.6, -6.0)
    mesh.box(glow, -1.6, 1.6, 16.5, 18.0, -7.4, -5.2)
    return mesh


def switch_base():
    mesh = Mesh()
    g = mesh.material(Material("base", tex("metal")))
    mesh.box(g, -5.0, 5.0, -10.0, -7.0, -4.0, 0.0)
    return mesh


def switch_lever():
    """Pivots at its origin: frames turn it about z to show the position."""
    mesh = Mesh()
    stick = mesh.material(Material("stick", tex("metal")))
    knob = mesh.material(Material("knob", tex("knob"), emissive=(0.3, 0.05, 0.05)))
    mesh.box(stick, -0.8, 0.8, 0.0, 10.0, -2.8, -1.2)
    mesh.box(knob, -1.8, 1.8, 10.0, 13.0, -3.8, -0.2)
    return mesh


def gate_closed():
    """A bridge plate that fills its cell of the floor row."""
    mesh = Mesh()
    g = mesh.material(Material("grate", tex("grate")))
    mesh.box(g, -10.0, 10.0, 4.0, 10.0, -10.0, 10.0)
    mesh.box(g, -10.0, -7.0, -10.0, 4.0, -10.0, 10.0)
    mesh.box(g, 7.0, 10.0, -10.0, 4.0, -10.0, 10.0)
    return mesh


def gate_open():
    """Only the brackets of the withdrawn bridge plate stay."""
    mesh = Mesh()
    g = mesh.material(Material("bracket", tex("grate")))
    mesh.box(g, -10.0, -7.0, -10.0, 10.0, -10.0, 10.0)
    mesh.box(g, 7.0, 10.0, -10.0, 10.0, -10.0, 10.0)
    return mesh


def holder():
    """A cradle in yellow and black hazard paint that reads as a device even
    with a crate in it: a U-shaped frame on the front and back faces of its
    cell, joined by rails along its bottom edges, and slats just under the
    cell's floor that show it as a grate over what lies below. Everything
    stays clear of a crate in the cell (x and z within 9, y from -10)."""
    mesh = Mesh()
    g = mesh.material(Material("cradle", tex("hazard"), (0.8, 0.8, 0.8), emissive=(0.25, 0.2, 0.0)))
    rail, post, face = 2.5, 1.8, 9.2
    for z0, z1 in ((face, 10.0), (-10.0, -face)):
        planar_box(mesh, g, -10.0, 10.0, -10.0, -10.0 + rail, z0, z1, 10.0)
        for x0 in (-10.0, 10.0 - post):
            planar_box(mesh, g, x0, x0 + post, -10.0 + rail, 10.0, z0, z1, 10.0)
    for x0 in (-10.0, face):
        planar_box(mesh, g, x0, x0 + 10.0 - face, -10.0, -10.0 + rail, -face, face, 10.0)
    for x in (-5.0, 0.0, 5.0):
        planar_box(mesh, g, x - 1.0, x + 1.0, -11.2, -10.0, -face, face, 10.0)
    return mesh


# Where the cloth hangs on the flag pole: its left edge, halfway up, in the
# middle of its thickness. The checkpoint's waving cloth is built from there.
CLOTH_HOOK = (-4.5, 6.5, -3.25)
CLOTH_WIDTH, CLOTH_HEIGHT, CLOTH_THICKNESS = 9.5, 7.0, 0.7
CLOTH_STRIPS = 5


def pole_boxes(mesh, pole):
    mesh.box(pole, -6.0, -4.5, -10.0, 10.0, -4.0, -2.5)
    mesh.box(pole, -8.0, -2.5, -10.0, -8.5, -5.5, -1.0)


def flag(texture):
    """A still flag: pole, foot and cloth in one model (the reached checkpoint)."""
    mesh = Mesh()
    pole = mesh.material(Material("pole", tex("metal")))
    cloth = mesh.material(Material("cloth", tex(texture), emissive=(0.15, 0.15, 0.15)))
    pole_boxes(mesh, pole)
    x, y, z = CLOTH_HOOK
    h, t = CLOTH_HEIGHT / 2, CLOTH_THICKNESS / 2
    mesh.box(cloth, x, x + CLOTH_WIDTH, y - h, y + h, z - t, z + t)
    return mesh


def flag_pole():
    """The pole and foot of the waving checkpoint flag, where the still flags
    have theirs."""
    mesh = Mesh()
    pole_boxes(mesh, mesh.material(Material("pole", tex("metal"))))
    return mesh


def flag_cloth(strips):
    """One vertical strip of the checkpoint's red cloth, hinged on its left
    edge at its origin: the checkpoint draws `strips` of them side by side, each
    turned a little differently in each frame, so the cloth waves. Each strip is
    a little wider than its share so the seams stay closed when turned."""
    mesh = Mesh()
    cloth = mesh.material(Material("cloth", tex("flag_red"), emissive=(0.15, 0.15, 0.15)))
    w, h, t = CLOTH_WIDTH / strips, CLOTH_HEIGHT / 2, CLOTH_THICKNESS / 2
    mesh.box(cloth, -0.5, w + 0.5, -h, h, -t, t)
    return mesh


def rubble():
    """Broken stones heaped against the back of the cell, behind where the
    hero stands: he walks through a blasted cell in front of its rubble,
    and rubble left over his head stays behind his helmet."""
    mesh = Mesh()
    g = mesh.material(Material("rubble", tex("cracked")))
    for x0, x1, y1, z0 in ((-9.0, -3.0, -4.0, -10.0), (-4.0, 3.0, -6.0, -9.5), (2.0, 9.0, -3.0, -10.0),
                           (-6.5, -1.0, -7.5, -7.5), (1.0, 6.5, -7.0, -7.5)):
        mesh.box(g, x0, x1, -10.0, y1, z0, z0 + 4.0 if z0 < -9 else -4.5)
    return mesh


# The hero is built from parts that all have their origin at the centre of
# his cell: the game turns each part of a pawn about the part's own origin, so
# parts built this way turn together when he faces left, right or away. Every
# part has a dark outline: a slightly larger copy of each box, turned inside
# out, of which only the far side shows, around the silhouette.
OUTLINE = 0.45
# The stride poses of the legs and arms, in steps of HERO_STRIDE_STEP degrees
# about the hips and shoulders (legs forward and back, along the way he
# faces); HERO_HIP_DROP[s] is how far the hips sink in pose s so the soles stay
# on the floor, which the animation applies to the torso, head and arms.
HERO_STRIDES = (-2, -1, 0, 1, 2)
HERO_STRIDE_STEP = 13.0
HIP, SHOULDER = (-2.8, 0.0), (3.6, 0.0)  # pivots (y, z)


def turned_inside_out(mesh, group, shape):
    """Adds the triangles of another mesh with their faces pointing inwards:
    drawn around a part, the far side of such a shell shows as an outline."""
    for indices, normals, uvs in shape.triangles:
        corners = [shape.vertices[i] for i in indices]
        mesh.triangle(group, corners[::-1], uvs[::-1], [tuple(-v for v in n) for n in normals[::-1]])


def inside_out(mesh, group, x0, x1, y0, y1, z0, z1):
    box = Mesh()
    box.material(Material("box"))
    box.box(0, x0, x1, y0, y1, z0, z1)
    turned_inside_out(mesh, group, box)


def outlined_box(mesh, group, outline, x0, x1, y0, y1, z0, z1, front_group=None):
    mesh.box(group, x0, x1, y0, y1, z0, z1, front_group=front_group)
    t = OUTLINE
    inside_out(mesh, outline, x0 - t, x1 + t, y0 - t, y1 + t, z0 - t, z1 + t)


def turn_about_x(mesh, first_vertex, first_triangle, pivot, degrees):
    """Turns what was added since the given counts about the x axis through
    pivot (y, z); positive degrees swing what hangs below the pivot forwards."""
    a = math.radians(-degrees)
    c, s = math.cos(a), math.sin(a)
    py, pz = pivot
    for i in range(first_vertex, len(mesh.vertices)):
        x, y, z = mesh.vertices[i]
        y, z = y - py, z - pz
        mesh.vertices[i] = (x, py + y * c - z * s, pz + y * s + z * c)
    for i in range(first_triangle, len(mesh.triangles)):
        indices, normals, uvs = mesh.triangles[i]
        normals = [(n[0], n[1] * c - n[2] * s, n[1] * s + n[2] * c) for n in normals]
        mesh.triangles[i] = (indices, normals, uvs)


def hero_outline(mesh):
    return mesh.material(Material("outline", tex("outline"), (0, 0, 0)))


def hero():
    """The hero's torso: a red shirt under blue dungarees; the front looks
    towards +z."""
    mesh = Mesh()
    side = mesh.material(Material("shirt", tex("hero_side")))
    front = mesh.material(Material("front", tex("hero_front")))
    outlined_box(mesh, side, hero_outline(mesh), -4.3, 4.3, -3.4, 4.6, -2.6, 2.6, front_group=front)
    return mesh


def hero_head():
    """Head, miner's helmet and its lamp; it turns about the hero's axis."""
    mesh = Mesh()
    skin = mesh.material(Material("skin", tex("skin")))
    face = mesh.material(Material("face", tex("face")))
    helmet = mesh.material(Material("helmet", tex("helmet"), emissive=(0.1, 0.08, 0.0)))
    lamp = mesh.material(Material("lamp", tex("lamp"), (1, 1, 1), emissive=(1.0, 0.95, 0.7)))
    outline = hero_outline(mesh)
    mesh.box(skin, -1.6, 1.6, 4.2, 5.2, -1.6, 1.6)
    outlined_box(mesh, skin, outline, -3.5, 3.5, 4.8, 8.8, -3.1, 3.1, front_group=face)
    outlined_box(mesh, helmet, outline, -4.1, 4.1, 8.4, 10.0, -3.7, 3.5)
    outlined_box(mesh, helmet, outline, -4.1, 4.1, 8.4, 8.9, 3.5, 4.4)
    mesh.box(lamp, -1.3, 1.3, 8.9, 10.0, 3.5, 4.3)
    return mesh


def hero_limb_pair(upper, lower, pivot, swing, stride):
    """A left and a right limb, each an upper and a lower outlined box given
    for the right side as (material, texture, x0, x1, y0, y1, z0, z1), swung
    about the pivot by `swing` times the stride's angle, the left one back."""
    mesh = Mesh()
    parts = [(mesh.material(Material(name, tex(texture))), box) for name, texture, *box in
             (upper, lower)]
    outline = hero_outline(mesh)
    for side in (1, -1):
        v, t = len(mesh.vertices), len(mesh.triangles)
        for material, (x0, x1, y0, y1, z0, z1) in parts:
            xa, xb = sorted((side * x0, side * x1))
            outlined_box(mesh, material, outline, xa, xb, y0, y1, z0, z1)
        turn_about_x(mesh, v, t, pivot, swing * side * stride * HERO_STRIDE_STEP)
    return mesh


def hero_arms(stride):
    """Both arms, swung against the legs of the same stride pose."""
    return hero_limb_pair(("sleeve", "shirt", 4.4, 6.4, -0.2, 4.4, -1.3, 1.3),
                          ("glove", "glove", 4.3, 6.5, -2.0, -0.2, -1.4, 1.4),
                          SHOULDER, -0.8, stride)


def hero_hip_drop(stride):
    """How far the hips sink in a stride pose: the legs swing about them, so
    the middle of the lower sole would rise off the floor."""
    return -(-10.0 - HIP[0]) * (1 - math.cos(math.radians(stride * HERO_STRIDE_STEP)))


def hero_legs(stride):
    """Both legs in one stride pose, lowered by the hip drop so the soles
    rest on the cell's floor (toe and heel dip into it a little)."""
    mesh = hero_limb_pair(("trousers", "pants", 0.6, 3.6, -7.6, HIP[0] + 0.4, -1.6, 1.6),
                          ("boot", "boot", 0.4, 3.8, -10.0, -7.6, -1.9, 2.6),
                          HIP, 1, stride)
    drop = hero_hip_drop(stride)
    mesh.vertices = [(x, y - drop, z) for x, y, z in mesh.vertices]
    return mesh


HERO_HIP_DROP = {s: round(hero_hip_drop(s), 3) for s in HERO_STRIDES}


def stride_name(s):
    return "%s%d" % ("m" if s < 0 else "p", abs(s)) if s else "0"


def rock():
    """A boulder filling most of its cell: a flat-bottomed lump of rough
    facets, the same shape on every run."""
    mesh = Mesh()
    g = mesh.material(Material("rock", tex("rock")))
    rng = random.Random(18)
    bumps = {}

    def bump(i, j):
        if (i, j) not in bumps:
            bumps[i, j] = rng.uniform(0.86, 1.02)
        return bumps[i, j]

    mesh.lump(g, 0.0, -1.0, 0.0, (9.8, 9.6, 9.0), bump, floor=-10.0)
    return mesh


def pillar():
    """A stone column three cells tall, standing on its cell's floor (y from
    -10 to 50): a plinth, a fluted shaft, a collar and a square capital whose
    top is the floor of the third cell above."""
    mesh = Mesh()
    stone = mesh.material(Material("block", tex("stone")))
    shaft = mesh.material(Material("shaft", tex("pillar")))
    mesh.box(stone, -9.0, 9.0, -10.0, -6.0, -9.0, 9.0)
    mesh.box(stone, -7.5, 7.5, -6.0, -4.5, -7.5, 7.5)
    mesh.cylinder_y(shaft, stone, 0.0, 0.0, 6.0, -4.5, 43.5, segments=12)
    mesh.box(stone, -7.5, 7.5, 43.5, 45.0, -7.5, 7.5)
    mesh.box(stone, -9.5, 9.5, 45.0, 50.0, -9.5, 9.5)
    return mesh


def flat_star(mesh, group, radii):
    """A flat polygon facing +z around the origin, one corner for each radius
    (going round anticlockwise), textured as a disc: its middle is the
    texture's middle."""
    n = len(radii)
    ring = [(r * math.cos(2 * math.pi * i / n), r * math.sin(2 * math.pi * i / n)) for i, r in enumerate(radii)]
    size = 2 * max(radii)
    uv = lambda p: (0.5 + p[0] / size, 0.5 - p[1] / size)
    for p, q in zip(ring, ring[1:] + ring[:1]):
        mesh.triangle(group, ((0.0, 0.0, 0.0), (p[0], p[1], 0.0), (q[0], q[1], 0.0)),
                      (uv((0, 0)), uv(p), uv(q)))


def explosion():
    """The fireball: a flat, jagged disc of radius 10 facing the viewer; the
    frames grow it, spin it and fade it."""
    mesh = Mesh()
    fire = mesh.material(Material("fire", tex("fire"), (1.0, 0.7, 0.3), emissive=(1.0, 0.8, 0.5)))
    flat_star(mesh, fire, [10.0 if i % 2 == 0 else 6.5 + 1.5 * (i % 4 == 1) for i in range(24)])
    return mesh


def explosion_core():
    """The white flash at the heart of the blast, radius 6."""
    mesh = Mesh()
    g = mesh.material(Material("flash", tex("flash"), (1, 1, 1), emissive=(1, 1, 1)))
    flat_star(mesh, g, [6.0] * 20)
    return mesh


def explosion_smoke():
    """A ring of billowing smoke round the blast, radius about 10."""
    mesh = Mesh()
    g = mesh.material(Material("smoke", tex("smoke"), (0.4, 0.4, 0.4), emissive=(0.3, 0.3, 0.3)))
    flat_star(mesh, g, [9.0 + 1.2 * abs(math.sin(5 * math.pi * i / 30)) for i in range(30)])
    return mesh


def explosion_sparks():
    """Twelve sparks pointing outwards between radius 8 and 12; stretched
    by the frames, they fly out."""
    mesh = Mesh()
    g = mesh.material(Material("spark", tex("flash"), (1, 1, 1), emissive=(1, 0.9, 0.5)))
    for i in range(12):
        a = 2 * math.pi * (i + 0.3 * (i % 3)) / 12
        c, s = math.cos(a), math.sin(a)
        r0, r1, w = 8.0 + (i % 2) * 1.5, 12.0 + (i % 3), 0.7
        corners = ((r0 * c + w * s, r0 * s - w * c, 0.0), (r1 * c, r1 * s, 0.0), (r0 * c - w * s, r0 * s + w * c, 0.0))
        mesh.triangle(g, corners, ((0.5, 1), (0.5, 0), (0.5, 1)))
    return mesh


def gauge_bar():
    """The bomb gauge's bar, a gold tab with a rounded right end. Only that
    end slides into view, with the bombs in front of it: at rest (no bombs)
    it stays just beyond the left edge of the view, and with each bomb it
    reaches about 4 units past the last one. The game draws it 3 units
    above the bombs but 10 units behind them, which on the screen puts its
    middle behind theirs."""
    mesh = Mesh()
    g = mesh.material(Material("bar", tex("gold"), emissive=(0.4, 0.3, 0.0)))
    end, radius, middle = 37.0, 4.0, 0.0
    mesh.box(g, -60.0, end - radius, middle - radius, middle + radius, -1.0, 1.0)
    mesh.cylinder_z(g, g, end - radius, middle, radius, -1.0, 1.0, segments=16)
    return mesh


def picture():
    """A flat quad facing the viewer that the game puts a loading picture on.

    The picture pawn is drawn with stretch 7 at y -220, z -160 under a camera
    300 units away with a 45 degree vertical field at 4:3: the view there is
    about 381 by 508 units around y = 0, that is model x within +-36.3 and
    model y from 4.2 to 58.6. The quad is a little larger so no edge shows.
    """
    mesh = Mesh()
    g = mesh.material(Material("picture", tex("picture_blank"), (1, 1, 1), emissive=(1, 1, 1)))
    x, y0, y1 = 37.5, 3.4, 59.4
    mesh.quad(g, ((-x, y0, 0.0), (x, y0, 0.0), (x, y1, 0.0), (-x, y1, 0.0)))
    return mesh


# Scenery: three layers far behind the play plane, drawn by template ID 30
# pawns. The game keeps such a pawn while its x is within 280 units of the
# camera's centre, so a level places one of each every SCENERY_PERIOD (560)
# units: wherever the camera is, one of them is kept, or two when it is just
# halfway between them. Each model reaches far enough either side of its own
# x to fill the whole view from 280 units away: on its layer the view is at
# most 211 (rock), 293 (hills) and 442 (sky) units either side of the camera's
# centre, with the hero anywhere from 60 below the floor row to 100 above
# it. Where two copies overlap they draw the same surfaces, because every
# model repeats itself with the period.
SCENERY_PERIOD = 560.0


def wave(x, terms):
    """A height that repeats every SCENERY_PERIOD: sum of a * sin(n * turn + p)."""
    turn = 2 * math.pi * x / SCENERY_PERIOD
    return sum(a * math.sin(n * turn + p) for a, n, p in terms)


def sky_quad(mesh, texture):
    """The sky's self-lit picture 500 units behind the play plane: x -730..730
    and y -100..260 (the hills hide it below). The picture repeats every
    SCENERY_PERIOD across and spans y 300 (top) to -200 downwards."""
    g = mesh.material(Material("sky", tex(texture), (0, 0, 0), emissive=(1, 1, 1)))
    x, y0, y1 = 730.0, -100.0, 260.0
    u, v0, v1 = x / SCENERY_PERIOD, (300.0 - y0) / 500.0, (300.0 - y1) / 500.0
    mesh.quad(g, ((-x, y0, 0.0), (x, y0, 0.0), (x, y1, 0.0), (-x, y1, 0.0)),
              ((-u, v0), (u, v0), (u, v1), (-u, v1)))


def backdrop_sky():
    """The day sky with a far mountain range painted in."""
    mesh = Mesh()
    sky_quad(mesh, "sky")
    return mesh


# The moon hangs 260 units in front of the night sky, so 240 behind the play
# plane: there the view is at most 540 units wide, less than the period, so
# however the camera stands no two of its copies show at once. It is high
# enough to clear the hills' skyline and low enough to show in the strip of
# sky above them while the hero stands on the floor row; 110 units left of
# the model's x, it shows at the start of a level whose scenery stands at
# x = 200, a little right of the hero.
MOON_AT = (-110.0, 72.0, 260.0)
MOON_RADIUS = 11.0


def backdrop_sky_night():
    """The night sky with its stars and mountains painted in, and the moon:
    a self-lit disc in front of it, repeated every SCENERY_PERIOD like the
    sky so that neighbouring copies of the model draw it in the same places."""
    mesh = Mesh()
    sky_quad(mesh, "sky_night")
    moon = mesh.material(Material("moon", tex("moon"), (0, 0, 0), emissive=(1, 1, 1)))
    x, y, z = MOON_AT
    for k in (-1, 0, 1):
        start = len(mesh.vertices)
        flat_star(mesh, moon, [MOON_RADIUS] * 24)
        mesh.vertices[start:] = [(vx + x + k * SCENERY_PERIOD, vy + y, vz + z)
                                 for vx, vy, vz in mesh.vertices[start:]]
    return mesh


HILL_TOP = ((13.0, 1, 0.4), (7.0, 3, 1.9), (3.0, 7, 4.0))


def hill_top(x):
    """Rolling hills with a wooded skyline: rounded tree crowns on top."""
    turn = math.pi * x / SCENERY_PERIOD
    crowns = 2.2 * abs(math.sin(31 * turn)) + 1.4 * abs(math.sin(53 * turn + 1.0))
    return 40.0 + wave(x, HILL_TOP) + crowns


def backdrop_hills():
    """Wooded hills, self-lit: a skyline around y = 40 over x -580..580, down
    to y -160 (the rock face hides them below). The texture runs from the
    skyline (its top row) to y = -70."""
    mesh = Mesh()
    g = mesh.material(Material("hills", tex("hills"), (0, 0, 0), emissive=(1, 1, 1)))
    reach, foot, bottom, step = 580.0, -70.0, -160.0, 4.0
    for i in range(int(2 * reach / step)):
        xa, xb = -reach + step * i, -reach + step * (i + 1)
        ua, ub = xa / SCENERY_PERIOD, xb / SCENERY_PERIOD
        mesh.quad(g, ((xa, foot, 0.0), (xb, foot, 0.0), (xb, hill_top(xb), 0.0), (xa, hill_top(xa), 0.0)),
                  ((ua, 0.99), (ub, 0.99), (ub, 0.0), (ua, 0.0)))
    u = reach / SCENERY_PERIOD
    mesh.quad(g, ((-reach, bottom, 0.0), (reach, bottom, 0.0), (reach, foot, 0.0), (-reach, foot, 0.0)),
              ((-u, 0.995), (u, 0.995), (u, 0.99), (-u, 0.99)))
    return mesh


ROCK_TOP = ((6.0, 3, 0.3), (4.0, 7, 2.2), (2.5, 15, 5.1))


def rock_top(x):
    return -20.0 + wave(x, ROCK_TOP)


def backdrop_rock():
    """The cliff the level stands on: a lit rock face with a bumpy relief
    over x -500..500, from y -260 up to a ragged edge near y = -20, just
    behind the floor row when placed 60 units back."""
    mesh = Mesh()
    g = mesh.material(Material("rock", tex("cliff"), (0.0, 0.0, 0.0)))
    reach, step, rows, bottom = 500.0, 20.0, 14, -260.0
    columns = int(2 * reach / step)

    def point(i, j):
        x = -reach + step * i
        y = bottom + (rock_top(x) - bottom) * j / rows
        z = wave(x, ((3.0, 6, 0.7 + y / 23.0), (2.0, 13, 1.3 - y / 17.0), (1.2, 24, y / 9.0)))
        z += 2.5 * math.sin(y / 13.0 + math.sin(2 * math.pi * 18 * x / SCENERY_PERIOD))  # strata
        if j == rows:
            z -= 4.0  # the edge leans back
        return (x, y, z)

    grid = [[point(i, j) for j in range(rows + 1)] for i in range(columns + 1)]

    def normal(i, j):
        a, b = grid[max(i - 1, 0)][j], grid[min(i + 1, columns)][j]
        c, d = grid[i][max(j - 1, 0)], grid[i][min(j + 1, rows)]
        n = ms3d_cross((b[0] - a[0], b[1] - a[1], b[2] - a[2]), (d[0] - c[0], d[1] - c[1], d[2] - c[2]))
        length = math.sqrt(sum(v * v for v in n))
        return tuple(v / length for v in n)

    normals = [[normal(i, j) for j in range(rows + 1)] for i in range(columns + 1)]
    tile = SCENERY_PERIOD / 4  # the cliff texture's size in units
    for i in range(columns):
        for j in range(rows):
            corners = (grid[i][j], grid[i + 1][j], grid[i + 1][j + 1], grid[i][j + 1])
            uvs = tuple((p[0] / tile, -p[1] / tile) for p in corners)
            ns = (normals[i][j], normals[i + 1][j], normals[i + 1][j + 1], normals[i][j + 1])
            mesh.triangle(g, corners[0:3], uvs[0:3], ns[0:3])
            mesh.triangle(g, (corners[0], corners[2], corners[3]), (uvs[0], uvs[2], uvs[3]),
                          (ns[0], ns[2], ns[3]))
    return mesh


# The mine's back wall stands where the hills stand, 200 units back, and
# fills the whole view there without any sky: the view reaches at most 293
# units either side of the camera and, with the hero from 60 below the floor
# row to 100 above it, from the rock face's edge up to y = 185. Timber props
# stand against it every MINE_PROP_STEP and a lamp hangs from the cap beam
# between every second pair, where the wall's picture has its warm glow.
MINE_REACH, MINE_BOTTOM, MINE_TOP = 580.0, -160.0, 230.0
MINE_PROP_STEP = 140.0
MINE_CAP = (70.0, 82.0)  # the cap beam's bottom and top
MINE_LAMP_Y = 58.0  # the middle of a lamp's glass


def planar_box(mesh, group, x0, x1, y0, y1, z0, z1, tile, grain_along_y=False):
    """A box without a back face whose texture repeats every `tile` units,
    laid on each face by its position, so long timbers keep their grain
    instead of stretching one picture over their length. The picture's grain
    runs across it (along x); grain_along_y turns it for upright timbers."""
    def uv(a, b):
        return (b / tile, -a / tile) if grain_along_y else (a / tile, -b / tile)

    faces = (((x0, y0, z1), (x1, y0, z1), (x1, y1, z1), (x0, y1, z1)),  # front
             ((x1, y0, z1), (x1, y0, z0), (x1, y1, z0), (x1, y1, z1)),  # right
             ((x0, y0, z0), (x0, y0, z1), (x0, y1, z1), (x0, y1, z0)),  # left
             ((x0, y1, z1), (x1, y1, z1), (x1, y1, z0), (x0, y1, z0)),  # top
             ((x0, y0, z0), (x1, y0, z0), (x1, y0, z1), (x0, y0, z1)))  # bottom
    for i, corners in enumerate(faces):
        if i == 0:
            uvs = [uv(p[0], p[1]) for p in corners]
        elif i < 3:
            uvs = [uv(p[2], p[1]) for p in corners]
        else:
            uvs = [uv(p[0], p[2]) for p in corners]
        mesh.quad(group, corners, uvs)


def backdrop_mine():
    """Inside the mine: a dark rock wall, self-lit by its own picture (which
    repeats every two props, 280 units, with a lamp's glow in the middle),
    and in front of it the timbering, lit by the scene: upright props, the cap
    beam they carry and a block on each prop's head, and the lamps, self-lit,
    each on a short chain from the beam."""
    mesh = Mesh()
    wall = mesh.material(Material("wall", tex("mine_wall"), (0, 0, 0), emissive=(1, 1, 1)))
    timber = mesh.material(Material("timber", tex("timber"), (0.5, 0.45, 0.4)))
    glass = mesh.material(Material("lamp", tex("lamp"), (1, 1, 1), emissive=(1.0, 0.85, 0.55)))
    iron = mesh.material(Material("iron", tex("metal"), (0.4, 0.4, 0.4)))
    reach, repeat = MINE_REACH, 2 * MINE_PROP_STEP
    u, v0 = reach / repeat, 0.0
    mesh.quad(wall, ((-reach, MINE_BOTTOM, 0.0), (reach, MINE_BOTTOM, 0.0), (reach, MINE_TOP, 0.0),
                     (-reach, MINE_TOP, 0.0)), ((-u, 1.0), (u, 1.0), (u, v0), (-u, v0)))
    cap0, cap1 = MINE_CAP
    steps = int(reach // MINE_PROP_STEP)
    for k in range(-steps, steps + 1):
        x = MINE_PROP_STEP * (k + 0.5)
        if abs(x) + 6 <= reach:
            planar_box(mesh, timber, x - 5.0, x + 5.0, MINE_BOTTOM, cap0, 1.0, 9.0, 40.0, True)
            planar_box(mesh, timber, x - 9.0, x + 9.0, cap0 - 5.0, cap0, 1.0, 11.0, 40.0)
    # The cap beam in pieces one prop step long, so that its picture's grain
    # repeats with the period like everything else.
    for k in range(-steps - 1, steps + 1):
        xa = max(-reach, MINE_PROP_STEP * k)
        xb = min(reach, MINE_PROP_STEP * (k + 1))
        if xa < xb:
            planar_box(mesh, timber, xa, xb, cap0, cap1, 1.0, 12.0, 40.0)
    for k in range(-steps, steps + 1):
        x = repeat * (k + 0.5)
        if abs(x) + 5 <= reach:
            y = MINE_LAMP_Y
            mesh.box(iron, x - 0.6, x + 0.6, y + 8.0, cap0, 5.5, 6.7)  # the chain
            mesh.box(iron, x - 4.5, x + 4.5, y + 6.0, y + 8.0, 3.0, 9.0)  # its hood
            mesh.box(glass, x - 3.5, x + 3.5, y - 6.0, y + 6.0, 3.5, 8.5)
            mesh.box(iron, x - 4.0, x + 4.0, y - 8.0, y - 6.0, 3.0, 9.0)  # its foot
    return mesh


def ms3d_cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


MODELS = {
    "block": lambda: single_box("stone", "stone"),
    "brick": lambda: single_box("brick", "brick"),
    "cracked": lambda: single_box("cracked", "cracked"),
    "crate": crate,
    "barrel": barrel,
    "ladder": ladder,
    "bomb": bomb,
    "bomb_rim": bomb_rim,
    "bomb_spark": bomb_spark,
    "spikes": spikes,
    "door": door,
    "switch_base": switch_base,
    "switch_lever": switch_lever,
    "gate_closed": gate_closed,
    "gate_open": gate_open,
    "holder": holder,
    "flag_pole": flag_pole,
    "flag_cloth": lambda: flag_cloth(CLOTH_STRIPS),
    "flag_green": lambda: flag("flag_green"),
    "rubble": rubble,
    "hero": hero,
    "hero_head": hero_head,
    "explosion": explosion,
    "explosion_core": explosion_core,
    "explosion_smoke": explosion_smoke,
    "explosion_sparks": explosion_sparks,
    "gauge_bar": gauge_bar,
    "picture": picture,
    "rock": rock,
    "pillar": pillar,
    "backdrop_sky": backdrop_sky,
    "backdrop_hills": backdrop_hills,
    "backdrop_rock": backdrop_rock,
    "backdrop_sky_night": backdrop_sky_night,
    "backdrop_mine": backdrop_mine,
}
for _s in HERO_STRIDES:
    MODELS["hero_legs_" + stride_name(_s)] = lambda s=_s: hero_legs(s)
    MODELS["hero_arms_" + stride_name(_s)] = lambda s=_s: hero_arms(s)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, build in MODELS.items():
        write(os.path.join(OUT, name + ".ms3d"), build())
    print("wrote %d models to %s" % (len(MODELS), os.path.normpath(OUT)), file=sys.stderr)


if __name__ == "__main__":
    main()
