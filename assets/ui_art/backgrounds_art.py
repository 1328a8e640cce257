"""The 800 x 600 backgrounds: the title hall, the dim inner chamber behind
menus, results and the editor, and the dusk over the pyramids for the end of
the game.
"""
import math
import random

from PIL import Image, ImageDraw, ImageEnhance, ImageOps

import glyphs
import kit
import layout
import tomb

W, H = layout.SCREEN
SS = 2


def column(size, x0, x1, top, bottom, seed, light=1.0):
    """A papyrus-bundle column, round and lit from the left: returns
    (rgb, mask)."""
    w, h = size
    img = kit.sandstone(w, h, seed, strata=0.1, base=60)
    # Cylinder shading across the shaft.
    ramp = Image.new("L", (x1 - x0, 1))
    for i in range(x1 - x0):
        t = i / max(1, x1 - x0 - 1)
        v = 0.35 + 0.65 * math.sin(min(math.pi, (t + 0.18) * math.pi)) ** 0.8
        ramp.putpixel((i, 0), int(255 * max(0.0, min(1.0, v * light))))
    shade = Image.new("L", size, 0)
    shade.paste(ramp.resize((x1 - x0, h)), (x0, 0))
    img = kit.ImageChops.multiply(img, shade.convert("RGB"))
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    d.rectangle([x0, top, x1, bottom], fill=255)
    # Bindings near the top, painted in bands.
    bands = Image.new("L", size, 0)
    bd = ImageDraw.Draw(bands)
    for k in range(5):
        y = top + 30 + k * 9
        bd.rectangle([x0, y, x1, y + 5], fill=255)
    paint = Image.new("RGB", size, (34, 72, 156))
    img = Image.composite(kit.ImageChops.multiply(paint, shade.convert("RGB")), img, bands)
    # Flutes down the shaft.
    flutes = Image.new("L", size, 0)
    fd = ImageDraw.Draw(flutes)
    for x in range(x0 + 6, x1 - 3, 9):
        fd.line([(x, top + 80), (x, bottom)], fill=255, width=2)
    img = kit.carve(img, flutes, depth=1, softness=1, floor_dark=0.2, lo_strength=0.4, hi_strength=0.3)
    return img, m


def frieze(img, seed, y0=0, height=34):
    w, h = img.size
    rgb, m = tomb.khekher_frieze((w, h), y0 + 2, height - 8)
    back = Image.new("L", (w, h), 0)
    ImageDraw.Draw(back).rectangle([0, y0, w, y0 + height], fill=255)
    img = Image.composite(ImageEnhance.Brightness(img).enhance(0.55), img, back)
    img = Image.composite(rgb, img, m)
    img = kit.emboss(img, m, depth=1, softness=1, hi_strength=0.5, lo_strength=0.6)
    # Block border under the frieze.
    from frames_art import block_border
    brgb, bm = block_border((w, h), (-20, y0 + height, w + 20, y0 + height + 200), 7, seed)
    strip = Image.new("L", (w, h), 0)
    ImageDraw.Draw(strip).rectangle([0, y0 + height, w, y0 + height + 7], fill=255)
    bm = kit.mask_min(bm, strip)
    img = Image.composite(brgb, img, bm)
    img = kit.drop_shadow(img, strip, (0, 3), 3, 0.5)
    return img


def floor(img, y0, seed, light=1.0):
    w, h = img.size
    stone = kit.sandstone(w, h, seed, strata=0.6, base=120,
                          dark=(150, 110, 66), mid=(200, 160, 106), light=(236, 206, 156))
    stone = ImageEnhance.Brightness(stone).enhance(light)
    m = Image.new("L", (w, h), 0)
    ImageDraw.Draw(m).rectangle([0, y0, w, h], fill=255)
    img = Image.composite(stone, img, m)
    img = kit.emboss(img, m, depth=2, softness=2, hi_strength=0.7, lo_strength=0.4)
    # The wall's foot casts a little shade onto the floor.
    shade = kit.linear_ramp(w, h, 90, 0, 255)
    band = Image.new("L", (w, h), 0)
    ImageDraw.Draw(band).rectangle([0, y0, w, y0 + 10], fill=200)
    return kit.darken(img, kit.blur(band, 4), 0.35)


# -------------------------------------------------------------- the title

