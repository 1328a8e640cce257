#!/usr/bin/env python3
"""Writes plain stand-in pictures for every game picture missing from a gfx
folder, each at the size its loader needs (strips hold all their cells).
Pictures already there are left alone."""
import os
import sys

from PIL import Image

# name: (width, height) of the whole picture; the dialogue boxes have the
# sizes of the real art, so scripts click their buttons in the same places
SIZES = {
    "bg_title.png": (800, 600), "bg_main.png": (800, 600), "bg_map.png": (800, 600),
    "bg_complete.png": (800, 600), "game_top.png": (800, 100), "game_side.png": (100, 500),
    "editor_top.png": (800, 100), "editor_side.png": (100, 500), "gui_menuframe.png": (220, 300),
    "gui_dialogue_sml.png": (360, 240), "gui_dialogue_med.png": (350, 250),
    "gui_dialogue_lrg.png": (410, 320), "gui_dialogue_mas.png": (660, 500),
    "objects.png": (60 * 25, 60), "objects_shadows.png": (60 * 25, 60), "logo_norel.png": (300, 120),
    "arrows.png": (50 * 8, 50), "blocks.png": (50 * 25, 50), "shadows.png": (50 * 16, 50),
    "sparkle.png": (16, 16), "wall.png": (5 * 100, 5), "floor.png": (5 * 100, 5), "arrow.png": (30, 30),
    "map_dot.png": (8, 8), "map_icons.png": (90 * 32, 90), "sun_frames.png": (130 * 10, 130),
    "spark_big.png": (64, 64), "spark_med.png": (32, 32),
    "mouse.png": (40 * 2, 48), "gui_buttons.png": (171 * 4, 42), "gui_buttons_sml.png": (88 * 4, 28),
    "gui_tickBox.png": (40 * 5, 40),
}

# Distinct flat colours so a screenshot shows which picture is which.
COLOURS = {"bg_title.png": (40, 60, 110), "bg_main.png": (150, 120, 70), "logo_norel.png": (30, 30, 30)}


def main() -> int:
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, size in SIZES.items():
        path = os.path.join(folder, name)
        if not os.path.exists(path):
            Image.new("RGBA", size, COLOURS.get(name, (90, 90, 90)) + (255,)).save(path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
