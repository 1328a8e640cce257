"""The panels around the room: the in-game top bar and side column, and the
level editor's toolbar and side column.

Each pair is painted as one 800 x 600 frame and then cut in two, so the top
panel and the side panel (drawn over its right end) meet without a seam.
"""
import random

from PIL import Image, ImageDraw, ImageEnhance, ImageOps

import glyphs
import kit
import layout
import tomb

W, H = layout.SCREEN
SS = 2
SIDE = layout.SIDE_X


_cache = {}


def cached(key, make):
    """Full-screen textures are costly; every panel shares one of each."""
    if key not in _cache:
        _cache[key] = make()
    return _cache[key]


def gold(angle=40):
    return cached(("gold", angle), lambda: kit.gold_surface((W, H), 900 + angle, angle=angle))


def dark_stone(colour):
    def make():
        dark = kit.sandstone(W, H, 950, dark=colour[0], mid=colour[1], light=colour[2], strata=0.3,
                             grain_amount=0.02, base=80)
        return kit.darken(dark, kit.linear_ramp(W, H, 80, 0, 140), 0.35)
    return cached(("stone", colour), make)


def rect_mask(box, radius=0):
    return kit.rounded_rect_mask((W, H), box, radius)


def base_stone(seed):
    img = tomb.wall((W, H), seed, course=60, light=0.9)
    return img


def recess(img, box, radius, seed, colour=((14, 20, 42), (24, 34, 68), (38, 52, 96)), depth=3,
           rim=True):
    """A panel sunk into the stone and lined with dark stone, framed by a
    thin gold fillet. Text is written on it in light colours. Only the
    neighbourhood of the box is repainted."""
    pad = depth * 3 + 8
    x0, y0, x1, y1 = box
    region = (max(0, x0 - pad), max(0, y0 - pad), min(W, x1 + pad + 1), min(H, y1 + pad + 1))
    sub = img.crop(region)
    local = (x0 - region[0], y0 - region[1], x1 - region[0], y1 - region[1])
    m = kit.rounded_rect_mask(sub.size, local, radius)
    sub = Image.composite(dark_stone(colour).crop(region), sub, m)
    sub = kit.carve(sub, m, depth=depth, softness=depth, floor_dark=0.0, lo_strength=0.85, hi_strength=0.4)
    if rim:
        fillet = kit.mask_sub(kit.grow(m, 2), m)
        sub = Image.composite(kit.emboss(gold(30).crop(region), fillet, depth=1, softness=1, hi_strength=0.7),
                              sub, fillet)
    img = img.copy()
    img.paste(sub, region[:2])
    return img


def gold_moulding(img, box, seed):
    """A bevelled gold bar (borders between panel and room)."""
    m = rect_mask(box)
    img = kit.drop_shadow(img, m, (2, 2), 2, 0.6)
    return Image.composite(kit.emboss(gold(80), m, depth=1, softness=1.5, hi_strength=0.8), img, m)


def gold_text(img, text, centre, size, seed, font_name="serif_bold", spacing=2, outline=0):
    """Gold letters standing out of the stone; with an outline they get a
    dark rim, for labels that must read at a glance."""
    big = (W * SS, H * SS)
    fnt = kit.font(font_name, size * SS)
    m = kit.text_mask(big, (centre[0] * SS, centre[1] * SS), text, fnt, anchor="mm",
                      spacing=spacing * SS).reduce(SS)
    if outline:
        rim = kit.blur(kit.grow(m, outline), 0.6)
        img = kit.darken(img, rim, 0.9, (34, 16, 2))
    img = kit.drop_shadow(img, m, (1, 2), 1.5, 0.8)
    return Image.composite(kit.emboss(gold(70), m, depth=1, softness=1, hi_strength=0.8), img, m)


def triad(img, centre, height, seed):
    """Life, stability and dominion: the ankh between the djed pillar and
    the was sceptre, inlaid in gold."""
    cx, cy = centre
    big = Image.new("L", (W * SS, H * SS), 0)
    d = ImageDraw.Draw(big)
    gw = height * 0.7
    for k, glyph in enumerate((glyphs.was_sceptre, glyphs.ankh, glyphs.djed, glyphs.ankh, glyphs.was_sceptre)):
        x = cx + (k - 2) * gw * 1.15 - gw / 2
        glyphs.draw_glyph(d, glyph, (x * SS, (cy - height / 2) * SS, gw * SS, height * SS))
    m = big.reduce(SS)
    img = kit.carve(img, kit.grow(m, 1), depth=1, softness=1, floor_dark=0.4, lo_strength=0.7)
    return Image.composite(kit.emboss(gold(60), m, depth=1, softness=1, hi_strength=0.8), img, m)


def painted_border(img, box, seed):
    from frames_art import block_border
    rgb, m = block_border((W, H), box, box[3] - box[1], seed)
    clip = rect_mask(box)
    m = kit.mask_min(m, clip)
    img = Image.composite(rgb, img, m)
    return kit.carve(img, clip, depth=1, softness=1, floor_dark=0.0, lo_strength=0.5, hi_strength=0.3)