def title_cartouche(img, seed):
    """TESMORIA in gold inside a lapis cartouche, hung from the lintel."""
    w, h = img.size
    big = (w * SS, h * SS)
    box = (118 * SS, 62 * SS, 660 * SS, 196 * SS)
    ring = Image.new("L", big, 0)
    d = ImageDraw.Draw(ring)
    d.rounded_rectangle(box, radius=67 * SS, fill=255)
    inner = Image.new("L", big, 0)
    ImageDraw.Draw(inner).rounded_rectangle((box[0] + 11 * SS, box[1] + 11 * SS, box[2] - 11 * SS,
                                             box[3] - 11 * SS), radius=56 * SS, fill=255)
    tie = Image.new("L", big, 0)
    ImageDraw.Draw(tie).rounded_rectangle((box[2] + 8 * SS, box[1] + 4 * SS, box[2] + 24 * SS, box[3] - 4 * SS),
                                          radius=5 * SS, fill=255)
    ring = ImageOps.invert(ImageOps.invert(ring).point(lambda v: v))
    outer = kit.mask_max(ring, tie)
    outer_s = outer.reduce(SS)
    inner_s = inner.reduce(SS)
    gold = kit.gold_surface((w, h), seed, angle=35)
    field = kit.lapis_surface((w, h), seed + 1)
    field = ImageEnhance.Brightness(field).enhance(0.8)
    img = kit.drop_shadow(img, outer_s, (7, 8), 7, 0.65)
    img = Image.composite(kit.emboss(gold, outer_s, depth=2, softness=2, hi_strength=0.9), img, outer_s)
    field = kit.carve(field, inner_s, depth=3, softness=3, floor_dark=0.0, lo_strength=0.8, hi_strength=0.4)
    img = Image.composite(field, img, inner_s)
    # The name, in gold, cast into the lapis with a dark edge.
    fnt = kit.font("serif_bold", 84 * SS)
    text = kit.text_mask(big, (389 * SS, 132 * SS), "TESMORIA", fnt, anchor="mm", spacing=5 * SS).reduce(SS)
    letters = kit.gold_surface((w, h), seed + 2, angle=70, light=(255, 244, 190))
    letters = kit.emboss(letters, text, depth=2, softness=1.5, hi_strength=0.9, lo_strength=0.7)
    img = kit.drop_shadow(img, text, (3, 4), 3, 0.85, (4, 8, 24))
    img = Image.composite(letters, img, text)
    return img


