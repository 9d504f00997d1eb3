"""A model of the game's rules (hero actions, grid physics, death and
restore) that plays a level from its key presses, to show that a level can be
finished the way gamedata/README.md says. Animation and drawing are left out:
they change nothing the rules look at, apart from the explosion pawn, which
has no rule flags.

Each step of a solution is one key, held for one game tick and then released
until the hero and everything near him have come to rest.
"""

import copy

TICK_MS = 27
PHASE_MS = 2001
SOLUTIONS = {
    1: "R R R Space R R R R R R R R R R R U U U R R R R D D D R R R U",
    2: "R R R R R R R R R R R R U R R R R Space R R R U U U R R U",
}
KEYS = {"L": "Left", "R": "Right", "U": "Up", "D": "Down", "Space": "Space", "X": "X"}


class Pawn:
    def __init__(self, slot, x, y):
        self.slot, self.x, self.y, self.z = slot, float(x), float(y), 0.0
        self.mx = self.my = self.mz = 0.0
        self.settled, self.falling, self.popped = 1, False, False
        self.opacity, self.target_opacity = 100.0, 100.0
        self.gone = False


class Game:
    def __init__(self, templates, placed):
        self.t = templates
        picture = Pawn(31, 0, -220)
        picture.z, picture.target_opacity = -160.0, 0.0
        self.pawns = [picture] + [Pawn(*p) for p in placed]
        self.saved = copy.deepcopy(self.pawns)
        self.bombs = self.cooldown = 0
        self.dead = self.finished = False
        self.deaths = 0
        self.now = self.phase_last = 0
        self.index()

    def tpl(self, p, key):
        return self.t[p.slot][key]

    def index(self):
        self.pawns = [p for p in self.pawns if not p.gone]
        f = lambda p, *keys: any(self.tpl(p, k) for k in keys)
        self.hero = [p for p in self.pawns if self.tpl(p, "SpecialFlag") == 11][-1]
        exits = [p for p in self.pawns if self.tpl(p, "ID") == 35]
        self.exit = exits[-1] if exits else None
        self.gates = [p for p in self.pawns if self.tpl(p, "SpecialFlag") == 5]
        self.id3 = [p for p in self.pawns if self.tpl(p, "ID") == 3]
        self.moving = [p for p in self.pawns if f(p, "WeightCrate", "WeightRock", "WeightHero")
                       or self.tpl(p, "SpecialFlag") == 30]
        self.blocking = [p for p in self.pawns if f(p, "BlocksCrate", "BlocksRock", "BlocksHero")]
        self.cell_action = [p for p in self.pawns if self.tpl(p, "Ladder")
                            or self.tpl(p, "SpecialFlag") in (15, 16)]
        self.pickups = [p for p in self.pawns if self.tpl(p, "Collectable")
                        or self.tpl(p, "ID") in (34, 29)]

    # -- physics -----------------------------------------------------------

    @staticmethod
    def finished_move(p):
        return p.mx == 0 and p.my == 0 and p.mz == 0

    def supported(self, p):
        h = self.hero
        if h.y == p.y - 20 and p.x == h.x + h.mx:
            return True
        for b in self.blocking:
            if b.x != p.x:
                continue
            if self.tpl(p, "SpecialFlag") == 30:
                return True
            bsf = self.tpl(b, "SpecialFlag")
            if not ((b.y == p.y - 20 and bsf != 1) or (b.y == p.y and bsf == 1)
                    or (b.y == p.y - 60 and bsf == 20)):
                continue
            if bsf == 1 and p is not h:
                p.settled = 1
            for weight, block in (("WeightCrate", "BlocksCrate"), ("WeightRock", "BlocksRock"),
                                  ("WeightHero", "BlocksHero")):
                if self.tpl(p, weight) and self.tpl(b, block):
                    if weight == "WeightCrate" and bsf == 1:
                        p.popped = True
                    p.settled = 1
                    return True
        return False

    def on_ladder(self, p):
        return bool(self.tpl(p, "WeightHero")) and any(
            c.x == p.x and c.y in (p.y - 20, p.y) and self.tpl(c, "ID") == 10 for c in self.cell_action)

    def blocked(self, p, direction):
        d = (direction - 2) * 20
        for b in self.blocking:
            bsf = self.tpl(b, "SpecialFlag")
            side = (b.x == p.x + p.mx + d and bsf != 1) or (b.x == p.x + p.mx and bsf == 1)
            vert = p.y == b.y + b.my or (bsf == 20 and b.y in (p.y - 20, p.y - 40))
            if not (side and vert):
                continue
            if self.tpl(p, "WeightHero") and self.tpl(b, "BlocksHero"):
                if not (self.tpl(b, "Sliding") or self.tpl(b, "Rolling")):
                    return True
                if self.blocked(b, direction):
                    return True
                if self.tpl(b, "Sliding"):
                    b.mx, b.settled = float(d), 0
                else:
                    b.slot, b.settled, self.cooldown = (32 if direction == 1 else 33), 0, 10
                return False
            if self.tpl(p, "ID") in (32, 33) and self.tpl(b, "Rolling"):
                for attr in ("x", "y", "z", "opacity"):
                    pa, ba = getattr(p, attr), getattr(b, attr)
                    setattr(p, attr, ba)
                    setattr(b, attr, pa)
                p.settled = 0
                continue
            if (self.tpl(p, "WeightCrate") and self.tpl(b, "BlocksCrate")) or \
                    (self.tpl(p, "WeightRock") and self.tpl(b, "BlocksRock")):
                return True
        return False

    @staticmethod
    def travel(pos, left, step):
        if left > 0:
            return pos + step, left - step
        if left < 0:
            return pos - step, left + step
        return pos, left

    def moving_step(self):
        removed = False
        for p in self.moving:
            if p.gone:
                continue
            p.x, p.mx = self.travel(p.x, p.mx, 2.5)
            p.y, p.my = self.travel(p.y, p.my, 5.0 if p.falling else 2.5)
            p.z, p.mz = self.travel(p.z, p.mz, 2.5)
            diff = p.target_opacity - p.opacity
            p.opacity = p.target_opacity if abs(diff) <= 20 else p.opacity + (20 if diff > 0 else -20)
            if not (self.finished_move(p) and p.settled == 0):
                continue
            p.falling = False
            if not self.supported(p) and not self.on_ladder(p):
                p.falling, p.my, p.mx = True, -20.0, 0.0
                if p is self.hero:
                    removed |= self.fall_check()
            if not p.falling:
                tid = self.tpl(p, "ID")
                if tid == 32 and not self.blocked(p, 1):
                    p.settled, p.mx = 0, -20.0
                elif tid == 33 and not self.blocked(p, 3):
                    p.settled, p.mx = 0, 20.0
        if removed:
            self.index()

    # -- rules ---------------------------------------------------------------

    def at_hero(self, p):
        return p.x == self.hero.x and p.y == self.hero.y

    def die(self):
        self.dead, self.phase_last, self.bombs, self.cooldown = True, self.now, 0, 10
        self.deaths += 1

    def fall_check(self):
        for p in self.pickups:
            if p.gone or not self.at_hero(p):
                continue
            if self.tpl(p, "SpecialFlag") == 2:
                p.gone, self.bombs = True, self.bombs + 1
                return True
            if self.tpl(p, "ID") == 34:
                self.die()
                return False
        return False

    def touch(self):
        for p in self.pickups:
            if not self.at_hero(p):
                continue
            if self.tpl(p, "SpecialFlag") == 2:
                p.gone, self.bombs = True, self.bombs + 1
                self.index()
                return
            if self.tpl(p, "ID") == 34:
                if not self.dead:  # standing on it kills once, not on every tick
                    self.die()
                return
            if self.tpl(p, "ID") == 29:
                p.slot = 36
                self.saved = copy.deepcopy(self.pawns)
                self.index()
                return

    def hero_keys(self, held):
        h = self.hero
        up, down = "Up" in held and "Down" not in held, "Down" in held and "Up" not in held
        if up:
            if self.exit is not None and self.at_hero(self.exit):
                h.mz, self.finished = -20.0, True
                return
            for c in self.cell_action:
                if not self.at_hero(c):
                    continue
                tid = self.tpl(c, "ID")
                if self.tpl(c, "Ladder"):
                    h.my = 20.0
                elif tid in (15, 16):
                    c.slot, self.cooldown = (16 if tid == 15 else 15), 8
                    for g in self.gates:
                        if g.y == c.y - 20:
                            g.slot = 39 if tid == 15 else 5
                    if tid == 15:
                        for p in self.moving:
                            p.settled = 0
                else:
                    continue
                return
        elif down:
            for c in self.cell_action:
                if c.x == h.x and (c.y == h.y - 20 or (c.y == h.y and not self.supported(h))):
                    h.my = -20.0
                    return
        elif "Right" in held and "Left" not in held:
            if not self.blocked(h, 3):
                h.mx = 20.0
        elif "Left" in held and "Right" not in held:
            if not self.blocked(h, 1):
                h.mx = -20.0

    def tick(self, held):
        if self.cooldown > 0:
            self.cooldown -= 1
        h = self.hero
        if self.finished_move(h):
            h.settled = 0
            self.touch()
            h = self.hero
            for p in self.moving:
                if abs(p.x - h.x) <= 40:
                    p.settled = 0
            if self.cooldown == 0:
                if "X" in held:
                    self.pawns = copy.deepcopy(self.saved)
                    self.dead, self.cooldown, self.bombs = False, 10, 0
                    self.index()
                    h = self.hero
                if "Space" in held and self.bombs > 0:
                    self.bombs -= 1
                    for p in self.id3:
                        if abs(p.x - h.x) <= 20 and abs(p.y - h.y) <= 20:
                            p.slot = 4
                    self.cooldown = 10
                    self.index()
                    return
                self.hero_keys(held)
        self.moving_step()

    def frame(self, held):
        """One game tick of wall-clock time, with the phase timer before it."""
        self.now += TICK_MS
        if self.now > self.phase_last + PHASE_MS:
            self.phase_last += PHASE_MS
            if self.dead:
                self.pawns = copy.deepcopy(self.saved)
                self.dead, self.cooldown = False, 10
                self.index()
        self.tick(held)
        self.index()  # the animation clock rebuilds the index about once a tick

    def at_rest(self):
        return self.cooldown == 0 and all(self.finished_move(p) and not p.falling for p in self.moving)


