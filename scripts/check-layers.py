#!/usr/bin/env python3
"""check-layers.py [SOURCE_DIR]: checks that the source folders depend on each other one way.

Each folder may include its own files and those of the folders on lower layers, never a folder
on its own layer or above; and no chain of includes between files runs round through more than
one folder. Prints every offence and exits 1 when there is one, 0 otherwise.
"""
import re
import sys
from pathlib import Path

# From the bottom up.
LAYERS = [
    ["platform"],
    ["app"],
    ["ietools", "pageedit", "favourites"],
    ["browser"],
    ["startup"],
]
LEVEL = {folder: level for level, folders in enumerate(LAYERS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def sources(top):
    for folder in LEVEL:
        for path in sorted((top / folder).rglob("*")):
            if path.suffix in (".h", ".cpp"):
                yield path.relative_to(top)


def includes(top, path):
    """The project files a source includes, as paths below the top."""
    found = []
    for name in INCLUDE.findall((top / path).read_text(encoding="utf-8")):
        beside = path.parent / name
        if (top / beside).is_file():
            found.append(beside)
        elif (top / name).is_file():
            found.append(Path(name))
    return found


def cycles(graph):
    """The strongly connected groups of more than one file (Tarjan, without recursion)."""
    index, low, on_stack, stack, groups, counter = {}, {}, set(), [], [], 0
    for root in graph:
        if root in index:
            continue
        work = [(root, iter(graph[root]))]
        index[root] = low[root] = counter
        counter += 1
        stack.append(root)
        on_stack.add(root)
        while work:
            node, children = work[-1]
            child = next(children, None)
            if child is not None:
                if child not in index:
                    index[child] = low[child] = counter
                    counter += 1
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(graph.get(child, ()))))
                elif child in on_stack:
                    low[node] = min(low[node], index[child])
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[node])
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
    return groups


def main():
    top = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
    offences = []
    graph = {}
    for path in sources(top):
        graph[path] = includes(top, path)
        folder = path.parts[0]
        for target in graph[path]:
            other = target.parts[0]
            if other == folder:
                continue
            if other not in LEVEL:
                offences.append(f"{path} includes {target}, outside the layered folders")
            elif LEVEL[other] >= LEVEL[folder]:
                offences.append(f"{path} includes {target}: {other}/ is not below {folder}/")
    for group in cycles(graph):
        if len({member.parts[0] for member in group}) > 1:
            offences.append("files including each other across folders: " + ", ".join(map(str, group)))
    for offence in offences:
        print(offence)
    if not offences:
        print(f"layers: {len(graph)} files, dependencies one way")
    return 1 if offences else 0


if __name__ == "__main__":
    sys.exit(main())