def winged_scarab(img, cx, cy, span, seed):
    """Khepri, the scarab who rolls the sun up the sky, wings spread, carved
    and painted on the hall's wall."""
    w, h = img.size
    big = (w * SS, h * SS)
    s = SS
    wings = Image.new("L", big, 0)
    feathers_rgb = Image.new("RGB", big, (0, 0, 0))
    wd = ImageDraw.Draw(wings)
    fd = ImageDraw.Draw(feathers_rgb)
    rows = [(214, 160, 52), (34, 72, 156), (40, 140, 130), (34, 72, 156)]
    root = 30
    for side in (-1, 1):
        # Rows of feathers from the shoulder outwards: the coverts first,
        # then ever longer flight feathers, each row curving up and out and
        # drooping a little at its tip.
        for r in range(3, -1, -1):
            length = span / 2 * (0.58 + 0.14 * r)
            top_pts, bottom_pts = [], []
            steps = 24
            for k in range(steps + 1):
                t = k / steps
                x = cx + side * (root + (length - root) * t)
                lift = 30 * math.sin(t * math.pi * 0.62) - 10 * t ** 3
                y_top = cy - 34 - lift + r * 14 * (1 - 0.35 * t)
                thick = 16 + r * 4 - 6 * t
                top_pts.append((x, y_top))
                bottom_pts.append((x, y_top + thick))
            # Feather tips: a scalloped edge along the bottom of the row.
            outline = top_pts + list(reversed(bottom_pts))
            pts = [(x * s, y * s) for x, y in outline]
            wd.polygon(pts, fill=255)
            fd.polygon(pts, fill=rows[r])
            n = int((length - root) / 11)
            for k in range(1, n + 1):
                t = k / n
                i = min(steps, int(t * steps))
                x0_, y0_ = top_pts[i]
                x1_, y1_ = bottom_pts[i]
                fd.line([(x0_ * s, (y0_ + 3) * s), (x1_ * s, y1_ * s)], fill=(30, 20, 10), width=s)
                fd.ellipse([(x1_ - 5.5) * s, (y1_ - 4) * s, (x1_ + 5.5) * s, (y1_ + 3) * s], fill=rows[r])
                wd.ellipse([(x1_ - 5.5) * s, (y1_ - 4) * s, (x1_ + 5.5) * s, (y1_ + 3) * s], fill=255)
            fd.line([(x * s, (y + 2) * s) for x, y in top_pts], fill=(240, 200, 110), width=s)
    body = Image.new("L", big, 0)
    bd = ImageDraw.Draw(body)
    bd.ellipse([(cx - 32) * s, (cy - 26) * s, (cx + 32) * s, (cy + 62) * s], fill=255)
    bd.ellipse([(cx - 20) * s, (cy - 46) * s, (cx + 20) * s, (cy - 16) * s], fill=255)
    legs = Image.new("L", big, 0)
    ld = ImageDraw.Draw(legs)
    for side in (-1, 1):
        ld.line([((cx + side * 14) * s, (cy - 38) * s), ((cx + side * 30) * s, (cy - 60) * s),
                 ((cx + side * 20) * s, (cy - 82) * s)], fill=255, width=8 * s, joint="curve")
        ld.line([((cx + side * 26) * s, (cy + 34) * s), ((cx + side * 44) * s, (cy + 64) * s),
                 ((cx + side * 32) * s, (cy + 90) * s)], fill=255, width=8 * s, joint="curve")
        ld.line([((cx + side * 30) * s, (cy + 4) * s), ((cx + side * 52) * s, (cy + 20) * s)], fill=255,
                width=7 * s)
    disc = Image.new("L", big, 0)
    ImageDraw.Draw(disc).ellipse([(cx - 34) * s, (cy - 148) * s, (cx + 34) * s, (cy - 80) * s], fill=255)
    split = Image.new("L", big, 0)
    sd = ImageDraw.Draw(split)
    sd.line([(cx * s, (cy - 2) * s), (cx * s, (cy + 60) * s)], fill=255, width=2 * s)
    sd.arc([(cx - 30) * s, (cy - 30) * s, (cx + 30) * s, (cy + 10) * s], 20, 160, fill=255, width=2 * s)
    to_small = lambda m: m.reduce(SS)
    wings_s, body_s, legs_s, disc_s, split_s = map(to_small, (wings, body, legs, disc, split))
    feathers = feathers_rgb.reduce(SS)
    everything = kit.mask_max(kit.mask_max(wings_s, body_s), kit.mask_max(legs_s, disc_s))
    # Sunk into the wall, then painted.
    img = kit.carve(img, everything, depth=3, softness=2, floor_dark=0.15, lo_strength=0.8, hi_strength=0.5)
    wear = kit.fractal_noise(w, h, seed, base=30, octaves=4)
    paint_amount = kit.scale_l(ImageOps.autocontrast(wear), 0.35, 150)
    img = Image.composite(feathers, img, kit.mask_min(wings_s, paint_amount))
    gold = kit.gold_surface((w, h), seed + 1, angle=50)
    img = Image.composite(kit.emboss(gold, body_s, depth=2, softness=3), img, body_s)
    img = Image.composite(kit.emboss(gold, legs_s, depth=1, softness=1), img, legs_s)
    img = kit.darken(img, split_s, 0.7, (60, 30, 0))
    red = Image.new("RGB", (w, h), (196, 60, 28))
    red = kit.screen_light(red, kit.radial_ramp(w, h, cx - 10, cy - 124, 40, 200, 0), (255, 180, 80), 0.8)
    img = Image.composite(kit.emboss(red, disc_s, depth=2, softness=3), img, disc_s)
    img = kit.carve(img, everything, depth=2, softness=1.5, floor_dark=0.0, lo_strength=0.6, hi_strength=0.5)
    return img


def bg_title(seed):
    img = tomb.wall((W, H), seed, course=75)
    img = ImageEnhance.Brightness(img).enhance(0.92)
    # Glyph columns on both sides of the hall and along the lower wall.
    g = tomb.glyph_mask((W, H), (14, 226, 94, 552), 40, seed + 1)
    g = kit.mask_max(g, tomb.glyph_mask((W, H), (722, 60, 802, 552), 40, seed + 2))
    img = tomb.carve_glyphs(img, g, seed + 3, paint=0.5)
    img = frieze(img, seed + 4, 0, 40)
    img = floor(img, 556, seed + 5)
    img = winged_scarab(img, 282, 418, 360, seed + 6)
    img = title_cartouche(img, seed + 7)
    shafts, dust = tomb.sun_shafts((W, H), seed + 8, (-60, -80), 38,
                                   [(0, 90, 0.8), (130, 60, 0.6), (250, 120, 0.7), (420, 70, 0.5)])
    img = tomb.light_room(img, shafts, dust, 0.5)
    img = kit.vignette(img, 0.5, 330, 300)
    return img