def check_solution(level, templates, placed, problem):
    game = Game(templates, placed)
    for step, key in enumerate(SOLUTIONS[level].split()):
        game.frame({KEYS[key]})
        for _ in range(400):
            if game.at_rest() or game.finished:
                break
            game.frame(set())
        if game.deaths:
            problem("Level%d solution: the hero dies at step %d (%s)" % (level, step + 1, key))
            return
    if not game.finished:
        h = game.hero
        problem("Level%d solution: the hero ends at (%g, %g), not in the exit" % (level, h.x, h.y))


def schedule(level, templates, placed, hold_ms=40, slack_ms=100):
    """The solution as timed presses: (ms after play begins, "down"/"up", key),
    each press held hold_ms, the next one slack_ms after everything rests."""
    game, now, out = Game(templates, placed), 0, []
    for key in SOLUTIONS[level].split():
        out += [(now, "down", KEYS[key]), (now + hold_ms, "up", KEYS[key])]
        game.frame({KEYS[key]})
        ticks = 1
        while not (game.at_rest() or game.finished) and ticks < 400:
            game.frame(set())
            ticks += 1
        now += ticks * TICK_MS + slack_ms
    return out


if __name__ == "__main__":
    import sys

    sys.dont_write_bytecode = True
    import check_data

    store = check_data.Store("pawntemp.xml")
    templates = check_data.check_templates(store, len(store.numbered("ModelList", "Model%d")))
    levels = check_data.check_levels(check_data.Store("levels.xml"), templates)
    for n, placed in enumerate(levels, start=1):
        print("Level%d:" % n)
        for ms, action, key in schedule(n, templates, placed):
            print("  %d %s %s" % (ms, action, key))
