"""Painting kit shared by every screen picture: noise, stone and gold
surfaces, relief (raised and carved), drop shadows and text.

The light of the whole game comes from the top left, so every bevel lights
its top-left edges and every shadow falls to the bottom right.

Everything here is deterministic: noise comes from seeded random.Random
objects, never from Pillow's own noise, so two runs paint the same bytes.
"""
import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont, ImageOps

FONT_DIRS = {
    "serif_bold": "/usr/share/fonts/opentype/linux-libertine/LinLibertine_RB.otf",
    "serif": "/usr/share/fonts/opentype/linux-libertine/LinLibertine_R.otf",
    "serif_semibold": "/usr/share/fonts/opentype/linux-libertine/LinLibertine_RZ.otf",
    "display": "/usr/share/fonts/opentype/linux-libertine/LinLibertine_DR.otf",
    "garamond": "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf",
    "garamond_bold": "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Bold.otf",
    "sans": "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "sans_bold": "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "sans_condensed_bold": "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
}

# The palette of the tomb.
SAND_DARK = (96, 62, 34)
SAND_MID = (178, 132, 80)
SAND_LIGHT = (232, 196, 140)
SUNLIGHT = (255, 226, 160)
GOLD_DARK = (120, 76, 18)
GOLD = (214, 160, 52)
GOLD_LIGHT = (255, 232, 150)
LAPIS_DARK = (14, 30, 78)
LAPIS = (34, 72, 156)
LAPIS_LIGHT = (92, 140, 220)
TURQUOISE = (40, 150, 150)
CARNELIAN = (168, 52, 30)
SHADOW = (30, 16, 6)


def font(name, size):
    return ImageFont.truetype(FONT_DIRS[name], size)


# ---------------------------------------------------------------- noise

