"""Writing and reading MilkShape 3D (version 4) files, and a small mesh builder.

Only the parts of the format the game reads are written: vertices, triangles
with per-corner normals and texture coordinates, groups and materials, then
the standard 14-byte tail (animation speed, current time, frame count and a
joint count of zero). Coordinates: x right, y up, z towards the viewer; one
grid cell is 20 units and a model sits centred in its cell (-10..10).
"""

import math
import struct

MAGIC = b"MS3D000000"
VERSION = 4


class Material:
    def __init__(self, name, texture="", ambient=(0.6, 0.6, 0.6), emissive=(0, 0, 0)):
        self.name = name
        self.texture = texture  # ".\name.jpg" looks beside the model file
        self.ambient = tuple(ambient) + (1.0,)
        self.diffuse = (1.0, 1.0, 1.0, 1.0)
        self.specular = (0.0, 0.0, 0.0, 1.0)
        self.emissive = tuple(emissive) + (1.0,)
        self.shininess = 0.0


def _sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def _cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def _unit(v):
    length = math.sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2])
    return (v[0] / length, v[1] / length, v[2] / length)


def face_normal(a, b, c):
    return _unit(_cross(_sub(b, a), _sub(c, a)))


class Mesh:
    """Triangles grouped by material. Corners are given counter-clockwise as
    seen from the side the face shows (the game culls back faces)."""

    def __init__(self):
        self.vertices = []
        self.triangles = []  # (indices, normals, uvs, group)
        self.materials = []
        self.groups = []  # (name, material index, triangle indices)

    def material(self, material):
        self.materials.append(material)
        self.groups.append((material.name, len(self.materials) - 1, []))
        return len(self.groups) - 1

    def triangle(self, group, corners, uvs, normals=None):
        if normals is None:
            normals = [face_normal(*corners)] * 3
        base = len(self.vertices)
        self.vertices.extend(corners)
        self.groups[group][2].append(len(self.triangles))
        self.triangles.append(((base, base + 1, base + 2), normals, uvs))

    def quad(self, group, corners, uvs=((0, 1), (1, 1), (1, 0), (0, 0)), normals=None):
        """Corners bottom-left, bottom-right, top-right, top-left as seen from
        the front; uv t runs downwards from the top of the picture."""
        n = normals or [face_normal(corners[0], corners[1], corners[2])] * 4
        self.triangle(group, corners[0:3], uvs[0:3], n[0:3])
        self.triangle(
            group, (corners[0], corners[2], corners[3]), (uvs[0], uvs[2], uvs[3]), (n[0], n[2], n[3])
        )

    def box(self, group, x0, x1, y0, y1, z0, z1, front_group=None):
        """An axis-aligned box; front_group, when given, textures the +z face."""
        self.quad(front_group if front_group is not None else group,
                  ((x0, y0, z1), (x1, y0, z1), (x1, y1, z1), (x0, y1, z1)))
        self.quad(group, ((x1, y0, z0), (x0, y0, z0), (x0, y1, z0), (x1, y1, z0)))
        self.quad(group, ((x1, y0, z1), (x1, y0, z0), (x1, y1, z0), (x1, y1, z1)))
        self.quad(group, ((x0, y0, z0), (x0, y0, z1), (x0, y1, z1), (x0, y1, z0)))
        self.quad(group, ((x0, y1, z1), (x1, y1, z1), (x1, y1, z0), (x0, y1, z0)))
        self.quad(group, ((x0, y0, z0), (x1, y0, z0), (x1, y0, z1), (x0, y0, z1)))

    def cylinder_z(self, side, cap, cx, cy, radius, z0, z1, segments=16):
        """A cylinder lying along z (a barrel seen end-on from the front)."""
        ring = []
        for i in range(segments + 1):
            a = 2 * math.pi * i / segments
            ring.append((math.cos(a), math.sin(a), i / segments))
        for (c0, s0, u0), (c1, s1, u1) in zip(ring, ring[1:]):
            p = [(cx + radius * c0, cy + radius * s0, z1), (cx + radius * c1, cy + radius * s1, z1)]
            q = [(cx + radius * c1, cy + radius * s1, z0), (cx + radius * c0, cy + radius * s0, z0)]
            n0, n1 = (c0, s0, 0.0), (c1, s1, 0.0)
            # seen from outside: front edge (z1) then back edge (z0)
            self.quad(side, (q[1], q[0], p[1], p[0]), ((u0, 1), (u1, 1), (u1, 0), (u0, 0)),
                      (n0, n1, n1, n0))
            for z, sign in ((z1, 1.0), (z0, -1.0)):
                centre = (cx, cy, z)
                a = (cx + radius * c0, cy + radius * s0, z)
                b = (cx + radius * c1, cy + radius * s1, z)
                corners = (centre, a, b) if sign > 0 else (centre, b, a)
                uv = [(0.5 + 0.5 * (v[0] - cx) / radius, 0.5 - 0.5 * (v[1] - cy) / radius)
                      for v in corners]
                self.triangle(cap, corners, uv)

    def sphere(self, group, cx, cy, cz, radius, slices=12, stacks=8):
        def point(i, j):
            theta = math.pi * j / stacks  # from the top down
            phi = 2 * math.pi * i / slices
            n = (math.sin(theta) * math.sin(phi), math.cos(theta), math.sin(theta) * math.cos(phi))
            return (cx + radius * n[0], cy + radius * n[1], cz + radius * n[2]), n

        for j in range(stacks):
            for i in range(slices):
                (a, na), (b, nb) = point(i, j + 1), point(i + 1, j + 1)
                (c, nc), (d, nd) = point(i + 1, j), point(i, j)
                u0, u1 = i / slices, (i + 1) / slices
                t0, t1 = j / stacks, (j + 1) / stacks
                if j > 0:
                    self.triangle(group, (a, c, d), ((u0, t1), (u1, t0), (u0, t0)), (na, nc, nd))
                if j < stacks - 1:
                    self.triangle(group, (a, b, c), ((u0, t1), (u1, t1), (u1, t0)), (na, nb, nc))

    def cylinder_y(self, side, cap, cx, cz, radius, y0, y1, segments=16):
        """An upright cylinder (a column): side wrapped once around by the
        texture, a disc on each end."""
        def at(i, y):
            a = 2 * math.pi * i / segments
            return (cx + radius * math.sin(a), y, cz + radius * math.cos(a)), (math.sin(a), 0.0, math.cos(a))

        for i in range(segments):
            (b0, n0), (b1, n1) = at(i, y0), at(i + 1, y0)
            (t1, _), (t0, _) = at(i + 1, y1), at(i, y1)
            u0, u1 = i / segments, (i + 1) / segments
            self.quad(side, (b0, b1, t1, t0), ((u0, 1), (u1, 1), (u1, 0), (u0, 0)), (n0, n1, n1, n0))
            for y, up in ((y1, 1.0), (y0, -1.0)):
                a, b = at(i, y)[0], at(i + 1, y)[0]
                corners = (a, b, (cx, y, cz)) if up > 0 else (b, a, (cx, y, cz))
                uv = [(0.5 + 0.5 * (v[0] - cx) / radius, 0.5 - 0.5 * (v[2] - cz) / radius)
                      for v in corners]
                self.triangle(cap, corners, uv)

    def lump(self, group, cx, cy, cz, radii, bumps, floor=None, slices=10, stacks=7):
        """A lumpy ball, flat-shaded so its facets show: a sphere squeezed to
        the three radii whose every ring point is pushed in or out by the factor
        bumps(i, j) (i around, j from the top down; one factor per pole). Points
        below floor are pressed up onto it, so the lump sits flat."""
        def point(i, j):
            if j in (0, stacks):
                i = 0
            i %= slices
            theta, phi = math.pi * j / stacks, 2 * math.pi * i / slices
            k = bumps(i, j)
            p = (cx + radii[0] * k * math.sin(theta) * math.sin(phi), cy + radii[1] * k * math.cos(theta),
                 cz + radii[2] * k * math.sin(theta) * math.cos(phi))
            if floor is not None and p[1] < floor:
                p = (p[0], floor, p[2])
            return p

        def face(corners, uvs):
            n = _cross(_sub(corners[1], corners[0]), _sub(corners[2], corners[0]))
            if n[0] * n[0] + n[1] * n[1] + n[2] * n[2] > 1e-9:  # pressed flat into a line: leave out
                self.triangle(group, corners, uvs)

        for j in range(stacks):
            for i in range(slices):
                a, b, c, d = point(i, j + 1), point(i + 1, j + 1), point(i + 1, j), point(i, j)
                u0, u1 = i / slices, (i + 1) / slices
                t0, t1 = j / stacks, (j + 1) / stacks
                if j > 0:
                    face((a, c, d), ((u0, t1), (u1, t0), (u0, t0)))
                if j < stacks - 1:
                    face((a, b, c), ((u0, t1), (u1, t1), (u1, t0)))

    def pyramid(self, group, cx, cz, half, y0, y1):
        """A four-sided spike standing on y0 with its tip at y1."""
        tip = (cx, y1, cz)
        base = [(cx - half, y0, cz + half), (cx + half, y0, cz + half),
                (cx + half, y0, cz - half), (cx - half, y0, cz - half)]
        for a, b in zip(base, base[1:] + base[:1]):
            self.triangle(group, (a, b, tip), ((0, 1), (1, 1), (0.5, 0)))


