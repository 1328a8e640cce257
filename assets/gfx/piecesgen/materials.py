"""The tomb's palette and its stone surfaces.

Walls are a bright, warm sandstone so they read as raised masonry in the sun;
floors are a darker, greyer flagstone so beams of every colour stand out on
them. Gold and lapis are the accents; the sun always comes from the top left.
"""
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from . import canvas as cv

# Stone
WALL_LIGHT = (238, 208, 158)
WALL = (214, 178, 124)
WALL_DARK = (172, 134, 86)
FLOOR_LIGHT = (170, 140, 104)
FLOOR = (146, 116, 84)
FLOOR_DARK = (116, 90, 64)
MORTAR = (82, 58, 36)
SHADOW = (26, 14, 6)
HIGHLIGHT = (255, 244, 214)

# Precious things
GOLD_LIGHT = (255, 238, 160)
GOLD = (236, 184, 62)
GOLD_DARK = (150, 96, 22)
LAPIS_LIGHT = (96, 140, 230)
LAPIS = (34, 66, 156)
LAPIS_DARK = (16, 28, 80)
TURQUOISE = (70, 196, 184)
CARNELIAN = (196, 60, 36)
BONE = (232, 222, 196)
BONE_DARK = (160, 146, 116)

# Light colours of the glyphs, gems and decayed walls (white, red, green, blue)
LIGHTS = {
    "white": (255, 255, 255),
    "red": (255, 40, 30),
    "green": (40, 230, 70),
    "blue": (50, 110, 255),
}


def stone(w, h, seed, dark, mid, light, cells=3, grain=0.35, pits=12, calm=0.45):
    """A mottled stone surface: broad patches, fine grain and a few small pits."""
    broad = cv.stretch(cv.noise(w, h, cells, seed, octaves=4, persistence=0.55), 70, 190)
    surface = cv.mix(dark, light, broad)
    # Blend towards the middle tone so the patches stay gentle.
    surface = Image.blend(surface, Image.new("RGBA", surface.size, tuple(mid) + (255,)), calm)
    fine = cv.stretch(cv.noise(w, h, w // 2, seed + 1, octaves=2), 60, 200)
    grain_layer = cv.mix((0, 0, 0), (255, 255, 255), fine)
    surface = Image.blend(surface, ImageChops.overlay(surface, grain_layer), grain)
    rnd = random.Random(seed + 2)
    draw = ImageDraw.Draw(surface)
    for _ in range(pits):
        x, y = rnd.uniform(1, w - 2) * cv.SS, rnd.uniform(1, h - 2) * cv.SS
        r = rnd.uniform(0.35, 0.8) * cv.SS
        shade = tuple(int(c * 0.72) for c in mid) + (255,)
        draw.ellipse([x - r, y - r, x + r, y + r], fill=shade)
        # The sunlit lower-right lip of the pit.
        lip = tuple(min(255, int(c * 1.12)) for c in mid) + (255,)
        draw.arc([x - r, y - r, x + r + 1, y + r + 1], 0, 90, fill=lip, width=max(1, cv.SS // 2))
    return surface


def wall_stone(w, h, seed):
    return stone(w, h, seed, WALL_DARK, WALL, WALL_LIGHT, cells=3, grain=0.15, pits=6, calm=0.6)


def floor_stone(w, h, seed):
    return stone(w, h, seed, FLOOR_DARK, FLOOR, FLOOR_LIGHT, cells=2, grain=0.12, pits=5, calm=0.6)


def gradient(w, h, c0, c1, direction="diag"):
    """A linear gradient layer from c0 (top left) to c1 (bottom right), or vertical/horizontal."""
    W, H = w * cv.SS, h * cv.SS
    ramp = Image.linear_gradient("L")  # 256 x 256, black at top
    if direction == "vertical":
        m = ramp.resize((W, H))
    elif direction == "horizontal":
        m = ramp.rotate(90, expand=True).transpose(Image.FLIP_LEFT_RIGHT).resize((W, H))
    else:
        v = ramp.resize((W, H))
        hz = ramp.rotate(90, expand=True).transpose(Image.FLIP_LEFT_RIGHT).resize((W, H))
        m = ImageChops.add(v.point(lambda x: x // 2), hz.point(lambda x: x // 2))
    return cv.mix(c0, c1, m)


def cracks(w, h, seed, count, length, origin=None, spread=1.0):
    """A mask of thin branching cracks (supersampled), as random walks."""
    rnd = random.Random(seed)
    m = Image.new("L", (w * cv.SS, h * cv.SS), 0)
    d = ImageDraw.Draw(m)
    for i in range(count):
        if origin is None:
            x, y = rnd.uniform(4, w - 4), rnd.uniform(4, h - 4)
        else:
            x, y = origin[0] + rnd.uniform(-2, 2), origin[1] + rnd.uniform(-2, 2)
        ang = rnd.uniform(0, 6.283)
        width = 1.1 * spread
        pts = [(x, y)]
        for _ in range(length):
            ang += rnd.uniform(-0.7, 0.7)
            step = rnd.uniform(1.5, 3.2)
            import math
            x += math.cos(ang) * step
            y += math.sin(ang) * step
            pts.append((x, y))
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            d.line([x0 * cv.SS, y0 * cv.SS, x1 * cv.SS, y1 * cv.SS], fill=255, width=max(1, int(width * cv.SS)))
            width = max(0.45, width * 0.93)
    return m
