"""The sun timer: a round window onto the desert in which the sun sinks
from high noon (frame 0) to its setting (frame 9), the sky warming and
darkening as the time of the location runs out."""
import math

from PIL import Image, ImageDraw, ImageOps

import kit
import layout

SS = 4
CELL = layout.SUN_SIZE[0]
RADIUS = 63          # inside the gold ring of the side panel
HORIZON = 92         # y of the horizon in the cell


def sky_colours(t):
    """Top and bottom sky colours at time t (0 noon .. 1 sunset)."""
    keys = [
        (0.0, (40, 110, 200), (170, 210, 240)),
        (0.45, (46, 96, 180), (236, 214, 160)),
        (0.75, (70, 60, 130), (250, 160, 70)),
        (1.0, (30, 20, 60), (220, 70, 30)),
    ]
    for (t0, a0, b0), (t1, a1, b1) in zip(keys, keys[1:]):
        if t <= t1:
            u = (t - t0) / (t1 - t0)
            return kit.lerp_colour(a0, a1, u), kit.lerp_colour(b0, b1, u)
    return keys[-1][1], keys[-1][2]


def frame(index, seed):
    t = index / (layout.SUN_FRAMES - 1)
    size = (CELL * SS, CELL * SS)
    w, h = size
    top, bottom = sky_colours(t)
    ramp = kit.linear_ramp(w, h, 90)
    sky = ImageOps.colorize(ramp, black=top, white=bottom)
    sx = (34 + 52 * t) * SS
    sy = (30 + (HORIZON - 30) * (t ** 1.6)) * SS
    sun_r = (11 + 3 * t) * SS
    sun_col = kit.lerp_colour((255, 250, 220), (255, 120, 40), t ** 1.3)
    glow_col = kit.lerp_colour((255, 240, 180), (255, 110, 40), t)
    glow = kit.radial_ramp(w, h, sx, sy, sun_r * (3.6 + 1.5 * t), 255, 0)
    sky = kit.screen_light(sky, glow, glow_col, 0.9)
    disc = Image.new("L", size, 0)
    ImageDraw.Draw(disc).ellipse([sx - sun_r, sy - sun_r, sx + sun_r, sy + sun_r], fill=255)
    sun = Image.new("RGB", size, sun_col)
    sun = kit.screen_light(sun, kit.radial_ramp(w, h, sx - sun_r * 0.3, sy - sun_r * 0.3, sun_r, 200, 0),
                           (255, 255, 240), 0.6)
    sky = Image.composite(sun, sky, kit.blur(disc, SS * 0.5))
    # The land: dunes and two pyramids against the sky, darker as dusk falls.
    land = Image.new("L", size, 0)
    d = ImageDraw.Draw(land)
    d.polygon([(0, HORIZON * SS), (30 * SS, (HORIZON - 3) * SS), (70 * SS, (HORIZON + 1) * SS),
               (CELL * SS, (HORIZON - 4) * SS), (CELL * SS, CELL * SS), (0, CELL * SS)], fill=255)
    lit = Image.new("L", size, 0)
    shade = Image.new("L", size, 0)
    for cx, half, height in ((38, 22, 28), (78, 15, 19)):
        apex = (cx * SS, (HORIZON - height) * SS)
        base_l = ((cx - half) * SS, (HORIZON + 1) * SS)
        base_r = ((cx + half) * SS, (HORIZON + 1) * SS)
        mid = ((cx + half * 0.15) * SS, (HORIZON + 1) * SS)
        # The sun moves west (right): the lit face turns as it goes.
        if t < 0.5:
            ImageDraw.Draw(lit).polygon([apex, base_l, mid], fill=255)
            ImageDraw.Draw(shade).polygon([apex, mid, base_r], fill=255)
        else:
            ImageDraw.Draw(shade).polygon([apex, base_l, mid], fill=255)
            ImageDraw.Draw(lit).polygon([apex, mid, base_r], fill=255)
    sand_lit = Image.new("RGB", size, kit.lerp_colour((236, 196, 130), (200, 100, 60), t))
    sand_shade = Image.new("RGB", size, kit.lerp_colour((170, 126, 76), (80, 36, 40), t))
    ground = kit.sandstone(w, h, seed, dark=kit.lerp_colour((176, 126, 70), (60, 30, 30), t),
                           mid=kit.lerp_colour((214, 168, 104), (100, 50, 40), t),
                           light=kit.lerp_colour((240, 206, 150), (150, 80, 50), t), base=30 * SS, strata=0.8)
    img = Image.composite(ground, sky, land)
    img = Image.composite(sand_shade, img, shade)
    img = Image.composite(sand_lit, img, lit)
    # Late frames: first stars.
    if t > 0.7:
        stars = Image.new("L", size, 0)
        sd = ImageDraw.Draw(stars)
        for k, (x, y) in enumerate(((20, 24), (46, 14), (96, 30), (110, 50), (70, 36), (30, 50))):
            r = 0.7 * SS
            sd.ellipse([x * SS - r, y * SS - r, x * SS + r, y * SS + r], fill=int(255 * (t - 0.7) / 0.3))
        img = kit.add_light(img, stars, (255, 250, 230))
    window = Image.new("L", size, 0)
    c = CELL * SS / 2
    r = RADIUS * SS
    ImageDraw.Draw(window).ellipse([c - r, c - r, c + r, c + r], fill=255)
    img = kit.carve(img, window, depth=2 * SS, softness=3 * SS, floor_dark=0.0, lo_strength=0.7, hi_strength=0.2)
    out = kit.layer_from(img, window)
    return kit.reduce_rgba(out, SS)


def sun_frames(seed):
    cells = [frame(i, seed + i) for i in range(layout.SUN_FRAMES)]
    out = Image.new("RGBA", (CELL * 5, CELL * 2), (0, 0, 0, 0))
    for i, cell in enumerate(cells):
        out.paste(cell, ((i % 5) * CELL, (i // 5) * CELL))
    return out


def build(out_dir):
    kit.save_png(sun_frames(501), f"{out_dir}/sun_frames.png")
