"""The tomb itself: masonry walls with carved and painted glyphs, the
friezes along their tops, and the shafts of sunlight that fall into the
chambers from the top left. Backgrounds and panels are built from these.
"""
import math
import random

from PIL import Image, ImageDraw, ImageEnhance, ImageOps

import glyphs
import kit

FADED_PAINT = [(60, 96, 170), (176, 64, 40), (50, 140, 130), (214, 166, 70)]


def masonry_joints(size, seed, course=80, min_block=110, max_block=220, width=2, top=0):
    """The joints between sandstone blocks, staggered course by course."""
    w, h = size
    rnd = random.Random(seed)
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    y = top
    while y < h:
        d.line([(0, y), (w, y)], fill=255, width=width)
        x = -rnd.randrange(0, max_block)
        while x < w:
            x += rnd.randrange(min_block, max_block)
            d.line([(x, y), (x, y + course)], fill=255, width=width)
        y += course
    return m


def wall(size, seed, light=1.0, course=80, joints=True, **stone):
    """A sandstone wall of blocks, its joints cut and shaded."""
    w, h = size
    img = kit.sandstone(w, h, seed, **stone)
    if light != 1.0:
        img = ImageEnhance.Brightness(img).enhance(light)
    if joints:
        j = masonry_joints(size, seed + 1, course=course)
        img = kit.carve(img, j, depth=1, softness=1.0, floor_dark=0.35, lo_strength=0.5, hi_strength=0.3)
        # Each block is a shade different from its neighbours.
        tint = kit.value_noise(w, h, 150, course, seed + 2)
        img = kit.darken(img, kit.scale_l(tint, 0.35), 0.5, (60, 34, 14))
    return img


def glyph_mask(size, box, col_w, seed, rule_width=2, ss=2):
    """Columns of glyphs with carved rules between them, supersampled."""
    w, h = size
    big = Image.new("L", (w * ss, h * ss), 0)
    d = ImageDraw.Draw(big)
    x0, y0, x1, y1 = box
    glyphs.random_glyph_wall(d, (x0 * ss, y0 * ss, x1 * ss, y1 * ss), col_w * ss, random.Random(seed),
                             line_fill=255, line_w=rule_width * ss)
    return big.reduce(ss)


def carve_glyphs(img, mask, seed, paint=0.45, depth=1):
    """Carves glyphs in sunken relief and paints some of them in the
    faded colours of old tomb paint."""
    w, h = img.size
    if paint > 0:
        patches = Image.new("RGB", (w, h))
        rnd = random.Random(seed)
        pd = ImageDraw.Draw(patches)
        step = 36
        for y in range(0, h, step):
            for x in range(0, w, step):
                pd.rectangle([x, y, x + step, y + step], fill=rnd.choice(FADED_PAINT))
        patches = patches.resize((w, h), Image.NEAREST)
        fade = kit.fractal_noise(w, h, seed + 1, base=48, octaves=3)
        amount = kit.scale_l(kit.mask_min(mask, fade), paint)
        img = Image.composite(patches, img, amount)
    return kit.carve(img, mask, depth=depth, softness=1.0, floor_dark=0.25, lo_strength=0.7, hi_strength=0.45)


def khekher_frieze(size, y0, height, ss=2):
    """The row of stylised reed bundles that crowns tomb walls. Returns
    (rgb, mask) of the painted frieze."""
    w, h = size
    W, H = w * ss, h * ss
    m = Image.new("L", (W, H), 0)
    rgb = Image.new("RGB", (W, H), (0, 0, 0))
    d = ImageDraw.Draw(m)
    cd = ImageDraw.Draw(rgb)
    unit = height * 0.55 * ss
    x = 0.0
    k = 0
    top = y0 * ss
    bottom = (y0 + height) * ss
    colours = [(34, 72, 156), (176, 60, 36), (40, 140, 130)]
    while x < W:
        cx = x + unit / 2
        body = [(x + unit * 0.15, bottom), (x + unit * 0.15, top + unit * 0.55),
                (cx, top), (x + unit * 0.85, top + unit * 0.55), (x + unit * 0.85, bottom)]
        d.polygon(body, fill=255)
        cd.polygon(body, fill=(214, 166, 70))
        # Bands and the painted heart of each bundle.
        for t in (0.55, 0.75):
            yy = top + (bottom - top) * t
            cd.rectangle([x + unit * 0.15, yy, x + unit * 0.85, yy + unit * 0.12], fill=(40, 24, 10))
        cd.ellipse([cx - unit * 0.18, top + unit * 0.45, cx + unit * 0.18, top + unit * 0.85],
                   fill=colours[k % 3])
        x += unit
        k += 1
    return rgb.reduce(ss), m.reduce(ss)


def sun_shafts(size, seed, origin, direction_deg, beams):
    """Soft beams of sunlight from an opening at the top left. `beams` is a
    list of (offset along the opening, width, strength)."""
    w, h = size
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    ox, oy = origin
    a = math.radians(direction_deg)
    dx, dy = math.cos(a), math.sin(a)
    px, py = -dy, dx  # across the beam
    length = math.hypot(w, h) * 1.6
    for offset, width, strength in beams:
        sx, sy = ox + px * offset, oy + py * offset
        spread = width * 0.35
        pts = [(sx - px * width / 2, sy - py * width / 2), (sx + px * width / 2, sy + py * width / 2),
               (sx + px * (width / 2 + spread) + dx * length, sy + py * (width / 2 + spread) + dy * length),
               (sx - px * (width / 2 + spread) + dx * length, sy - py * (width / 2 + spread) + dy * length)]
        layer = Image.new("L", size, 0)
        ImageDraw.Draw(layer).polygon(pts, fill=int(255 * strength))
        m = kit.mask_max(m, layer)
    m = kit.blur(m, 7)
    # Beams fade as they travel from the opening.
    fall = kit.radial_ramp(w, h, ox, oy, math.hypot(w, h) * 1.1, 255, 60)
    m = ImageOps.autocontrast(kit.ImageChops.multiply(m, fall), cutoff=0) if m.getbbox() else m
    # Dust turning in the light.
    dust = Image.new("L", size, 0)
    dd = ImageDraw.Draw(dust)
    rnd = random.Random(seed)
    for _ in range(w * h // 1800):
        x = rnd.uniform(0, w)
        y = rnd.uniform(0, h)
        r = rnd.choice((0.6, 0.8, 1.0, 1.4))
        dd.ellipse([x - r, y - r, x + r, y + r], fill=rnd.randrange(120, 255))
    dust = kit.ImageChops.multiply(kit.blur(dust, 0.6), m)
    return m, dust


def light_room(img, shafts, dust, strength=0.55, dust_strength=0.9):
    # Sunlit stone is brighter and warmer, and the air in the beam glows.
    lit = ImageEnhance.Brightness(img).enhance(1.0 + strength * 0.9)
    img = Image.composite(lit, img, shafts)
    img = kit.screen_light(img, shafts, kit.SUNLIGHT, strength * 0.6)
    return kit.add_light(img, dust, (255, 240, 200), dust_strength)
