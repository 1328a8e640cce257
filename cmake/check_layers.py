#!/usr/bin/env python3
"""Fails when a source file includes a header of a folder above its own.

The folders stand in floors: the platform at the bottom, then the data and
the effects, the puzzle engine, the sounds and the widgets, the screens, and
the program on top. Every folder may include its own headers and those of
the floors below it, nothing else. The command-line tools and the
benchmarks are programs of their own and stand beside the program. Each
test folder stands where the folder it tests stands, with the test support
beside it.

Nothing is exempt: the screens are handed what they use in a kit, and the
program binds it to its own objects.
"""
import pathlib
import re
import sys

BELOW = {
    "platform": set(),
    "data": {"platform"},
    "effects": {"platform"},
    "engine": {"platform", "data", "effects"},
    "audio": {"platform", "data"},
    "widgets": {"platform", "data", "effects", "audio"},
    "screens": {"platform", "data", "effects", "audio", "widgets", "engine"},
    "app": {"platform", "data", "effects", "audio", "widgets", "engine", "screens"},
}
PROGRAMS = BELOW["app"] | {"app"}
BELOW["tools"] = PROGRAMS
BELOW["bench"] = PROGRAMS | {"tests", "tools"}
BELOW["fuzz"] = {"platform", "data"}


INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def allowed_for(path: pathlib.Path, root: pathlib.Path):
    """(folder name, the folders it may include) for a source file."""
    parts = path.relative_to(root).parts
    if parts[0] == "tests":
        tested = parts[1] if len(parts) > 2 else "tests"
        if tested in ("support",):
            return "tests", {"platform", "tests"}
        if tested in BELOW:
            return tested, BELOW[tested] | {tested, "tests"}
        return tested, PROGRAMS | {"tests", "tools"}  # whole-game tests: assets, install
    return parts[0], BELOW[parts[0]] | {parts[0]}


def main(root: pathlib.Path) -> int:
    problems = []
    folders = list(BELOW) + ["tests"]
    for top in folders:
        for path in sorted((root / top).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            folder, allowed = allowed_for(path, root)
            for header in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
                if "/" not in header:
                    continue
                target = header.split("/", 1)[0]
                if target not in BELOW and target != "tests":
                    continue  # a generated or system header
                if target in allowed:
                    continue
                problems.append(f"{path.relative_to(root)}: includes \"{header}\" from a folder above {folder}/")
    for p in problems:
        print(p, file=sys.stderr)
    if problems:
        print(f"{len(problems)} include(s) against the folder floors (cmake/check_layers.py)", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")))
