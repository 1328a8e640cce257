"""The studio's logo for the intro, shown centred on a white screen: a
lapis disc with the golden rising sun between two pyramids, and the name
NOREL set in wide capitals."""
import math

from PIL import Image, ImageDraw

import kit

SS = 4
SIZE = (400, 240)


def emblem(size, cx, cy, r, seed):
    s = SS
    disc = Image.new("L", size, 0)
    ImageDraw.Draw(disc).ellipse([cx - r, cy - r, cx + r, cy + r], fill=255)
    inner = kit.shrink(disc, 5 * s)
    lapis = kit.lapis_surface(size, seed)
    gold = kit.gold_surface(size, seed + 1, angle=40)
    face = kit.carve(lapis, inner, depth=2 * s, softness=2 * s, floor_dark=0.0, lo_strength=0.7, hi_strength=0.3)
    face = Image.composite(face, kit.emboss(gold, disc, depth=2 * s, softness=2 * s, hi_strength=0.9), inner)
    # Sun rising between two pyramids; its rays fan upwards.
    art = Image.new("L", size, 0)
    d = ImageDraw.Draw(art)
    horizon = cy + r * 0.38
    sun_r = r * 0.24
    d.pieslice([cx - sun_r, horizon - sun_r, cx + sun_r, horizon + sun_r], 180, 360, fill=255)
    for k in range(9):
        a = math.radians(180 + 20 + k * 17.5)
        x0, y0 = cx + math.cos(a) * sun_r * 1.35, horizon + math.sin(a) * sun_r * 1.35
        x1, y1 = cx + math.cos(a) * r * 0.66, horizon + math.sin(a) * r * 0.66
        d.line([(x0, y0), (x1, y1)], fill=255, width=int(2.2 * s))
    for side in (-1, 1):
        px = cx + side * r * 0.42
        d.polygon([(px - r * 0.3, horizon), (px, horizon - r * 0.34), (px + r * 0.3, horizon)], fill=255)
    d.rectangle([cx - r * 0.78, horizon, cx + r * 0.78, horizon + 1.6 * s], fill=255)
    art = kit.mask_min(art, inner)
    face = kit.drop_shadow(face, art, (s, s), s, 0.6)
    face = Image.composite(kit.emboss(gold, art, depth=s, softness=s, hi_strength=0.8), face, art)
    return face, disc


def logo(seed):
    w, h = SIZE[0] * SS, SIZE[1] * SS
    size = (w, h)
    s = SS
    face, disc = emblem(size, w / 2, 78 * s, 66 * s, seed)
    out = kit.shadow_layer(disc, (4 * s, 4 * s), 4 * s, 0.35)
    out = Image.alpha_composite(out, kit.layer_from(face, disc))
    fnt = kit.font("serif_semibold", 54 * s)
    name = kit.text_mask(size, (w / 2, 188 * s), "NOREL", fnt, anchor="mm", spacing=16 * s)
    ink = kit.lapis_surface(size, seed + 2, dark=(10, 20, 54), mid=(22, 44, 100), light=(40, 70, 140))
    out = Image.alpha_composite(out, kit.shadow_layer(name, (2 * s, 2 * s), 2 * s, 0.3))
    out = Image.alpha_composite(out, kit.layer_from(ink, name))
    rule = Image.new("L", size, 0)
    rd = ImageDraw.Draw(rule)
    rd.rectangle([w / 2 - 120 * s, 222 * s, w / 2 + 120 * s, 223.5 * s], fill=255)
    rd.polygon([(w / 2 - 6 * s, 222.7 * s), (w / 2, 217 * s), (w / 2 + 6 * s, 222.7 * s), (w / 2, 228.5 * s)],
               fill=255)
    out = Image.alpha_composite(out, kit.layer_from(kit.gold_surface(size, seed + 3), rule))
    return kit.reduce_rgba(out, SS)


def build(out_dir):
    kit.save_png(logo(601), f"{out_dir}/logo_norel.png")
