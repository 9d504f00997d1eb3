#!/usr/bin/env python3
"""Lists the modules under src/ and tools/ that use each other, and fails on any.

A module is a header with the .cpp of the same name beside it; module A uses
module B when one of A's files includes B's header. Includes are found as the
compiler finds them: beside the including file first, then under src/.
Usage: scripts/check-cycles.py  (exit status 1 when a cycle is found)
"""
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def source_files():
    for top in ("src", "tools"):
        for folder, _, names in os.walk(os.path.join(ROOT, top)):
            for name in names:
                if name.endswith((".h", ".cpp")):
                    yield os.path.join(folder, name)


def module_of(path):
    return os.path.relpath(os.path.splitext(path)[0], ROOT)


def resolve(included, including):
    for base in (os.path.dirname(including), os.path.join(ROOT, "src")):
        candidate = os.path.normpath(os.path.join(base, included))
        if os.path.isfile(candidate):
            return candidate
    return None


def uses():
    graph = {}
    for path in source_files():
        with open(path, encoding="utf-8") as source:
            text = source.read()
        module = module_of(path)
        graph.setdefault(module, set())
        for included in INCLUDE.findall(text):
            target = resolve(included, path)
            if target and module_of(target) != module:
                graph[module].add(module_of(target))
    return graph


def cycles(graph):
    """The strongly connected groups of more than one module (Tarjan)."""
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for other in sorted(graph.get(node, ())):
            if other not in index:
                visit(other)
                low[node] = min(low[node], low[other])
            elif other in on_stack:
                low[node] = min(low[node], index[other])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    sys.setrecursionlimit(10000)
    for node in sorted(graph):
        if node not in index:
            visit(node)
    return groups


def main():
    found = cycles(uses())
    for group in found:
        print("modules that use each other: " + ", ".join(group))
    if found:
        return 1
    print("no two modules use each other")
    return 0


if __name__ == "__main__":
    sys.exit(main())