def value_noise(w, h, cell_x, cell_y, seed):
    """Smooth noise: a random grid blown up bicubically. Cells are the
    feature size in pixels; unequal cells give streaks (stone strata)."""
    rnd = random.Random(seed)
    gw = max(2, w // cell_x + 4)
    gh = max(2, h // cell_y + 4)
    grid = Image.frombytes("L", (gw, gh), rnd.randbytes(gw * gh))
    big = grid.resize((gw * cell_x, gh * cell_y), Image.BICUBIC)
    return big.crop((cell_x, cell_y, cell_x + w, cell_y + h))


def fractal_noise(w, h, seed, base=64, octaves=5, aspect=1.0, persistence=0.5):
    """Sum of octaves of value noise, stretched to the full 0..255 range."""
    result = None
    weight_sum = 0.0
    cell = base
    amp = 1.0
    for octave in range(octaves):
        cx = max(1, int(cell * aspect))
        cy = max(1, int(cell))
        layer = value_noise(w, h, cx, cy, seed * 101 + octave)
        if result is None:
            result = layer
            weight_sum = amp
        else:
            weight_sum += amp
            result = Image.blend(result, layer, amp / weight_sum)
        cell = max(1, cell // 2)
        amp *= persistence
    return ImageOps.autocontrast(result, cutoff=1)


def grain(w, h, seed):
    rnd = random.Random(seed)
    return Image.frombytes("L", (w, h), rnd.randbytes(w * h))


def scale_l(img, factor, offset=0):
    """Pixelwise v * factor + offset, clamped, for L images."""
    lut = [max(0, min(255, int(v * factor + offset))) for v in range(256)]
    return img.point(lut)


def solid(size, colour, mode="RGB"):
    return Image.new(mode, size, colour)


def lerp_colour(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


# ------------------------------------------------------------- surfaces

def sandstone(w, h, seed, dark=(150, 106, 62), mid=(192, 146, 92), light=(228, 190, 134),
              strata=0.45, grain_amount=0.04, base=96):
    """Warm sandstone: cloudy fractal colour, horizontal strata and fine
    grain."""
    clouds = fractal_noise(w, h, seed, base=base, octaves=5)
    layers = fractal_noise(w, h, seed + 7, base=24, octaves=3, aspect=9.0)
    mixed = Image.blend(clouds, layers, strata)
    mixed = ImageOps.autocontrast(mixed, cutoff=1)
    stone = ImageOps.colorize(mixed, black=dark, white=light, mid=mid)
    g = ImageOps.colorize(grain(w, h, seed + 13), black=(0, 0, 0), white=(255, 255, 255))
    stone = Image.blend(stone, ImageChops.overlay(stone, kit_blur(g, 0.5)), grain_amount * 4)
    return stone


def kit_blur(img, r):
    return img.filter(ImageFilter.GaussianBlur(r))


def linear_ramp(w, h, angle_deg, lo=0, hi=255):
    """L gradient rising along the angle (0 = left to right, 90 = top to
    bottom)."""
    diag = int(math.hypot(w, h)) + 4
    ramp = Image.linear_gradient("L").resize((diag, diag))
    ramp = ramp.rotate(90 - angle_deg, resample=Image.BICUBIC)
    left = (diag - w) // 2
    top = (diag - h) // 2
    ramp = ramp.crop((left, top, left + w, top + h))
    return scale_l(ramp, (hi - lo) / 255.0, lo)


def radial_ramp(w, h, cx, cy, radius, inner=255, outer=0):
    """L value inner at (cx, cy) falling to outer at radius and beyond."""
    size = int(radius * 2)
    # Pillow's gradient reaches 255 in the corners (181 at the edge
    # midpoints): stretch it so the circle of the radius is the edge.
    g = Image.radial_gradient("L").point(lambda v: min(255, v * 255 // 181))
    g = g.resize((max(1, size), max(1, size)), Image.BICUBIC)
    g = ImageOps.invert(g)  # 255 in the centre
    out = Image.new("L", (w, h), 0)
    out.paste(g, (int(cx - radius), int(cy - radius)))
    return scale_l(out, (inner - outer) / 255.0, outer)


def tint(l_img, colour):
    """An RGB image of the colour scaled by the L image."""
    return ImageChops.multiply(Image.new("RGB", l_img.size, colour), l_img.convert("RGB"))


def add_light(rgb, mask, colour, strength=1.0):
    """Additive light of the colour through the mask."""
    m = scale_l(mask, strength) if strength != 1.0 else mask
    return ImageChops.add(rgb, tint(m, colour))


def screen_light(rgb, mask, colour, strength=1.0):
    m = scale_l(mask, strength) if strength != 1.0 else mask
    return ImageChops.screen(rgb, tint(m, colour))


def darken(rgb, mask, strength=1.0, colour=(0, 0, 0)):
    """Blend towards the colour through the mask (shadows, soot)."""
    m = scale_l(mask, strength) if strength != 1.0 else mask
    return Image.composite(Image.new("RGB", rgb.size, colour), rgb, m)


def solid(rgb):
    """The game loads pictures with pure black as their see-through colour.
    A background covers the screen whole, so its pure black pixels are
    lifted a step: the picture stays solid and is copied to the screen
    instead of blended, which costs the renderer far less."""
    r, g, b = (c.point(lambda v: 255 if v == 0 else 0) for c in rgb.split())
    black = ImageChops.multiply(ImageChops.multiply(r, g), b)
    return Image.composite(Image.new("RGB", rgb.size, (1, 1, 1)), rgb, black)


def vignette(rgb, strength=0.55, cx=None, cy=None):
    w, h = rgb.size
    cx = w * 0.42 if cx is None else cx
    cy = h * 0.40 if cy is None else cy
    r = math.hypot(w, h) * 0.62
    lightmap = radial_ramp(w, h, cx, cy, r, 255, int(255 * (1 - strength)))
    return ImageChops.multiply(rgb, lightmap.convert("RGB"))


# -------------------------------------------------------------- masks

def shift(img, dx, dy, fill=0):
    """Moves an image without wrapping (ImageChops.offset wraps)."""
    out = Image.new(img.mode, img.size, fill)
    out.paste(img, (dx, dy))
    return out


def blur(img, r):
    return img.filter(ImageFilter.GaussianBlur(r)) if r > 0 else img


def mask_min(a, b):
    return ImageChops.darker(a, b)


def mask_max(a, b):
    return ImageChops.lighter(a, b)


def mask_sub(a, b):
    return ImageChops.subtract(a, b)


def grow(mask, r):
    """Dilates a mask by about r pixels (soft, then thresholded)."""
    if r <= 0:
        return mask
    size = 2 * int(r) + 1
    return mask.filter(ImageFilter.MaxFilter(size if size % 2 else size + 1))


def shrink(mask, r):
    if r <= 0:
        return mask
    size = 2 * int(r) + 1
    return mask.filter(ImageFilter.MinFilter(size))


def rounded_rect_mask(size, box, radius, fill=255):
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).rounded_rectangle(box, radius=radius, fill=fill)
    return m


def ellipse_mask(size, box, fill=255):
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).ellipse(box, fill=fill)
    return m


def polygon_mask(size, points, fill=255):
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).polygon(points, fill=fill)
    return m


# ------------------------------------------------------------- relief

def edge_light(mask, depth, softness):
    """Highlight and shadow masks of a raised shape lit from the top left:
    its top-left slopes catch the light, its bottom-right slopes turn away."""
    soft = blur(mask, softness)
    d = max(1, int(depth))
    moved = shift(soft, d, d)
    moved_back = shift(soft, -d, -d)
    hi = ImageChops.subtract(soft, moved)
    lo = ImageChops.subtract(soft, moved_back)
    hi = ImageChops.multiply(hi, mask)
    lo = ImageChops.multiply(lo, mask)
    return ImageOps.autocontrast(hi, cutoff=0.5), ImageOps.autocontrast(lo, cutoff=0.5)


def emboss(rgb, mask, depth=2, softness=2, hi_strength=0.75, lo_strength=0.7,
           hi_colour=(255, 240, 200), lo_colour=(20, 10, 0)):
    """Raised relief inside the mask."""
    hi, lo = edge_light(mask, depth, softness)
    rgb = screen_light(rgb, hi, hi_colour, hi_strength)
    rgb = darken(rgb, lo, lo_strength, lo_colour)
    return rgb


def carve(rgb, mask, depth=2, softness=1.5, floor_dark=0.30, hi_strength=0.55,
          lo_strength=0.75, floor_colour=(40, 22, 8)):
    """Sunken relief: the cut is darker, its top-left wall lies in shadow
    and its bottom-right wall catches the light."""
    rgb = darken(rgb, mask, floor_dark, floor_colour)
    inverse = ImageOps.invert(mask)
    # The walls of a cut are the raised rim of the stone around it.
    hi, lo = edge_light(inverse, depth, softness)
    near = grow(mask, depth + 2)
    hi = ImageChops.multiply(hi, near)
    lo = ImageChops.multiply(lo, near)
    # Inside the cut: top-left wall dark, bottom-right wall bright.
    rgb = darken(rgb, ImageChops.multiply(lo, mask), lo_strength * 0.3)
    shadow_in = ImageChops.multiply(blur(shift(inverse, depth, depth), softness), mask)
    rgb = darken(rgb, shadow_in, lo_strength, (20, 10, 2))
    light_in = ImageChops.multiply(blur(shift(inverse, -depth, -depth), softness), mask)
    rgb = screen_light(rgb, light_in, (255, 236, 190), hi_strength)
    return rgb


def drop_shadow(base, mask, offset=(4, 4), radius=4, opacity=0.6, colour=SHADOW):
    """Darkens the base where the mask, moved down-right and blurred,
    falls."""
    sh = blur(shift(mask, offset[0], offset[1]), radius)
    return darken(base, sh, opacity, colour)


def shadow_layer(mask, offset=(4, 4), radius=4, opacity=0.6, colour=SHADOW):
    """An RGBA layer holding only the soft shadow of a mask."""
    sh = scale_l(blur(shift(mask, offset[0], offset[1]), radius), opacity)
    layer = Image.new("RGBA", mask.size, colour + (0,))
    layer.putalpha(sh)
    return layer


def gold_surface(size, seed, angle=60, dark=GOLD_DARK, mid=GOLD, light=GOLD_LIGHT):
    """Burnished gold: a diagonal sheen with faint hammered noise."""
    w, h = size
    ramp = linear_ramp(w, h, angle)
    waves = ImageOps.autocontrast(value_noise(w, h, max(2, w // 6), max(2, h // 3), seed))
    sheen = Image.blend(ramp, waves, 0.35)
    # Bright bands like polished metal.
    lut = [int(255 * (0.5 + 0.5 * math.sin(v / 255.0 * math.pi * 2.2 - 0.6))) for v in range(256)]
    sheen = Image.blend(sheen, sheen.point(lut), 0.55)
    return ImageOps.colorize(sheen, black=dark, white=light, mid=mid)


def lapis_surface(size, seed, dark=LAPIS_DARK, mid=LAPIS, light=LAPIS_LIGHT):
    """Lapis lazuli: deep blue with cloudy veins and gold flecks."""
    w, h = size
    clouds = fractal_noise(w, h, seed, base=max(4, min(w, h) // 2), octaves=4)
    stone = ImageOps.colorize(clouds, black=dark, white=light, mid=mid)
    rnd = random.Random(seed + 5)
    draw = ImageDraw.Draw(stone)
    for _ in range(max(1, w * h // 900)):
        x = rnd.randrange(w)
        y = rnd.randrange(h)
        draw.point((x, y), fill=(230, 190, 90))
    return stone


def apply_shape(base_rgba, rgb, mask):
    """Paints rgb through the mask onto an RGBA layer."""
    layer = rgb.convert("RGBA")
    layer.putalpha(mask)
    return Image.alpha_composite(base_rgba, layer)


def layer_from(rgb, mask):
    out = rgb.convert("RGBA")
    out.putalpha(mask)
    return out


def reduce_rgba(img, factor):
    """Supersampled RGBA down to its final size, averaging premultiplied
    colour so edges do not darken."""
    if factor == 1:
        return img
    pre = img.convert("RGBa")
    small = pre.reduce(factor)
    return small.convert("RGBA")


def reduce_rgb(img, factor):
    return img if factor == 1 else img.reduce(factor)


def bleed(img):
    """Gives fully transparent pixels the colour of their nearest opaque
    neighbours, so filtered drawing never pulls a dark fringe in."""
    alpha = img.getchannel("A")
    rgb = img.convert("RGB")
    fill = rgb
    for r in (2, 6, 16):
        spread = blur(Image.composite(rgb, Image.new("RGB", rgb.size), alpha), r)
        weight = blur(alpha, r)
        spread = _divide(spread, weight)
        fill = Image.composite(fill, spread, alpha.point(lambda v: 255 if v > 0 else 0))
    out = Image.composite(rgb, fill, alpha.point(lambda v: 255 if v > 0 else 0))
    out = out.convert("RGBA")
    out.putalpha(alpha)
    return out


def _divide(rgb, weight):
    """rgb / (weight/255), channel by channel."""
    chans = []
    wdata = list(weight.getdata())
    for ch in rgb.split():
        data = ch.getdata()
        chans.append([min(255, (v * 255) // w) if w else 0 for v, w in zip(data, wdata)])
    out = Image.new("RGB", rgb.size)
    out.putdata(list(zip(*chans)))
    return out


# ---------------------------------------------------------------- text

def text_mask(size, xy, text, fnt, anchor="la", spacing=0):
    """Renders text into an L mask; with spacing > 0 letters are spread by
    that many pixels (carved inscriptions are set wide)."""
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    if spacing <= 0:
        d.text(xy, text, font=fnt, fill=255, anchor=anchor)
        return m
    total = sum(fnt.getlength(c) for c in text) + spacing * (len(text) - 1)
    x, y = xy
    if anchor[0] == "m":
        x -= total / 2
    elif anchor[0] == "r":
        x -= total
    for c in text:
        d.text((x, y), c, font=fnt, fill=255, anchor="l" + anchor[1])
        x += fnt.getlength(c) + spacing
    return m


def save_png(img, path):
    """PNG without any time or text chunk, so the bytes depend only on the
    pixels."""
    img.save(path, format="PNG", optimize=False, compress_level=9)


# -------------------------------------------------------------- plates

def plate(size, box, radius, rim, face, rim_rgb, raised=True, depth=None,
          inner_line=(40, 20, 4)):
    """A framed plate as an RGBA layer: a bevelled metal or stone rim around
    a face picture. Both pictures must have the layer's size. A raised face
    catches the light on its top-left edge; a sunken one (raised=False)
    shows its bottom-right edge lit instead."""
    w, h = size
    outer = rounded_rect_mask(size, box, radius)
    x0, y0, x1, y1 = box
    inner_box = (x0 + rim, y0 + rim, x1 - rim, y1 - rim)
    inner = rounded_rect_mask(size, inner_box, max(1, radius - rim))
    depth = depth or max(1, rim // 2)
    rim_lit = emboss(rim_rgb, outer, depth=depth, softness=depth, hi_strength=0.9, lo_strength=0.75)
    if raised:
        face_lit = emboss(face, inner, depth=depth, softness=depth * 1.5, hi_strength=0.45,
                          lo_strength=0.55)
    else:
        face_lit = carve(face, inner, depth=depth, softness=depth * 1.5, floor_dark=0.0,
                         hi_strength=0.35, lo_strength=0.65)
    img = Image.composite(face_lit, rim_lit, inner)
    if inner_line is not None:
        line = mask_sub(grow(inner, max(1, rim // 4)), inner)
        img = darken(img, line, 0.6, inner_line)
    out = img.convert("RGBA")
    out.putalpha(outer)
    return out
