"""blocks.png: the 25 cell pictures of a room, 50 x 50 each.

Frame = block id: 0 the cell outline, 1-3 floors, 4 pit, 5-6 skeletons,
7-9 walls, 10 the light emitter, 11-14 exit glyphs, 15-17 decorated walls,
18 the nameless void. 19 is unused, 20 is the fog tile and 21-24 are the lit
overlays of glyphs 11-14 (drawn over them at the glyph's glow).
"""
import math
import random

from PIL import Image, ImageDraw, ImageFilter

from . import canvas as cv
from . import materials as mat
from . import symbols

N = 50
GLYPH_COLOURS = ["white", "red", "green", "blue"]  # blocks 11..14


# ---------------------------------------------------------------- floors

def _flagstone(surface, x0, y0, x1, y1):
    """Shades one flagstone (final-pixel box) on surface: a dark joint on its right and bottom,
    a sunlit rim on its top and left."""
    m = cv.rect_mask(N, N, x0, y0, x1 - 1, y1 - 1)
    surface = cv.raised(surface, m, depth=1.2, light=mat.HIGHLIGHT, shade=mat.SHADOW, lit_op=0.35,
                        dark_op=0.35, blur=0.6)
    joint = Image.new("L", surface.size, 255)
    ImageDraw.Draw(joint).rectangle([x0 * cv.SS, y0 * cv.SS, (x1 - 1) * cv.SS - 1, (y1 - 1) * cv.SS - 1], fill=0)
    box = cv.rect_mask(N, N, x0, y0, x1, y1)
    from PIL import ImageChops
    return cv.paint(surface, mat.MORTAR, ImageChops.multiply(joint, box), 0.8)


def floor(variant, seed):
    s = mat.floor_stone(N, N, seed)
    if variant == 1:
        s = _flagstone(s, 0, 0, N, N)
    elif variant == 2:
        # One slab, worn and split by an old crack.
        s = _flagstone(s, 0, 0, N, N)
        crack = mat.cracks(N, N, seed + 5, 2, 14, origin=(12, 38), spread=0.9)
        s = cv.carved(s, crack, depth=0.4, fill=mat.MORTAR, fill_op=0.75, lit_op=0.3, dark_op=0.3)
        wear = cv.stretch(cv.noise(N, N, 3, seed + 9), 150, 220)
        s = cv.paint(s, mat.FLOOR_LIGHT, wear, 0.35)
    else:
        # Four small slabs.
        for (x0, y0, x1, y1) in ((0, 0, 25, 25), (25, 0, N, 25), (0, 25, 25, N), (25, 25, N, N)):
            s = _flagstone(s, x0, y0, x1, y1)
    return s


# ---------------------------------------------------------------- pit

def pit(seed):
    s = floor(1, seed)
    hole = cv.shape(N, N, '<rect x="6" y="6" width="38" height="38" rx="5" fill="white"/>')
    from PIL import ImageChops
    # Darkness at the bottom of the shaft.
    depth = mat.gradient(N, N, (6, 3, 2), (40, 26, 14))
    # The sunlit inner wall below and right of the opening, the shaded one above and left.
    lit_wall = ImageChops.subtract(hole, cv.shift(hole, -7 * cv.SS, -7 * cv.SS))
    shade_wall = ImageChops.subtract(hole, cv.shift(hole, 5 * cv.SS, 5 * cv.SS))
    inside = depth.copy()
    wall_tex = mat.stone(N, N, seed + 3, (120, 84, 50), (150, 108, 66), (178, 134, 86), cells=3, pits=4)
    inside = Image.composite(wall_tex, inside, lit_wall.filter(ImageFilter.GaussianBlur(0.8 * cv.SS)))
    inside = cv.paint(inside, (0, 0, 0), shade_wall.filter(ImageFilter.GaussianBlur(1.0 * cv.SS)), 0.7)
    # Fade the inner walls into the dark towards the bottom.
    core = cv.shape(N, N, '<rect x="13" y="13" width="26" height="26" rx="3" fill="white"/>')
    inside = cv.paint(inside, (8, 4, 2), core.filter(ImageFilter.GaussianBlur(4 * cv.SS)), 0.9)
    s.paste(inside, (0, 0), hole)
    # A few fallen stones far below.
    rnd = random.Random(seed)
    d = ImageDraw.Draw(s)
    for _ in range(5):
        x, y = rnd.uniform(20, 38), rnd.uniform(26, 38)
        r = rnd.uniform(0.8, 1.6)
        d.ellipse([(x - r) * cv.SS, (y - r) * cv.SS, (x + r) * cv.SS, (y + r) * cv.SS], fill=(70, 48, 28, 255))
    # The rim: a worn lip, lit on its far side.
    s = cv.carved(s, hole, depth=1.0, lit_op=0.7, dark_op=0.8)
    return s


