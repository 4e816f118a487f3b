#!/usr/bin/env python3
"""Checks that the folders of src/ depend one way.

A folder is a top folder of src/; a ui/ or qt/ folder inside one counts on its
own. The layers below are the ones README's Layout draws: a folder may include
its own files, the platform interfaces, and folders of lower layers only.
Besides, no two folders may include each other (directly or round a circle),
app/ and cli/ are included by nobody else, the core includes no Qt, and no
source file is longer than 500 lines.

Prints one line per finding, naming the file and line, and exits 1 if there
is any. Usage: tools/check-layers.py [SRC]   (default: src/ of this checkout)
"""
import os
import re
import sys

# Bottom to top. Folders on one layer do not include each other.
LAYERS = [
    ["platform", "mission", "draw"],
    ["catalogue"],
    ["document"],
    ["map", "flow"],
    ["briefing"],  # the playback map reuses the map's projection and Zoom to Fit
    ["properties", "wizards"],
    ["platform/qt"],
    ["ui"],
    ["map/ui", "briefing/ui", "properties/ui", "wizards/ui", "flow/ui"],
    ["app", "cli"],
    ["cli/qt"],
]
CORE = {"platform", "mission", "draw", "catalogue", "document", "map", "briefing", "flow", "properties", "wizards"}
MAX_LINES = 500

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Q[A-Za-z0-9_]*(/|$)")


def folder_of(rel):
    parts = rel.split("/")
    if len(parts) >= 3 and parts[1] in ("ui", "qt"):
        return parts[0] + "/" + parts[1]
    return parts[0]


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src")
    src = os.path.normpath(src)
    layer_of = {f: i for i, line in enumerate(LAYERS) for f in line}
    problems = []
    edges = {}  # folder -> folder -> first (file, line) that makes the edge

    for directory, _, files in sorted(os.walk(src)):
        for name in sorted(files):
            if not name.endswith((".cpp", ".h", ".hpp")):
                continue
            path = os.path.join(directory, name)
            rel = os.path.relpath(path, src).replace(os.sep, "/")
            if "/" not in rel:
                continue
            here = folder_of(rel)
            with open(path, encoding="utf-8", errors="replace") as f:
                lines = f.readlines()
            if len(lines) > MAX_LINES:
                problems.append(f"src/{rel}: {len(lines)} lines (at most {MAX_LINES})")
            if here not in layer_of:
                problems.append(f"src/{rel}: folder {here} is in no layer of tools/check-layers.py")
                continue
            for number, line in enumerate(lines, 1):
                m = INCLUDE.match(line)
                if not m:
                    continue
                where = f"src/{rel}:{number}"
                target = m.group(2)
                if m.group(1) == "<":
                    if here in CORE and QT_HEADER.match(target):
                        problems.append(f"{where}: the core includes Qt (<{target}>)")
                    continue
                if "/" not in target or not os.path.exists(os.path.join(src, target)):
                    continue
                there = folder_of(target)
                if there == here:
                    continue
                edges.setdefault(here, {}).setdefault(there, where)
                if there.split("/")[0] in ("app", "cli") and here.split("/")[0] != there.split("/")[0]:
                    problems.append(f"{where}: includes {target}; nothing outside {there.split('/')[0]}/ may")
                elif there == "platform":
                    pass
                elif there not in layer_of:
                    problems.append(f"{where}: includes {target} from a folder in no layer")
                elif layer_of[there] >= layer_of[here]:
                    side = "on the same layer" if layer_of[there] == layer_of[here] else "above"
                    problems.append(f"{where}: {here} includes {target}, a folder {side} it")

    problems += circles(edges)
    for p in problems:
        print(p)
    if problems:
        print(f"check-layers: {len(problems)} problem(s)")
        return 1
    return 0


def circles(edges):
    """Every strongly connected group of folders, with the includes that close it."""
    index, low, stack, on_stack, groups = {}, {}, [], set(), []
    counter = [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on_stack.add(v)
        for w in sorted(edges.get(v, {})):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for v in sorted(edges):
        if v not in index:
            visit(v)
    found = []
    for group in groups:
        found.append("folders include each other round a circle: " + " <-> ".join(group))
        for a in group:
            for b in group:
                if b in edges.get(a, {}):
                    found.append(f"  {edges[a][b]}: {a} includes {b}")
    return found


if __name__ == "__main__":
    sys.exit(main())