def ring(img, centre, r_in, r_out, seed):
    cx, cy = centre
    big = (W * SS, H * SS)
    m = Image.new("L", big, 0)
    d = ImageDraw.Draw(m)
    d.ellipse([(cx - r_out) * SS, (cy - r_out) * SS, (cx + r_out) * SS, (cy + r_out) * SS], fill=255)
    d.ellipse([(cx - r_in) * SS, (cy - r_in) * SS, (cx + r_in) * SS, (cy + r_in) * SS], fill=0)
    m = m.reduce(SS)
    img = kit.drop_shadow(img, m, (3, 3), 3, 0.6)
    return Image.composite(kit.emboss(gold(40), m, depth=2, softness=2, hi_strength=0.9), img, m)


def round_recess(img, centre, r, seed, colour=(20, 24, 44)):
    cx, cy = centre
    big = Image.new("L", (W * SS, H * SS), 0)
    ImageDraw.Draw(big).ellipse([(cx - r) * SS, (cy - r) * SS, (cx + r) * SS, (cy + r) * SS], fill=255)
    m = big.reduce(SS)
    img = Image.composite(Image.new("RGB", (W, H), colour), img, m)
    return kit.carve(img, m, depth=3, softness=3, floor_dark=0.0, lo_strength=0.9, hi_strength=0.4)


def rays_around(img, centre, r0, r1, count, seed):
    """Carved sun rays fanning round the sun window."""
    import math
    cx, cy = centre
    big = Image.new("L", (W * SS, H * SS), 0)
    d = ImageDraw.Draw(big)
    for k in range(count):
        a = 2 * math.pi * k / count
        a2 = a + math.pi / count * 0.45
        a1 = a - math.pi / count * 0.45
        pts = [(cx + math.cos(a1) * r0, cy + math.sin(a1) * r0), (cx + math.cos(a) * r1, cy + math.sin(a) * r1),
               (cx + math.cos(a2) * r0, cy + math.sin(a2) * r0)]
        d.polygon([(x * SS, y * SS) for x, y in pts], fill=255)
    m = big.reduce(SS)
    gold = kit.gold_surface((W, H), seed, angle=40, dark=(110, 70, 20), mid=(180, 130, 50), light=(230, 190, 110))
    img = Image.composite(gold, img, kit.scale_l(m, 0.7))
    return kit.carve(img, m, depth=1, softness=1, floor_dark=0.1, lo_strength=0.6, hi_strength=0.5)


def coin_icon(img, centre, seed):
    """A little heap of gold coins for the treasure count."""
    cx, cy = centre
    big = Image.new("L", (W * SS, H * SS), 0)
    d = ImageDraw.Draw(big)
    coins = [(-10, 8), (6, 8), (-2, 1), (10, 0), (-12, -2), (2, -8)]
    layers = []
    for dx, dy in coins:
        m = Image.new("L", (W * SS, H * SS), 0)
        ImageDraw.Draw(m).ellipse([(cx + dx - 9) * SS, (cy + dy - 6) * SS, (cx + dx + 9) * SS, (cy + dy + 6) * SS],
                                  fill=255)
        layers.append(m.reduce(SS))
    union = layers[0]
    for m in layers[1:]:
        union = kit.mask_max(union, m)
    img = kit.drop_shadow(img, union, (2, 3), 2, 0.7)
    for i, m in enumerate(layers):
        img = Image.composite(kit.emboss(gold(30 + i * 20), m, depth=1, softness=1.2, hi_strength=0.9,
                                         lo_strength=0.8), img, m)
    return img


def ankh_icon(img, centre, seed, height=40):
    cx, cy = centre
    big = Image.new("L", (W * SS, H * SS), 0)
    glyphs.draw_glyph(ImageDraw.Draw(big), glyphs.ankh,
                      ((cx - height * 0.38) * SS, (cy - height / 2) * SS, height * 0.76 * SS, height * SS))
    m = big.reduce(SS)
    img = kit.drop_shadow(img, m, (2, 3), 2, 0.7)
    return Image.composite(kit.emboss(gold(50), m, depth=1, softness=1.2, hi_strength=0.9), img, m)


def button_niche(img, box, seed):
    """A dark niche that buttons stand in."""
    return recess(img, box, 6, seed, colour=((70, 48, 26), (92, 66, 38), (112, 84, 52)), depth=2)


def finish(img, seed):
    shade = kit.linear_ramp(W, H, 50, 0, 90)
    return kit.darken(img, shade, 0.35, (30, 14, 4))


# ------------------------------------------------------------- in-game