# ---------------------------------------------------------------- skeletons

def _bones(body):
    """Draws bone shapes (white SVG) on a floor as old bone with a shadow and a dark outline."""
    m = cv.shape(N, N, body)
    bone = mat.gradient(N, N, mat.BONE, mat.BONE_DARK)
    layer = Image.new("RGBA", bone.size, (0, 0, 0, 0))
    layer.paste(bone, (0, 0), m)
    layer = cv.raised(layer, m, depth=0.8, light=(255, 252, 240), shade=(90, 70, 44), lit_op=0.7, dark_op=0.6)
    return layer, m


def _on_floor(floor_layer, layer, mask):
    shadow = cv.drop_shadow(layer, 1.8, 1.8, 1.0, 0.7)
    out = cv.over(floor_layer, shadow)
    outline = mask.filter(ImageFilter.MaxFilter(5))
    from PIL import ImageChops
    out = cv.paint(out, (50, 34, 18), ImageChops.subtract(outline, mask), 0.85)
    return cv.over(out, layer)


def skeleton(variant, seed):
    s = floor(3 if variant == 1 else 1, seed)
    if variant == 1:
        # A whole skeleton lying on its back, head to the top.
        ribs = "".join(
            f'<path d="M25,{15.5 + i * 3} q-7,{0.5} -8,{4.5 - i * 0.4}" stroke="white" stroke-width="1.4" '
            f'fill="none" stroke-linecap="round"/><path d="M25,{15.5 + i * 3} q7,{0.5} 8,{4.5 - i * 0.4}" '
            f'stroke="white" stroke-width="1.4" fill="none" stroke-linecap="round"/>' for i in range(4))
        body = (
            '<ellipse cx="25" cy="8" rx="4.6" ry="5" fill="white"/>'
            '<rect x="22.6" y="11" width="4.8" height="3" rx="1.2" fill="white"/>'
            '<line x1="25" y1="13" x2="25" y2="32" stroke="white" stroke-width="2" stroke-linecap="round"/>'
            + ribs +
            '<path d="M18.5,32 q6.5,-5 13,0 q-1,4 -6.5,4 q-5.5,0 -6.5,-4 z" fill="white"/>'
            '<path d="M22,35 L19,47 M28,35 L32,47" stroke="white" stroke-width="2" stroke-linecap="round"/>'
            '<path d="M17.5,15 L12,26 L15,35 M32.5,15 L38,25 L37,34" stroke="white" stroke-width="1.7" '
            'fill="none" stroke-linecap="round" stroke-linejoin="round"/>'
            '<path d="M15,13.8 h20" stroke="white" stroke-width="1.5" stroke-linecap="round"/>'
            '<ellipse cx="23.2" cy="8" rx="1.4" ry="1.6" fill="black"/>'
            '<ellipse cx="26.8" cy="8" rx="1.4" ry="1.6" fill="black"/>'
        )
        body = f'<g transform="translate(0 1.5)">{body}</g>'  # clear of the wall above
    else:
        # A skull and scattered long bones.
        body = (
            '<path d="M17,13 q8,-9 16,0 q2,6 -2,10 l-1,5 h-10 l-1,-5 q-4,-4 -2,-10 z" fill="white"/>'
            '<ellipse cx="21.3" cy="17.5" rx="2.6" ry="2.8" fill="black"/>'
            '<ellipse cx="28.7" cy="17.5" rx="2.6" ry="2.8" fill="black"/>'
            '<path d="M25,21 l-1.3,2.6 h2.6 z" fill="black"/>'
            '<path d="M21,27.2 v1.8 M23.6,27.2 v1.8 M26.4,27.2 v1.8 M29,27.2 v1.8" stroke="black" stroke-width="0.8"/>'
            + _long_bone(8, 40, 30, 34) + _long_bone(20, 44, 43, 40) + _long_bone(38, 10, 43, 30)
            + '<path d="M6,28 q4,-2 7,1" stroke="white" stroke-width="1.6" fill="none" stroke-linecap="round"/>'
        )
    layer, m = _bones(body)
    return _on_floor(s, layer, m)