def write(path, mesh):
    out = bytearray(MAGIC + struct.pack("<i", VERSION))
    out += struct.pack("<H", len(mesh.vertices))
    for x, y, z in mesh.vertices:
        out += struct.pack("<B3fbB", 0, x, y, z, -1, 0)
    out += struct.pack("<H", len(mesh.triangles))
    group_of = {}
    for g, (_, _, tris) in enumerate(mesh.groups):
        for t in tris:
            group_of[t] = g
    for i, (indices, normals, uvs) in enumerate(mesh.triangles):
        out += struct.pack("<H3H", 0, *indices)
        for n in normals:
            out += struct.pack("<3f", *n)
        out += struct.pack("<3f", *(uv[0] for uv in uvs))
        out += struct.pack("<3f", *(uv[1] for uv in uvs))
        out += struct.pack("<BB", 1, group_of[i])
    live = [g for g in mesh.groups if g[2]]
    out += struct.pack("<H", len(live))
    for name, material, tris in live:
        out += struct.pack("<B32sH", 0, name.encode()[:31], len(tris))
        out += struct.pack("<%dH" % len(tris), *tris)
        out += struct.pack("<b", material)
    out += struct.pack("<H", len(mesh.materials))
    for m in mesh.materials:
        out += struct.pack("<32s", m.name.encode()[:31])
        for colour in (m.ambient, m.diffuse, m.specular, m.emissive):
            out += struct.pack("<4f", *colour)
        out += struct.pack("<ffb128s128s", m.shininess, 1.0, 0, m.texture.encode(), b"")
    out += struct.pack("<ffiH", 24.0, 0.0, 1, 0)
    with open(path, "wb") as f:
        f.write(out)