# ---------------------------------------------------------- inner chamber

def bg_main(seed):
    """A dim inner chamber: the walls carry lines of glyphs, two columns
    frame the room and a single shaft of light crosses it. The middle stays
    dark enough for white text."""
    img = tomb.wall((W, H), seed, course=70, light=0.78)
    g = tomb.glyph_mask((W, H), (70, 60, 730, 550), 38, seed + 1)
    # The carving is shallower in the middle of the wall, where the screens
    # write their texts.
    calm = ImageOps.invert(kit.scale_l(kit.radial_ramp(W, H, 400, 310, 330, 255, 0), 0.7))
    g = kit.ImageChops.multiply(g, calm)
    img = tomb.carve_glyphs(img, g, seed + 2, paint=0.35)
    img = frieze(img, seed + 3, 0, 36)
    for x0, x1, light in ((-8, 58, 1.0), (742, 808, 0.8)):
        col, m = column((W, H), x0, x1, 43, 600, seed + 4 + x0)
        img = kit.drop_shadow(img, m, (10, 0), 12, 0.6)
        img = Image.composite(ImageEnhance.Brightness(col).enhance(light), img, m)
    img = floor(img, 560, seed + 5, light=0.75)
    shafts, dust = tomb.sun_shafts((W, H), seed + 6, (-40, -120), 50, [(0, 110, 0.7), (170, 60, 0.45)])
    img = tomb.light_room(img, shafts, dust, 0.42)
    # Shade the middle of the room where the screens write.
    centre = kit.radial_ramp(W, H, 400, 300, 420, 255, 0)
    img = kit.darken(img, centre, 0.42, (34, 16, 4))
    img = kit.vignette(img, 0.55, 400, 260)
    return img


# ------------------------------------------------------------- game end

def pyramid(draw_lit, draw_shade, base_x, base_y, half, height, scale):
    s = scale
    apex = (base_x * s, (base_y - height) * s)
    left = ((base_x - half) * s, base_y * s)
    right = ((base_x + half) * s, base_y * s)
    mid = ((base_x + half * 0.25) * s, base_y * s)
    draw_lit.polygon([apex, left, mid], fill=255)
    draw_shade.polygon([apex, mid, right], fill=255)


def palm(draw, bx, by, height, lean, s):
    """A date palm: a curved trunk and a crown of drooping fronds."""
    crown = (bx + lean, by - height)
    trunk = [(bx + lean * t * t, by - height * t) for t in [i / 8 for i in range(9)]]
    for i in range(len(trunk) - 1):
        wdt = 7 - 3 * i / 8
        draw.line([(trunk[i][0] * s, trunk[i][1] * s), (trunk[i + 1][0] * s, trunk[i + 1][1] * s)],
                  fill=255, width=int(wdt * s))
    for angle, length in ((-170, 48), (-140, 56), (-110, 40), (-70, 42), (-40, 58), (-10, 50),
                          (160, 36), (20, 38)):
        a = math.radians(angle)
        pts = []
        for k in range(9):
            t = k / 8
            x = crown[0] + math.cos(a) * length * t
            y = crown[1] + math.sin(a) * length * t * 0.6 + (length * 0.55) * t * t
            pts.append((x, y))
        for i in range(len(pts) - 1):
            wdt = 5.5 * (1 - i / 9) + 1
            draw.line([(pts[i][0] * s, pts[i][1] * s), (pts[i + 1][0] * s, pts[i + 1][1] * s)],
                      fill=255, width=int(wdt * s))