def _long_bone(x0, y0, x1, y1):
    return (f'<line x1="{x0}" y1="{y0}" x2="{x1}" y2="{y1}" stroke="white" stroke-width="2" stroke-linecap="round"/>'
            f'<circle cx="{x0}" cy="{y0}" r="1.9" fill="white"/><circle cx="{x1}" cy="{y1}" r="1.9" fill="white"/>')


# ---------------------------------------------------------------- walls

def _masonry(seed, boxes, weather=0.0):
    """A wall cell of sandstone blocks: each box (final pixels) is a raised block with a joint."""
    s = mat.wall_stone(N, N, seed)
    from PIL import ImageChops
    joints = Image.new("L", s.size, 0)
    for (x0, y0, x1, y1) in boxes:
        m = cv.shape(N, N, f'<rect x="{x0 + 0.5}" y="{y0 + 0.5}" width="{x1 - x0 - 1}" height="{y1 - y0 - 1}" '
                           f'rx="1.2" fill="white"/>')
        s = cv.raised(s, m, depth=1.6, light=mat.HIGHLIGHT, shade=(90, 56, 26), lit_op=0.75, dark_op=0.55,
                      blur=0.5)
        edge = ImageChops.subtract(cv.rect_mask(N, N, x0, y0, x1, y1), m)
        joints = ImageChops.lighter(joints, edge)
    s = cv.paint(s, mat.MORTAR, joints, 0.9)
    if weather:
        crack = mat.cracks(N, N, seed + 7, 2, 10, spread=0.8)
        s = cv.carved(s, crack, depth=0.5, fill=(120, 84, 48), fill_op=0.8, lit_op=0.5, dark_op=0.4)
    # The whole cell is one raised mass: its outer rim catches the sun on the top left.
    outer = cv.rect_mask(N, N, 0, 0, N, N)
    s = cv.raised(s, outer, depth=1.0, light=mat.HIGHLIGHT, shade=(70, 44, 20), lit_op=0.5, dark_op=0.5)
    return s


def wall(variant, seed):
    if variant == 1:
        boxes = [(0, 0, 30, 25), (30, 0, 50, 25), (0, 25, 14, 50), (14, 25, 50, 50)]
        return _masonry(seed, boxes)
    if variant == 2:
        return _masonry(seed, [(0, 0, 50, 50)], weather=1.0)
    boxes = [(0, 0, 22, 17), (22, 0, 50, 17), (0, 17, 34, 34), (34, 17, 50, 34), (0, 34, 16, 50), (16, 34, 50, 50)]
    return _masonry(seed, boxes)


