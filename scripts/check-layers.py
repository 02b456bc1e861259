#!/usr/bin/env python3
"""check-layers.py [SOURCE_DIR]: checks that the source folders depend on each other one way.

Each folder may include its own files and those of the folders on lower layers, never a folder
on its own layer or above; so no chain of includes between files runs round through more than
one folder either. A folder's impl/ folder holds the implementations behind its interface
headers: outside platform/, only startup/ (which builds the program from them) includes those.
browser/ is in rooms: window/ holds the main window and may include the others; address/, page/
and downloads/ may not include one another, nor the window, so each can be read and tested alone.
Prints every offence and exits 1 when there is one, 0 otherwise.
"""
import re
import sys
from pathlib import Path

# From the bottom up. platform/ itself holds only what all its folders share (the error type).
LAYERS = [
    ["platform"],
    ["platform/files"],
    ["platform/engine", "platform/system"],
    ["app"],
    ["ietools", "pageedit", "favourites"],
    ["browser"],
    ["startup"],
]
LEVEL = {folder: level for level, folders in enumerate(LAYERS) for folder in folders}
# The folders that may include implementation headers of platform/.
BUILDERS = {"startup"}
# The rooms of browser/ and the one through which they meet.
ROOMS = {"browser": ("window", {"window", "address", "page", "downloads"})}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path):
    """The deepest layered folder holding a file (a path below the top), or None."""
    parts = [part for part in path.parent.parts if part != "impl"]
    while parts and "/".join(parts) not in LEVEL:
        parts.pop()
    return "/".join(parts) if parts else None


def room_of(folder, path):
    """The room of browser/ a file lies in, or None for a folder without rooms."""
    if folder not in ROOMS:
        return None
    parts = path.parts[len(Path(folder).parts):]
    return parts[0] if len(parts) > 1 else ""


def room_offence(folder, path, target):
    """Why a file may not include another of the same folder, or None."""
    if folder not in ROOMS:
        return None
    hub, rooms = ROOMS[folder]
    room, other = room_of(folder, path), room_of(folder, target)
    if room not in rooms:
        return f"{path} lies outside the rooms of {folder}/ ({', '.join(sorted(rooms))})"
    if room != other and room != hub:
        return f"{path} includes {target}: the rooms of {folder}/ meet only in {hub}/"
    return None


def is_implementation(path):
    return "impl" in path.parent.parts


def sources(top):
    for path in sorted((top / "platform").rglob("*")):
        if path.suffix in (".h", ".cpp"):
            yield path.relative_to(top)
    for folder in LEVEL:
        if not folder.startswith("platform"):
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
        folder = folder_of(path)
        for target in includes(top, path):
            other = folder_of(target)
            if other is None:
                offences.append(f"{path} includes {target}, outside the layered folders")
            elif other != folder and LEVEL[other] >= LEVEL[folder]:
                offences.append(f"{path} includes {target}: {other}/ is not below {folder}/")
            elif other == folder and (offence := room_offence(folder, path, target)):
                offences.append(offence)
            elif (is_implementation(target) and not folder.startswith("platform")
                  and folder not in BUILDERS):
                offences.append(f"{path} includes {target}, an implementation: only "
                                f"{', '.join(sorted(BUILDERS))}/ builds the program from those")
    for offence in offences:
        print(offence)
    if not offences:
        print(f"layers: {len(files)} files, dependencies one way")
    return 1 if offences else 0


if __name__ == "__main__":
    sys.exit(main())
