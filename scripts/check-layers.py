#!/usr/bin/env python3
"""check-layers.py [SOURCE_DIR]: checks that the source folders depend on each other one way.

Each folder may include its own files and those of the folders on lower layers, never a folder
on its own layer or above; so no chain of includes between files runs round through more than
one folder either. Prints every offence and exits 1 when there is one, 0 otherwise.
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


def main():
    top = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
    offences = []
    files = list(sources(top))
    for path in files:
        folder = path.parts[0]
        for target in includes(top, path):
            other = target.parts[0]
            if other == folder:
                continue
            if other not in LEVEL:
                offences.append(f"{path} includes {target}, outside the layered folders")
            elif LEVEL[other] >= LEVEL[folder]:
                offences.append(f"{path} includes {target}: {other}/ is not below {folder}/")
    for offence in offences:
        print(offence)
    if not offences:
        print(f"layers: {len(files)} files, dependencies one way")
    return 1 if offences else 0


if __name__ == "__main__":
    sys.exit(main())