def emitter(seed):
    s = _masonry(seed, [(0, 0, 50, 50)])
    ring = cv.shape(N, N, '<circle cx="25" cy="25" r="17" fill="white"/><circle cx="25" cy="25" r="12.5" fill="black"/>')
    rays = "".join(
        f'<path d="M{25 + math.cos(a) * 18.5:.2f},{25 + math.sin(a) * 18.5:.2f} '
        f'L{25 + math.cos(a + 0.09) * 23.5:.2f},{25 + math.sin(a + 0.09) * 23.5:.2f} '
        f'L{25 + math.cos(a - 0.09) * 23.5:.2f},{25 + math.sin(a - 0.09) * 23.5:.2f} Z" fill="white"/>'
        for a in [i * math.pi / 6 + math.pi / 12 for i in range(12)])
    ray_mask = cv.shape(N, N, rays)
    s = cv.carved(s, ray_mask, depth=0.6, fill=mat.GOLD_DARK, fill_op=0.55)
    gold = mat.gradient(N, N, mat.GOLD_LIGHT, mat.GOLD_DARK)
    s.paste(gold, (0, 0), ring)
    s = cv.raised(s, ring, depth=1.2, light=(255, 255, 230), shade=(90, 50, 8), lit_op=0.8, dark_op=0.7)
    # The opening: a white-hot sun behind a lapis-rimmed window.
    core = cv.svg(N, N,
                  '<defs><radialGradient id="g" cx="0.45" cy="0.45" r="0.55">'
                  '<stop offset="0" stop-color="#ffffff"/><stop offset="0.45" stop-color="#fff6c8"/>'
                  '<stop offset="0.85" stop-color="#ffc640"/><stop offset="1" stop-color="#d07a10"/>'
                  '</radialGradient></defs><circle cx="25" cy="25" r="12.5" fill="url(#g)"/>')
    s = cv.over(s, core)
    window = cv.shape(N, N, '<circle cx="25" cy="25" r="12.5" fill="white"/>')
    s = cv.carved(s, window, depth=1.2, light=(255, 255, 255), shade=(120, 60, 10), lit_op=0.0, dark_op=0.55,
                  blur=0.6)
    return s


# ---------------------------------------------------------------- exit glyphs

def _dim(colour):
    r, g, b = colour
    if colour == mat.LIGHTS["white"]:
        return (178, 170, 156)
    return (int(r * 0.5 + 30), int(g * 0.5 + 24), int(b * 0.5 + 20))


def glyph(colour_name, seed):
    s = _masonry(seed, [(0, 0, 50, 50)])
    # A sunken basalt panel in a gold frame holds the symbol; dark, so every colour reads on it.
    frame = cv.shape(N, N, '<rect x="6" y="6" width="38" height="38" rx="3" fill="white"/>')
    gold = mat.gradient(N, N, mat.GOLD_LIGHT, mat.GOLD_DARK)
    s.paste(gold, (0, 0), frame)
    s = cv.raised(s, frame, depth=1.0, light=(255, 255, 220), shade=(80, 44, 6), lit_op=0.8, dark_op=0.7)
    panel = cv.shape(N, N, '<rect x="9" y="9" width="32" height="32" rx="2" fill="white"/>')
    recess = mat.stone(N, N, seed + 4, (18, 16, 16), (34, 30, 30), (56, 50, 46), cells=3, grain=0.25, pits=0)
    s.paste(recess, (0, 0), panel)
    s = cv.carved(s, panel, depth=2.0, light=(150, 140, 130), shade=(0, 0, 0), lit_op=0.45, dark_op=0.8, blur=0.6)
    sym = cv.shape(N, N, symbols.BY_COLOUR[colour_name](25, 25, 26))
    inlay = mat.gradient(N, N, tuple(min(255, c + 40) for c in _dim(mat.LIGHTS[colour_name])),
                         _dim(mat.LIGHTS[colour_name]))
    s.paste(inlay, (0, 0), sym)
    s = cv.raised(s, sym, depth=0.7, light=(255, 255, 255), shade=(0, 0, 0), lit_op=0.45, dark_op=0.6)
    return s


