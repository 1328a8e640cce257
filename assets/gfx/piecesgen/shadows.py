"""shadows.png: the 16 soft shadows that walls cast onto a neighbouring floor cell.

Frame k shades the sides and corners named by the k-th shade code of the
game's shadowMasks table (1 above, 4 right, 16 below, 64 left, 2 above-right,
8 below-right, 32 below-left, 128 above-left). The sun stands in the top
left, so walls above and to the left throw long shadows onto the floor, while
walls below and to the right only darken a narrow strip where floor meets
wall. Corner sprites continue the side shadows of the two cells beside them,
so shadows join up without seams whatever the walls around a cell are.
"""
import math

from PIL import Image

N = 50
SHADOW_MASKS = [1, 4, 16, 64, 5, 20, 65, 80, 21, 69, 81, 84, 2, 8, 32, 128]
COLOUR = (22, 12, 4)

# Width of the shadow in pixels and its strength at the wall, per side.
WIDTH = {"top": 20.0, "left": 20.0, "right": 8.0, "bottom": 8.0}
STRENGTH = {"top": 1.0, "left": 1.0, "right": 0.7, "bottom": 0.7}
SIDE_BITS = {1: "top", 4: "right", 16: "bottom", 64: "left"}
CORNER_BITS = {2: ("right", "top"), 8: ("right", "bottom"), 32: ("left", "bottom"), 128: ("left", "top")}
ROUNDNESS = 2.5  # p of the p-norm that rounds corner shadows


def falloff(d):
    """Shadow strength at a distance d (in shadow widths) from the wall: 1 at the wall, 0 at d >= 1."""
    if d >= 1.0:
        return 0.0
    return (1.0 - d) ** 1.3


def distance(side, px, py):
    return {"top": py, "bottom": N - py, "left": px, "right": N - px}[side]


def side_shade(side, px, py):
    return STRENGTH[side] * falloff(distance(side, px, py) / WIDTH[side])


def corner_shade(hside, vside, px, py):
    u = distance(hside, px, py) / WIDTH[hside]
    v = distance(vside, px, py) / WIDTH[vside]
    d = (u ** ROUNDNESS + v ** ROUNDNESS) ** (1.0 / ROUNDNESS)
    strength = (STRENGTH[hside] * u + STRENGTH[vside] * v) / (u + v) if u + v > 0 else \
        (STRENGTH[hside] + STRENGTH[vside]) / 2
    return strength * falloff(d)


def shade(code, px, py):
    """Darkness 0..1 at a point of a floor cell with the given shade code."""
    light = 1.0
    for bit, side in SIDE_BITS.items():
        if code & bit:
            light *= 1.0 - side_shade(side, px, py)
    for bit, (hside, vside) in CORNER_BITS.items():
        if code & bit:
            light *= 1.0 - corner_shade(hside, vside, px, py)
    return 1.0 - light


def frame(code, samples=3):
    img = Image.new("RGBA", (N, N), (0, 0, 0, 0))
    px = img.load()
    for y in range(N):
        for x in range(N):
            total = 0.0
            for sy in range(samples):
                for sx in range(samples):
                    total += shade(code, x + (sx + 0.5) / samples, y + (sy + 0.5) / samples)
            a = int(round(255 * total / (samples * samples)))
            if a:
                px[x, y] = COLOUR + (a,)
    return img


def frames():
    return [frame(code) for code in SHADOW_MASKS]
