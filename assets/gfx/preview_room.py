#!/usr/bin/env python3
"""A mock room drawn from the room art, for judging the pieces together.

Usage: python3 assets/gfx/preview_room.py <gfx folder> <output png>

Lays out a sample 12 x 10 room with the game's drawing order (floors, flat
objects, drop shadows, soft wall shadows, walls and glyphs, beams, emitter
sparks, solid objects, arrows) and writes it at 1:1 and twice the size. It is
a review aid only: it fakes the beams instead of tracing them.
"""
import os
import sys

from PIL import Image, ImageDraw

SHADOW_MASKS = [1, 4, 16, 64, 5, 20, 65, 80, 21, 69, 81, 84, 2, 8, 32, 128]

# Block ids: . floor1 , floor2 ; floor3 p pit s skeleton1 k skeleton2 # wall1 = wall2 % wall3
# E emitter W R G B glyphs 1 2 3 decorated, F fog-covered floor
ROOM = [
    "#%##1##2#3##",
    "#E..,...;.R#",
    "#..s.;...p.#",
    "1.;.......,#",
    "#...#=..k..2",
    "%.,.#=.....#",
    "#......;...3",
    "G.,...p..FF#",
    "#...;...FFF#",
    "##W##B##%#=#",
]
BLOCK = {".": 1, ",": 2, ";": 3, "p": 4, "s": 5, "k": 6, "#": 7, "=": 8, "%": 9, "E": 10, "W": 11, "R": 12,
         "G": 13, "B": 14, "1": 15, "2": 16, "3": 17, "F": 1}
# (column, row, object id, angle)
OBJECTS = [(4, 2, 16, 0), (4, 7, 16, 90), (6, 2, 2, 0), (9, 4, 7, 0), (2, 6, 19, 0), (7, 5, 5, 0), (3, 4, 10, 0),
           (8, 6, 11, 0), (10, 6, 12, 0), (6, 8, 13, 0), (8, 3, 14, 0), (2, 8, 15, 0), (11, 3, 18, 0), (7, 3, 17, 0),
           (10, 2, 1, 0), (3, 9, 3, 0), (11, 5, 4, 0), (5, 5, 8, 0), (9, 8, 6, 0)]
BEAMS = [((1, 1), (4, 1), (255, 255, 255)), ((1, 1), (1, 1), None)]  # drawn by hand below
X0, Y0 = 6, 95