def glyph_lit(colour_name):
    """The glow laid over an exit glyph: its symbol burning in the glyph's colour, with a halo."""
    colour = mat.LIGHTS[colour_name]
    sym = cv.shape(N, N, symbols.BY_COLOUR[colour_name](25, 25, 26))
    out = Image.new("RGBA", sym.size, (0, 0, 0, 0))
    halo = sym.filter(ImageFilter.MaxFilter(9)).filter(ImageFilter.GaussianBlur(3.5 * cv.SS))
    halo_layer = Image.new("RGBA", sym.size, colour + (255,))
    halo_layer.putalpha(cv.scale_mask(halo, 0.85))
    out = cv.over(out, halo_layer)
    # The panel itself takes on the light, faintly.
    panel = cv.shape(N, N, '<rect x="9" y="9" width="32" height="32" rx="2" fill="white"/>')
    wash = Image.new("RGBA", sym.size, colour + (255,))
    wash.putalpha(cv.scale_mask(panel, 0.22))
    out = cv.over(wash, out)
    core_colour = tuple(int(c * 0.45 + 255 * 0.55) for c in colour)
    core = Image.new("RGBA", sym.size, core_colour + (255,))
    core.putalpha(sym)
    return cv.over(out, core)


# ---------------------------------------------------------------- decorated walls

def decorated(variant, seed):
    if variant == 1:
        # A column of painted hieroglyphs: a reed leaf, a quail chick, water, a loaf.
        s = _masonry(seed, [(0, 0, 50, 50)])
        band = cv.shape(N, N, '<rect x="14" y="2" width="22" height="46" fill="white"/>')
        s = cv.carved(s, band, depth=0.6, fill=(196, 160, 108), fill_op=0.5, lit_op=0.4, dark_op=0.35)
        s = _painted(s, '<path d="M22,5 q6,2 5,9 l-2,1 q0,-5 -3,-7 z M28,6 l1,8" fill="white"/>', mat.CARNELIAN)
        s = _painted(s, '<path d="M20,23 q0,-6 6,-6 q3,0 4,2 l3,1 l-3,1 q0,5 -5,6 l-1,3 h-2 l1,-3 q-3,-1 -3,-4 z" '
                        'fill="white"/><circle cx="28.5" cy="19.5" r="0.8" fill="black"/>', mat.LAPIS)
        s = _painted(s, symbols.water(25, 35, 14), mat.TURQUOISE)
        s = _painted(s, '<path d="M19,46 q6,-7 12,0 z" fill="white"/>', mat.CARNELIAN)
        return s
    if variant == 2:
        # A painted frieze: lapis, gold and red bands with lotus buds along the top.
        s = _masonry(seed, [(0, 0, 50, 30), (0, 30, 50, 50)])
        bands = [(3, 6, mat.LAPIS), (6, 8, mat.GOLD), (8, 10, mat.CARNELIAN), (22, 24, mat.GOLD), (24, 27, mat.LAPIS)]
        for (y0, y1, col) in bands:
            s = _painted(s, f'<rect x="0" y="{y0}" width="50" height="{y1 - y0}" fill="white"/>', col, relief=False)
        buds = "".join(f'<path d="M{x},21 q-3,-5 0,-10 q3,5 0,10 z"/>' for x in (6.25, 18.75, 31.25, 43.75))
        stems = "".join(f'<path d="M{x},21 q-3,-3 -6.25,-6 q3.2,3 6.25,6 q3,-3 6.25,-6" />' for x in (12.5, 37.5))
        s = _painted(s, f'<g fill="white">{buds}</g>', mat.TURQUOISE)
        s = _painted(s, f'<g fill="none" stroke="white" stroke-width="1">{stems}</g>', mat.GOLD_DARK)
        rosettes = "".join(f'<circle cx="{x}" cy="39" r="4" fill="white"/><circle cx="{x}" cy="39" r="1.6" fill="black"/>'
                           for x in (12.5, 37.5))
        s = _painted(s, rosettes, mat.LAPIS_LIGHT)
        return s
    # A djed pillar relief, the backbone of Osiris: stability.
    s = _masonry(seed, [(0, 0, 50, 50)], weather=0.0)
    pillar = ('<path d="M20,46 h10 v-22 h-10 z" fill="white"/>'
              '<rect x="15" y="6" width="20" height="3" rx="1" fill="white"/>'
              '<rect x="15" y="11" width="20" height="3" rx="1" fill="white"/>'
              '<rect x="15" y="16" width="20" height="3" rx="1" fill="white"/>'
              '<rect x="15" y="21" width="20" height="3" rx="1" fill="white"/>'
              '<rect x="18" y="3" width="14" height="3" rx="1" fill="white"/>'
              '<rect x="16" y="44" width="18" height="3" rx="1" fill="white"/>')
    s = _painted(s, pillar, mat.LAPIS, relief=True, gloss=True)
    s = _painted(s, '<rect x="20" y="28" width="10" height="2" fill="white"/><rect x="20" y="34" width="10" '
                    'height="2" fill="white"/>', mat.GOLD, relief=False)
    return s