def game_frame(seed):
    img = base_stone(seed)
    top = layout.ROOM_TOP
    # Top bar: a frieze of painted glyphs, the map-icon medallion, the name
    # plate and the niche of the three room buttons.
    img = recess(img, (12, 12, 306, 76), 8, seed + 1, colour=((10, 22, 60), (28, 58, 130), (60, 100, 180)))
    img = gold_text(img, "TESMORIA", (159, 45), 40, seed + 2, spacing=4)
    icon_x, icon_y = layout.GAME_MAP_ICON
    img = round_recess(img, (icon_x, icon_y - 6), 38, seed + 3)
    img = ring(img, (icon_x, icon_y - 6), 38, 44, seed + 4)
    img = recess(img, (418, 6, 704, 72), 6, seed + 5)
    img = button_niche(img, (708, 1, 799, 84), seed + 6)
    img = gold_moulding(img, (0, top - 6, SIDE + 6, top - 1), seed + 7)
    # Side column.
    img = gold_moulding(img, (SIDE, top - 6, SIDE + 6, H), seed + 8)
    sun_x, sun_y = layout.SUN_CENTRE
    img = rays_around(img, (sun_x, sun_y), 72, 85, 24, seed + 9)
    img = round_recess(img, (sun_x, sun_y), 66, seed + 10, colour=(30, 24, 40))
    img = ring(img, (sun_x, sun_y), 64, 71, seed + 11)
    money_x, money_y = layout.MONEY_POS
    lives_x, lives_y = layout.LIVES_POS
    img = gold_text(img, "TREASURE", (money_x - 1, money_y - 16), 16, seed + 12, spacing=3, outline=1)
    img = recess(img, (money_x - 62, money_y - 6, money_x + 60, money_y + 40), 8, seed + 13)
    img = coin_icon(img, (SIDE + 28, money_y + 18), seed + 14)
    img = gold_text(img, "LIVES", (lives_x - 1, lives_y - 16), 16, seed + 15, spacing=3, outline=1)
    img = recess(img, (lives_x - 62, lives_y - 6, lives_x + 60, lives_y + 40), 8, seed + 16)
    img = ankh_icon(img, (SIDE + 28, lives_y + 17), seed + 17)
    img = triad(img, (SIDE + 96, 410), 30, seed + 18)
    img = painted_border(img, (SIDE + 14, 548, 702, 556), seed + 19)
    img = button_niche(img, (708, 566, 799, 599), seed + 20)
    return finish(img, seed)


# ---------------------------------------------------------------- editor

def editor_frame(seed):
    img = base_stone(seed)
    top = layout.EDITOR_ROOM_TOP
    img = recess(img, (10, 6, 182, 38), 6, seed + 90)
    img = recess(img, (10, 45, 182, 77), 6, seed + 91)
    img = gold_text(img, "BLOCKS", (96, layout.TOOLBAR_BLOCK_Y), 17, seed + 1, spacing=4)
    img = gold_text(img, "OBJECTS", (96, layout.TOOLBAR_OBJECT_Y), 17, seed + 2, spacing=4)
    # One dark socket per toolbar item.
    for i in range(layout.TOOLBAR_SLOTS):
        x = layout.TOOLBAR_X0 + layout.TOOLBAR_STEP * i
        img = recess(img, (x - 17, 4, x + 16, 39), 4, seed + 3 + i, depth=2,
                     colour=((52, 36, 22), (70, 50, 32), (88, 64, 42)))
        img = recess(img, (x - 17, 43, x + 16, 79), 4, seed + 40 + i, depth=2,
                     colour=((52, 36, 22), (70, 50, 32), (88, 64, 42)))
    img = gold_moulding(img, (0, top - 7, SIDE + 6, top - 2), seed + 80)
    img = gold_moulding(img, (SIDE, top - 7, SIDE + 6, H), seed + 81)
    # Side column: location name, location buttons, room list, room buttons.
    nx, ny = layout.EDITOR_NAME_POS
    img = recess(img, (nx - 7, ny - 3, 796, ny + 26), 5, seed + 82)
    img = gold_text(img, "LOCATION", (710, 148), 15, seed + 83, spacing=3, outline=1)
    img = button_niche(img, (620, 162, 799, 234), seed + 84)
    lx, ly, lw, lh = layout.EDITOR_LIST
    img = gold_text(img, "ROOMS", (710, 257), 15, seed + 85, spacing=3, outline=1)
    img = recess(img, (lx - 4, ly - 4, lx + lw + 3, ly + lh + 3), 5, seed + 86)
    img = button_niche(img, (620, 444, 799, 532), seed + 87)
    img = button_niche(img, (620, 543, 799, 576), seed + 88)
    img = painted_border(img, (SIDE + 14, 584, 794, 592), seed + 89)
    return finish(img, seed)


def build(out_dir):
    game = game_frame(301)
    kit.save_png(game.crop((0, 0, W, layout.ROOM_TOP)), f"{out_dir}/game_top.png")
    kit.save_png(game.crop((SIDE, 0, W, H)), f"{out_dir}/game_side.png")
    editor = editor_frame(311)
    kit.save_png(editor.crop((0, 0, W, layout.EDITOR_ROOM_TOP)), f"{out_dir}/editor_top.png")
    kit.save_png(editor.crop((SIDE, 0, W, H)), f"{out_dir}/editor_side.png")
