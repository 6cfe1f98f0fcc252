#!/usr/bin/env python3
"""Prints the include graph between the folders of src/ and its circles.

An edge A -> B means a file in src/A includes a header of src/B. A circle is
a path of edges that comes back to where it started (A -> B -> A, or longer).
The composition root, src/main/ (the main window and the program's start,
where every subsystem is put together), may include every folder, so its
includes are left out of the graph; no other folder may include it.

  include_graph.py            the edges (with the files behind each) and circles
  include_graph.py --check    fails on any circle, and on any file outside
                              src/main/ that includes a header of src/main/
"""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(HERE, "..", "src")
ROOT = "main"
# Folders inside a folder of src/ that form a layer of their own, below the
# folder that holds them: the transfer layer has no widgets and includes
# nothing of the upload above it.
SUBLAYERS = ["upload/transfer"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def layer_of(path, folders):
    """The layer a path below src/ belongs to: a sublayer, else its top folder."""
    for sub in SUBLAYERS:
        if path.startswith(sub + "/"):
            return sub
    head = path.split("/")[0]
    return head if "/" in path and head in folders else None


def edges():
    tops = sorted(d for d in os.listdir(SRC) if os.path.isdir(os.path.join(SRC, d)))
    folders = sorted(tops + [s for s in SUBLAYERS if os.path.isdir(os.path.join(SRC, s))])
    found = {}  # (from, to) -> [files]
    for top in tops:
        if top == ROOT:
            continue
        for dirpath, _, files in os.walk(os.path.join(SRC, top)):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(dirpath, name)
                rel = os.path.relpath(path, SRC).replace(os.sep, "/")
                folder = layer_of(rel, tops)
                with open(path, encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for target in INCLUDE.findall(text):
                    head = layer_of(target, tops)
                    if head and head != folder:
                        found.setdefault((folder, head), []).append(rel)
    return folders, found


def circles(folders, found):
    """Every elementary circle, each once, written from its smallest folder."""
    out = {}
    succ = {f: sorted(b for (a, b) in found if a == f) for f in folders}

    def walk(start, node, path, seen):
        for nxt in succ[node]:
            if nxt == start:
                out[" -> ".join(path + [start])] = True
            elif nxt > start and nxt not in seen:
                walk(start, nxt, path + [nxt], seen | {nxt})

    for start in folders:
        walk(start, start, [start], {start})
    return sorted(out)


def main():
    folders, found = edges()
    found_circles = circles(folders, found)
    if "--check" not in sys.argv:
        for (a, b), files in sorted(found.items()):
            more = f" and {len(files) - 3} more" if len(files) > 3 else ""
            print(f"{a} -> {b}: {', '.join(sorted(set(files))[:3])}{more}")
        print(f"\n{len(found_circles)} circles")
        for c in found_circles:
            print("  " + c)
        return 0
    into_root = sorted(set(f for (a, b), files in found.items() if b == ROOT for f in files))
    print(f"include graph of src/: {len(found_circles)} circles, {len(into_root)} files including {ROOT}/")
    for c in found_circles:
        print(f"circle: {c}")
        for a, b in zip(c.split(" -> "), c.split(" -> ")[1:]):
            print(f"    {a} -> {b}: {', '.join(sorted(set(found[(a, b)]))[:5])}")
    for f in into_root:
        print(f"{f} includes the composition root {ROOT}/")
    return 1 if found_circles or into_root else 0


if __name__ == "__main__":
    sys.exit(main())
