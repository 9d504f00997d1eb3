#!/usr/bin/env python3
"""Prints both levels' solutions (tools/datagen/play_levels.py) as one
korvath-replay input file: each level's presses start when its play begins,
which is found by replaying what comes before it.

    tools/replay/solution_input.py [build] > solutions.txt
    build/korvath-replay --input solutions.txt --until ended --no-render
"""

import json
import os
import subprocess
import sys
import tempfile

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def solutions():
    text = subprocess.run([sys.executable, os.path.join(TOP, "tools/datagen/play_levels.py")],
                          check=True, capture_output=True, text=True).stdout
    levels = {}
    for line in text.splitlines():
        if line.startswith("Level"):
            levels[int(line[5:].rstrip(":"))] = current = []
        elif line.strip():
            ms, action, key = line.split()
            current.append((int(ms), action, key))
    return levels


def play_begins(replay, level, keys, until):
    """Virtual time at which the level's play begins after the given keys."""
    with tempfile.TemporaryDirectory() as work:
        keys_file, trace_file = os.path.join(work, "keys.txt"), os.path.join(work, "trace.jsonl")
        with open(keys_file, "w") as out:
            out.write(keys)
        subprocess.run([replay, "--root", TOP, "--no-render", "--until", str(until), "--input",
                        keys_file, "--trace", trace_file], check=True, stderr=subprocess.DEVNULL)
        for line in open(trace_file):
            record = json.loads(line)
            if record.get("event") == "phase" and record["level"] == level and \
                    record["phase"] == "Playing":
                return record["t"]
    sys.exit("level %d never begins: the level before it was not finished" % level)


def main():
    replay = os.path.join(TOP, sys.argv[1] if len(sys.argv) > 1 else "build", "korvath-replay")
    keys = ""
    for level, presses in sorted(solutions().items()):
        last = max([0] + [int(line.split()[0]) for line in keys.splitlines() if line[0] != "#"])
        start = play_begins(replay, level, keys, last + 60000)
        keys += "# Level%d: play begins at %d\n" % (level, start)
        keys += "".join("%d %s %s\n" % (start + ms, action, key) for ms, action, key in presses)
    sys.stdout.write(keys)


if __name__ == "__main__":
    main()
