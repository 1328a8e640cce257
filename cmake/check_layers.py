#!/usr/bin/env python3
"""Fails when a source folder includes a header of a folder above it.

The folders stand in floors: the platform at the bottom, the puzzle engine
above the data and effects it uses, the screens and the program on top.
Every folder may include its own headers and those of the folders listed
for it here; nothing else. The global objects (app/globals.h and the
picture, sound and timer sets it names) are reached from most folders, as
the game was designed, but never from the engine, which runs in tools and
tests without a program around it.
"""
import pathlib
import re
import sys

GLOBALS = {"app/globals.h", "app/gfx_set.h", "app/sfx_set.h", "app/timer.h"}

# folder -> folders whose headers it may include (besides its own)
ALLOWED = {
    "platform": set(),
    "effects": {"platform", "widgets", "GLOBALS"},
    "data": {"platform", "GLOBALS"},
    "audio": {"platform", "data", "GLOBALS"},
    "widgets": {"platform", "data", "effects", "audio", "GLOBALS"},
    "engine": {"platform", "data", "effects"},
    "screens": {"platform", "data", "effects", "audio", "widgets", "engine", "app"},
    "app": {"platform", "data", "effects", "audio", "widgets", "engine", "screens"},
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def main(root: pathlib.Path) -> int:
    problems = []
    for folder, allowed in ALLOWED.items():
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            for header in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
                top = header.split("/", 1)[0] if "/" in header else folder
                if top == folder or top not in ALLOWED:
                    continue
                if top in allowed or ("GLOBALS" in allowed and header in GLOBALS):
                    continue
                problems.append(f"{path.relative_to(root)}: includes \"{header}\" from a folder above {folder}/")
    for p in problems:
        print(p, file=sys.stderr)
    if problems:
        print(f"{len(problems)} include(s) against the folder layers (cmake/check_layers.py)", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")))