class Model:
    """What a reader sees in a file: enough to check it against the format."""

    def __init__(self):
        self.vertices, self.triangles, self.groups, self.materials = [], [], [], []
        self.trailing = b""


def read(path):
    data = open(path, "rb").read()
    pos = 0

    def take(fmt):
        nonlocal pos
        size = struct.calcsize(fmt)
        if pos + size > len(data):
            raise ValueError("%s: file ends inside a record" % path)
        values = struct.unpack_from(fmt, data, pos)
        pos += size
        return values

    model = Model()
    magic, version = take("<10si")
    if magic != MAGIC or version < 3:
        raise ValueError("%s: not an MS3D file of version 3 or later" % path)
    for _ in range(take("<H")[0]):
        model.vertices.append(take("<B3fbB")[1:4])
    for _ in range(take("<H")[0]):
        v = take("<H3H9f3f3fBB")
        model.triangles.append((v[1:4], [v[4:7], v[7:10], v[10:13]], v[13:16], v[16:19]))
    for _ in range(take("<H")[0]):
        count = take("<B32sH")[2]
        indices = take("<%dH" % count)
        model.groups.append((indices, take("<b")[0]))
    for _ in range(take("<H")[0]):
        v = take("<32s16f2fb128s128s")
        model.materials.append(v[-2].split(b"\0")[0].decode())
    model.trailing = data[pos:]
    return model
