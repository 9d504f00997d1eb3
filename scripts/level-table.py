#!/usr/bin/env python3
"""Writes, or checks, the table of the campaign's levels in gamedata/README.md.

Every level of gamedata/levels/ (level1.txt, level2.txt, ... without gaps) is
proven with korvath-solve from its start and from every checkpoint, with its
dead ends counted. The table gives each level's number, name, what it
teaches (its "# Teaches:" comment line), the shortest presses, the reachable
positions, the share of them from which the exit cannot be reached, the
checkpoints and the time the proof took. It stands between the two marker
lines below in gamedata/README.md and is never typed by hand.

--check proves the levels again and fails (status 1) when a level is not
proven, the table differs from the one it would write (the time column
aside), or a level misses the campaign's figures: dead ends in every level
after the first three, and in the last third of the campaign at least 60
shortest presses and 5,000 reachable positions.

Usage: scripts/level-table.py [--check] [--solver PATH]   (from the repository root)
"""
import argparse
import os
import re
import subprocess
import sys
import time

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
README = os.path.join(ROOT, "gamedata", "README.md")
BEGIN = "<!-- level table: written by scripts/level-table.py -->"
END = "<!-- end of level table -->"
HEADER = ("| level | name | teaches | shortest presses | reachable positions | dead-end share "
          "| checkpoints | solve time |\n|---|---|---|---|---|---|---|---|")
FREE_LEVELS = 3           # the first levels may have no dead end
LAST_THIRD_PRESSES = 60   # at least, in the last third of the campaign
LAST_THIRD_POSITIONS = 5000


def level_files():
    files = []
    while True:
        path = os.path.join(ROOT, "gamedata", "levels", "level%d.txt" % (len(files) + 1))
        if not os.path.isfile(path):
            return files
        files.append(path)


def described(path):
    name, teaches = "", ""
    with open(path, encoding="utf-8") as text:
        for line in text:
            if line.startswith("name ") and not name:
                name = line[5:].strip()
            match = re.match(r"#\s*Teaches:\s*(.*)", line)
            if match and not teaches:
                teaches = match.group(1).strip()
    return name, teaches


def prove(solver, number):
    began = time.monotonic()
    run = subprocess.run([solver, "--root", ROOT, str(number), "--from-checkpoints", "--dead-ends"],
                         capture_output=True, text=True)
    seconds = time.monotonic() - began
    out = run.stdout
    presses = re.search(r"^level: solved in (\d+) presses", out, re.M)
    positions = re.search(r"^positions: (\d+) explored", out, re.M)
    dead = re.search(r"^dead ends: (\d+) positions|^dead ends: (none)", out, re.M)
    if run.returncode != 0 or not (presses and positions and dead):
        sys.exit("level %d is not proven (korvath-solve status %d):\n%s%s"
                 % (number, run.returncode, out, run.stderr))
    return {"presses": int(presses.group(1)), "positions": int(positions.group(1)),
            "dead": int(dead.group(1) or 0), "checkpoints": len(re.findall(r"^checkpoint \d+,", out, re.M)),
            "seconds": seconds}


def row(number, name, teaches, figures):
    share = 100.0 * figures["dead"] / figures["positions"]
    return "| %d | %s | %s | %d | %d | %.1f %% | %d | %.2f s |" % (
        number, name, teaches, figures["presses"], figures["positions"], share,
        figures["checkpoints"], figures["seconds"])


def missed_figures(number, count, figures):
    problems = []
    if number > FREE_LEVELS and figures["dead"] == 0:
        problems.append("level %d has no dead end: no wrong move is possible" % number)
    if number > count - count // 3:
        if figures["presses"] < LAST_THIRD_PRESSES:
            problems.append("level %d is in the last third but is solved in %d presses (at least %d)"
                            % (number, figures["presses"], LAST_THIRD_PRESSES))
        if figures["positions"] < LAST_THIRD_POSITIONS:
            problems.append("level %d is in the last third but has %d positions (at least %d)"
                            % (number, figures["positions"], LAST_THIRD_POSITIONS))
    return problems


def without_times(table):
    return re.sub(r"\| [0-9.]+ s \|", "| s |", table)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--solver", default=os.path.join(ROOT, "build", "korvath-solve"))
    args = parser.parse_args()
    files = level_files()
    rows, problems, total = [], [], 0.0
    for number, path in enumerate(files, 1):
        name, teaches = described(path)
        figures = prove(args.solver, number)
        total += figures["seconds"]
        rows.append(row(number, name, teaches, figures))
        problems += missed_figures(number, len(files), figures)
    table = "\n".join([BEGIN, HEADER] + rows + [END])
    with open(README, encoding="utf-8") as text:
        readme = text.read()
    start, end = readme.find(BEGIN), readme.find(END)
    if start < 0 or end < 0:
        sys.exit("gamedata/README.md has no level table markers")
    current = readme[start:end + len(END)]
    print("level-table: %d levels proven in %.1f s" % (len(files), total))
    if args.check:
        if without_times(current) != without_times(table):
            problems.append("the level table in gamedata/README.md is out of date: "
                            "run scripts/level-table.py")
        for problem in problems:
            print("level-table: " + problem, file=sys.stderr)
        return 1 if problems else 0
    with open(README, "w", encoding="utf-8") as text:
        text.write(readme[:start] + table + readme[end + len(END):])
    for problem in problems:
        print("level-table: " + problem, file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