def cells(img, w, h):
    cols = img.width // w
    return [img.crop(((i % cols) * w, (i // cols) * h, (i % cols) * w + w, (i // cols) * h + h))
            for i in range((img.width // w) * (img.height // h))]


def centre(c, r):
    return c * 50 + X0 - 25, r * 50 + Y0 - 25


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    gfx, out_path = argv[1], argv[2]
    load = lambda n: Image.open(os.path.join(gfx, n)).convert("RGBA")
    blocks, objs = cells(load("blocks.png"), 50, 50), cells(load("objects.png"), 60, 60)
    drops, soft = cells(load("objects_shadows.png"), 60, 60), cells(load("shadows.png"), 50, 50)
    arrows = cells(load("arrows.png"), 50, 50)
    big, med = load("spark_big.png"), load("spark_med.png")
    screen = Image.new("RGBA", (800, 600), (30, 22, 16, 255))
    grid = {}
    for r, row in enumerate(ROOM, start=1):
        for c, ch in enumerate(row, start=1):
            grid[(c, r)] = ch
    def bid(c, r):
        return BLOCK.get(grid.get((c, r), ""), 0)
    def light(c, r):
        return bid(c, r) in (1, 2, 3, 4, 5, 6)
    def put(img, x, y, hx, hy, alpha=1.0):
        if alpha < 1.0:
            img = img.copy()
            img.putalpha(img.getchannel("A").point(lambda v: int(v * alpha)))
        screen.alpha_composite(img, (int(x - hx), int(y - hy)))
    fog = {(c, r) for (c, r), ch in grid.items() if ch == "F"}
    # Floors
    for (c, r), ch in grid.items():
        if light(c, r):
            x, y = centre(c, r)
            if (c, r) in fog:
                put(blocks[20], x, y, 25, 25)
            else:
                put(blocks[bid(c, r)], x, y, 25, 25)
    flat = [o for o in OBJECTS if o[2] not in (1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 16, 19)]
    solid = [o for o in OBJECTS if o not in flat]
    for (c, r, k, a) in flat:
        if (c, r) not in fog:
            put(objs[k], *centre(c, r), 25, 25)
    for (c, r, k, a) in OBJECTS:
        if k in (1, 2, 3, 4, 5, 16, 19):
            put(drops[k + (5 if a else 0)], *centre(c, r), 25, 25)
    # Soft wall shadows, as the shadow map builds them
    casts = lambda c, r: (not light(c, r) and bid(c, r) != 0) or any(
        o[0] == c and o[1] == r and o[2] in (6, 7, 8, 9) for o in OBJECTS)
    for (c, r) in grid:
        if not light(c, r):
            continue
        up, right, down, left = casts(c, r - 1), casts(c + 1, r), casts(c, r + 1), casts(c - 1, r)
        code = up * 1 + right * 4 + down * 16 + left * 64
        codes = []
        if code == 85:
            code = 65
        if code:
            codes += [1, 16] if code == 17 else [64, 4] if code == 68 else [code]
        if not code & 5 and casts(c + 1, r - 1): codes.append(2)
        if not code & 20 and casts(c + 1, r + 1): codes.append(8)
        if not code & 80 and casts(c - 1, r + 1): codes.append(32)
        if not code & 65 and casts(c - 1, r - 1): codes.append(128)
        for k in codes:
            put(soft[SHADOW_MASKS.index(k)], *centre(c, r), 25, 25, 0.75)
    # Walls, glyphs, emitters; one glyph fully lit
    for (c, r), ch in grid.items():
        if not light(c, r) and bid(c, r):
            put(blocks[bid(c, r)], *centre(c, r), 25, 25)
            if ch == "R":
                put(blocks[22], *centre(c, r), 25, 25)
    # Beams: emitter (1,1) right to the mirror at (4,2)? Fake a few straight segments.
    d = ImageDraw.Draw(screen, "RGBA")
    def beam(p0, p1, colour):
        (x0, y0), (x1, y1) = p0, p1
        a = int(0.8 * 255)
        if x0 == x1:
            y0, y1 = sorted((y0, y1))
            d.rectangle([x0 - 2, y0, x0 + 1, y1], fill=colour + (a,))
            for j in (1, 2):
                aa = int((0.8 - 0.3 * j) * 255)
                d.line([x0 - 2 - j, y0, x0 - 2 - j, y1], fill=colour + (aa,))
                d.line([x0 + 1 + j, y0, x0 + 1 + j, y1], fill=colour + (aa,))
        else:
            x0, x1 = sorted((x0, x1))
            d.rectangle([x0, y0 - 2, x1, y0 + 1], fill=colour + (a,))
            for j in (1, 2):
                aa = int((0.8 - 0.3 * j) * 255)
                d.line([x0, y0 - 2 - j, x1, y0 - 2 - j], fill=colour + (aa,))
                d.line([x0, y0 + 1 + j, x1, y0 + 1 + j], fill=colour + (aa,))
    ex, ey = centre(2, 2)
    beam((ex, ey), (centre(4, 2)[0], ey), (255, 255, 255))
    beam((centre(4, 2)[0], ey), centre(4, 7), (255, 255, 255))
    beam((ex, ey), (ex, centre(2, 6)[1] - 20), (255, 255, 255))
    beam(centre(4, 7), (centre(4, 7)[0] + 40, centre(4, 7)[1]), (255, 255, 255))
    beam((centre(6, 2)[0] - 14, ey), (centre(6, 2)[0] - 14, ey), (255, 255, 255))
    beam((ex + 30, ey), (centre(6, 2)[0], ey), (255, 255, 255))
    beam((centre(6, 2)[0], ey), (centre(10, 2)[0], ey), (255, 30, 30))
    beam((centre(11, 4)[0], centre(11, 4)[1]), (centre(11, 2)[0], centre(11, 2)[1] - 25), (255, 30, 30))
    beam((centre(11, 5)[0], centre(11, 5)[1]), (centre(11, 7)[0], centre(11, 7)[1]), (40, 80, 255))
    beam((centre(3, 9)[0], centre(3, 9)[1]), (centre(3, 10)[0], centre(3, 10)[1] - 25), (0, 255, 0))
    for (sx, sy) in [centre(2, 2)]:
        for img, s in ((big, 0.6), (med, 0.6)):
            im = img.resize((int(img.width * s), int(img.height * s)), Image.BILINEAR)
            put(im, sx, sy, im.width / 2, im.height / 2, 0.9)
    for (c, r, k, a) in solid:
        if (c, r) not in fog:
            put(objs[k + (5 if a else 0)], *centre(c, r), 25, 25)
    # Arrows around the sarcophagus at (7, 5)
    for frame, (dc, dr) in ((0, (0, -1)), (6, (0, 1)), (1, (1, 0))):
        put(arrows[frame], *centre(7 + dc, 5 + dr), 25, 25)
    tut = load("arrow.png")
    tx, ty = centre(11, 3)
    put(tut, tx + 40, ty - 40, tut.width / 2, tut.height / 2)
    screen.save(out_path)
    screen.resize((1600, 1200), Image.NEAREST).save(out_path.replace(".png", "_x2.png"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
