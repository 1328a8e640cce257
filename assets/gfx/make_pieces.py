#!/usr/bin/env python3
"""Draws the room art of the game into a gfx folder.

Usage: python3 assets/gfx/make_pieces.py <gfx folder>

Writes blocks.png, objects.png, objects_shadows.png, shadows.png, arrows.png,
wall.png, floor.png, sparkle.png, spark_big.png, spark_med.png, spark.png and
arrow.png. Needs Pillow and rsvg-convert. Two runs give identical files.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from piecesgen import blocks, effects, objects, shadows, sheet  # noqa: E402

OUTPUTS = ["blocks.png", "objects.png", "objects_shadows.png", "shadows.png", "arrows.png", "wall.png", "floor.png",
           "sparkle.png", "spark_big.png", "spark_med.png", "spark.png", "arrow.png"]


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    out = argv[1]
    def put(name, img):
        sheet.save(img, os.path.join(out, name))
    put("blocks.png", sheet.grid(blocks.frames(), 50, 50, 5))
    objs, drops = objects.frames()
    put("objects.png", sheet.grid(objs, 60, 60, 5))
    put("objects_shadows.png", sheet.grid(drops, 60, 60, 5))
    put("shadows.png", sheet.grid(shadows.frames(), 50, 50, 4))
    put("arrows.png", sheet.grid(effects.arrows(), 50, 50, 4))
    put("wall.png", objects.wall_fragments())
    put("floor.png", objects.floor_fragments())
    put("sparkle.png", effects.sparkle())
    put("spark_big.png", effects.spark_big())
    put("spark_med.png", effects.spark_med())
    put("spark.png", effects.firework_particle())
    put("arrow.png", effects.tutorial_arrow())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