def bg_complete(seed):
    """Dusk over Giza: the last gold of the sun behind the pyramids, the
    first stars, the Nile holding the light."""
    w, h = W, H
    sky = Image.new("RGB", (w, h))
    top, mid_c, low = (10, 16, 48), (60, 40, 96), (236, 140, 60)
    grad = kit.linear_ramp(w, h, 90)
    sky = ImageOps.colorize(grad, black=top, white=low, mid=mid_c)
    glow = kit.radial_ramp(w, h, 520, 470, 420, 255, 0)
    sky = kit.screen_light(sky, glow, (255, 170, 70), 0.75)
    sunset = kit.radial_ramp(w, h, 560, 480, 220, 255, 0)
    sky = kit.screen_light(sky, sunset, (255, 206, 110), 0.6)
    # Stars, fewer towards the glow.
    stars = Image.new("L", (w, h), 0)
    sd = ImageDraw.Draw(stars)
    rnd = random.Random(seed)
    for _ in range(380):
        x, y = rnd.uniform(0, w), rnd.uniform(0, h * 0.7)
        r = rnd.choice((0.5, 0.7, 0.9, 1.3))
        sd.ellipse([x - r, y - r, x + r, y + r], fill=rnd.randrange(90, 255))
    stars = kit.ImageChops.multiply(stars, ImageOps.invert(kit.scale_l(grad, 1.4)))
    sky = kit.add_light(sky, kit.blur(stars, 0.5), (255, 250, 230), 1.0)
    # Distant dunes and the pyramids.
    big = (w * SS, h * SS)
    lit = Image.new("L", big, 0)
    shade = Image.new("L", big, 0)
    dl, ds = ImageDraw.Draw(lit), ImageDraw.Draw(shade)
    pyramid(dl, ds, 250, 470, 190, 230, SS)
    pyramid(dl, ds, 520, 472, 150, 180, SS)
    pyramid(dl, ds, 690, 474, 80, 96, SS)
    lit_s, shade_s = lit.reduce(SS), shade.reduce(SS)
    stone_lit = kit.sandstone(w, h, seed + 1, dark=(150, 86, 52), mid=(186, 112, 64), light=(220, 142, 80),
                              base=200, strata=0.7)
    stone_shade = ImageEnhance.Brightness(stone_lit).enhance(0.42)
    img = Image.composite(stone_shade, sky, shade_s)
    img = Image.composite(stone_lit, img, lit_s)
    # Courses of blocks on the faces.
    courses = Image.new("L", (w, h), 0)
    cd = ImageDraw.Draw(courses)
    for y in range(240, 475, 7):
        cd.line([(0, y), (w, y)], fill=120)
    img = kit.darken(img, kit.mask_min(courses, kit.mask_max(lit_s, shade_s)), 0.35)
    # Desert and river.
    ground = Image.new("L", (w, h), 0)
    gd = ImageDraw.Draw(ground)
    gd.polygon([(0, 478), (120, 466), (300, 470), (500, 474), (800, 462), (800, 600), (0, 600)], fill=255)
    ground = kit.blur(ground, 1)
    sand = kit.sandstone(w, h, seed + 2, dark=(64, 38, 28), mid=(92, 56, 38), light=(122, 80, 52), strata=0.8,
                         base=200)
    img = Image.composite(sand, img, ground)
    river = Image.new("L", (w * SS, h * SS), 0)
    rd = ImageDraw.Draw(river)
    rd.polygon([(0, 520 * SS), (300 * SS, 506 * SS), (800 * SS, 512 * SS), (800 * SS, 548 * SS),
                (380 * SS, 540 * SS), (0, 560 * SS)], fill=255)
    river = kit.blur(river.reduce(SS), 1)
    water = ImageOps.colorize(kit.linear_ramp(w, h, 0), (30, 30, 70), (200, 120, 60), (120, 70, 80))
    sparkle = kit.fractal_noise(w, h, seed + 3, base=12, octaves=2, aspect=8.0)
    water = kit.screen_light(water, kit.scale_l(sparkle, 1.0, -120), (255, 200, 120), 0.8)
    # The river mirrors the sky and the pyramids, broken by ripples.
    mirror = img.crop((0, 470 - (600 - 500), w, 470)).transpose(Image.FLIP_TOP_BOTTOM)
    reflected = Image.new("RGB", (w, h))
    reflected.paste(mirror, (0, 500))
    water = Image.blend(water, reflected, 0.45)
    img = Image.composite(water, img, river)
    # Palm silhouettes on the near bank.
    palms = Image.new("L", (w * SS, h * SS), 0)
    pd = ImageDraw.Draw(palms)
    for bx, height, lean in ((60, 150, 10), (100, 112, -6), (742, 136, -12), (776, 100, 6)):
        palm(pd, bx, 600, height, lean, SS)
    palms = palms.reduce(SS)
    img = kit.darken(img, palms, 0.92, (14, 8, 10))
    img = kit.vignette(img, 0.45, 420, 380)
    return img


def build(out_dir):
    kit.save_png(kit.solid(bg_title(201)), f"{out_dir}/bg_title.png")
    kit.save_png(kit.solid(bg_main(211)), f"{out_dir}/bg_main.png")
    kit.save_png(kit.solid(bg_complete(221)), f"{out_dir}/bg_complete.png")