def _painted(s, body, colour, relief=True, gloss=False):
    """Paints an SVG shape in a faded pigment on stone, carved in sunk relief when asked."""
    m = cv.shape(N, N, body)
    light = tuple(min(255, c + 60) for c in colour)
    paint_layer = mat.gradient(N, N, light, colour) if gloss else Image.new("RGBA", s.size, colour + (255,))
    faded = Image.blend(paint_layer, s, 0.25)
    s.paste(faded, (0, 0), m)
    if relief:
        s = cv.carved(s, m, depth=0.7, lit_op=0.5, dark_op=0.55)
    return s


# ---------------------------------------------------------------- outline, void, fog

def outline():
    img = Image.new("RGBA", (N, N), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, N - 1, N - 1], outline=(255, 232, 180, 120))
    for (x, y, sx, sy) in ((0, 0, 1, 1), (N - 1, 0, -1, 1), (0, N - 1, 1, -1), (N - 1, N - 1, -1, -1)):
        d.line([x, y, x + sx * 7, y], fill=(255, 236, 170, 235))
        d.line([x, y, x, y + sy * 7], fill=(255, 236, 170, 235))
    return img


def void(seed):
    s = mat.stone(N, N, seed, (4, 3, 2), (10, 7, 5), (20, 14, 10), cells=2, grain=0.2, pits=0)
    edge = cv.rect_mask(N, N, 0, 0, N, N)
    s = cv.raised(s, edge, depth=1.0, light=(60, 44, 30), shade=(0, 0, 0), lit_op=0.6, dark_op=0.6)
    return s


def fog(seed):
    smoke = cv.noise(N, N, 2, seed, octaves=4, persistence=0.6)
    return cv.mix((8, 6, 5), (34, 26, 20), cv.stretch(smoke, 60, 200))


# ---------------------------------------------------------------- the sheet

def frames():
    """The 25 frames at final size (50 x 50), in block-id order."""
    out = [None] * 25
    out[0] = outline()
    big = {
        1: floor(1, 101), 2: floor(2, 102), 3: floor(3, 103), 4: pit(104),
        5: skeleton(1, 105), 6: skeleton(2, 106),
        7: wall(1, 107), 8: wall(2, 108), 9: wall(3, 109), 10: emitter(110),
        15: decorated(1, 115), 16: decorated(2, 116), 17: decorated(3, 117),
        18: void(118), 20: fog(120),
    }
    for i, name in enumerate(GLYPH_COLOURS):
        big[11 + i] = glyph(name, 111 + i)
        big[21 + i] = glyph_lit(name)
    for k, layer in big.items():
        out[k] = cv.down(layer)
    out[19] = Image.new("RGBA", (N, N), (0, 0, 0, 0))
    # Floors, walls and the like cover their whole cell: no soft edge may let the floor show through.
    for k in (1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20):
        out[k].putalpha(255)
    return out
