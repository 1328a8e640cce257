"""objects.png and objects_shadows.png: 25 frames of 60 x 60 with the handle at (25, 25).

Frame = object id (1-19), 21 the turned mirror, 23 and 24 the mirror's
collision shapes; 0, 20 and 22 are empty. A frame's pixels 0..49 cover the
object's cell; the extra ten pixels on the right and bottom are room for the
drop shadow, which lives only in objects_shadows.png. The light tracer hits
an object where its picture has alpha >= 128, so every solid object keeps
its pixels inside the cell with a MARGIN, and the mirror's collision frames
are one-pixel diagonals through the cell centre (25, 25): a beam along a row
or column centre then meets them exactly at the centre and leaves along the
centre of the crossing column or row.
"""
import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from . import canvas as cv
from . import gems
from . import materials as mat
from . import symbols

N = 50       # the cell
FRAME = 60   # the frame, with room for the shadow
MARGIN = 3   # solid objects keep their pixels inside MARGIN .. N - 1 - MARGIN
SOLID = (1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 16, 19, 21, 23, 24)
DECAY_COLOURS = ["white", "red", "green", "blue"]  # objects 6..9
GEM_COLOURS = ["white", "red", "green", "blue"]    # objects 1..4
MIRROR, TURNED_MIRROR, MIRROR_SHAPE, TURNED_MIRROR_SHAPE = 16, 21, 23, 24
SHADOWLESS = (17,)   # the crumbling floor lies flat


def _hex(c):
    return "#%02x%02x%02x" % tuple(c)


def _gold_defs(gid="gold", x1=0, y1=0, x2=1, y2=1, units="objectBoundingBox"):
    return (f'<linearGradient id="{gid}" gradientUnits="{units}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">'
            f'<stop offset="0" stop-color="{_hex(mat.GOLD_LIGHT)}"/>'
            f'<stop offset="0.45" stop-color="{_hex(mat.GOLD)}"/>'
            f'<stop offset="1" stop-color="{_hex(mat.GOLD_DARK)}"/></linearGradient>')


def _finish(layer, depth=1.0, outline=(48, 28, 8), outline_op=0.75):
    """Gives a drawn object a sunlit rim, a shaded rim and a thin dark outline."""
    a = layer.getchannel("A").point(lambda v: 255 if v >= 128 else 0)
    layer = cv.raised(layer, a, depth=depth, light=(255, 250, 225), shade=(40, 20, 4), lit_op=0.5, dark_op=0.45,
                      blur=0.3)
    ring = ImageChops.subtract(a.filter(ImageFilter.MaxFilter(5)), a)
    edge = Image.new("RGBA", layer.size, tuple(outline) + (255,))
    edge.putalpha(cv.scale_mask(ring, outline_op))
    return cv.over(edge, layer)


# ---------------------------------------------------------------- movable blocks of the puzzle

def gem(colour):
    return cv.svg(N, N, gems.svg(gems.CUTS[colour], colour))


def sarcophagus():
    outline = ("M25,4 C30.5,4 33,7.5 33,12 L37.5,16.5 C39,19 38.2,30 36.2,38 C35,43.5 31,46 25,46 "
               "C19,46 15,43.5 13.8,38 C11.8,30 11,19 12.5,16.5 L17,12 C17,7.5 19.5,4 25,4 Z")
    stripes = "".join(f'<rect x="{x}" y="3" width="1.6" height="16" fill="{_hex(mat.LAPIS)}"/>'
                      for x in (13.5, 16.6, 31.8, 34.9))
    marks = "".join(f'<rect x="24" y="{y}" width="2" height="1.2" fill="#3a2206"/>' for y in (27, 30, 33, 36, 39))
    body = (
        f'<defs>{_gold_defs()}<clipPath id="c"><path d="{outline}"/></clipPath>'
        f'<linearGradient id="lap" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="{_hex(mat.LAPIS_LIGHT)}"/>'
        f'<stop offset="1" stop-color="{_hex(mat.LAPIS_DARK)}"/></linearGradient></defs>'
        f'<path d="{outline}" fill="url(#gold)"/>'
        f'<g clip-path="url(#c)">'
        # striped headcloth and the golden face
        + stripes +
        f'<ellipse cx="25" cy="11.5" rx="5.2" ry="6" fill="{_hex(mat.GOLD_LIGHT)}"/>'
        f'<path d="M22.3,10.5 h2 M25.7,10.5 h2" stroke="#1a1030" stroke-width="0.9"/>'
        f'<path d="M24,15.3 h2" stroke="#6a3a08" stroke-width="0.6"/>'
        # the broad collar
        f'<path d="M11,19 Q25,28 39,19 L39,22 Q25,31 11,22 Z" fill="{_hex(mat.CARNELIAN)}"/>'
        f'<path d="M11,22 Q25,31 39,22 L39,24.5 Q25,33.5 11,24.5 Z" fill="{_hex(mat.TURQUOISE)}"/>'
        f'<path d="M11,24.5 Q25,33.5 39,24.5 L39,26 Q25,35 11,26 Z" fill="url(#gold)"/>'
        # lapis wings folded over the body, and a column of text down the middle
        f'<path d="M11,26 Q25,35 39,26 L39,47 L11,47 Z" fill="url(#lap)"/>'
        + "".join(f'<path d="M11,{y} Q18,{y + 4} 22,{y + 6} M39,{y} Q32,{y + 4} 28,{y + 6}" stroke="{_hex(mat.GOLD)}" '
                  f'stroke-width="0.7" fill="none"/>' for y in (30, 34, 38))
        + f'<rect x="22.5" y="25.5" width="5" height="17" fill="url(#gold)"/>' + marks +
        f'<path d="M17,42 Q25,47 33,42 L33,47 L17,47 Z" fill="url(#gold)"/>'
        f'</g>'
        f'<path d="{outline}" fill="none" stroke="#4a2a06" stroke-width="0.8"/>'
    )
    return _finish(cv.svg(N, N, body), depth=1.0)


def crate(seed):
    wood = mat.stone(N, N, seed, (92, 52, 24), (134, 82, 40), (170, 112, 58), cells=2, grain=0.2, pits=0)
    # Grain runs along the planks.
    streak = cv.noise(N, N, 3, seed + 1, octaves=2).resize((2 * cv.SS, N * cv.SS)).resize((N * cv.SS, N * cv.SS))
    wood = cv.paint(wood, (70, 38, 14), cv.stretch(streak.transpose(Image.TRANSPOSE), 120, 200), 0.45)
    box = cv.shape(N, N, '<rect x="6" y="6" width="38" height="38" rx="1.5" fill="white"/>')
    out = Image.new("RGBA", wood.size, (0, 0, 0, 0))
    out.paste(wood, (0, 0), box)
    # Three planks inside a frame of boards.
    inner = cv.shape(N, N, '<rect x="10.5" y="10.5" width="29" height="29" fill="white"/>')
    out = cv.carved(out, inner, depth=1.0, lit_op=0.35, dark_op=0.6)
    for y in (20.2, 29.8):
        gap = cv.shape(N, N, f'<rect x="10.5" y="{y - 0.5}" width="29" height="1" fill="white"/>')
        out = cv.paint(out, (40, 20, 6), gap, 0.85)
    # A cartouche burnt into the middle plank: the owner's seal.
    seal = cv.shape(N, N, '<rect x="17" y="21.8" width="16" height="6.4" rx="3.2" fill="none" stroke="white" '
                          'stroke-width="0.9"/><path d="M21,25 h8 M23.5,23.3 v3.4 M27,23.3 l-1.5,3.4" stroke="white" '
                          'stroke-width="0.8"/>')
    out = cv.carved(out, seal, depth=0.4, fill=(46, 22, 6), fill_op=0.75, lit_op=0.35, dark_op=0.3)
    out = cv.raised(out, box, depth=1.4, light=(255, 220, 170), shade=(30, 14, 2), lit_op=0.55, dark_op=0.6)
    # Brass corners with rivets.
    corners = "".join(
        f'<path d="M{x},{y} h{7 * sx} v{2.6 * sy} h{-4.4 * sx} v{4.4 * sy} h{-2.6 * sx} z" fill="url(#gold)"/>'
        f'<circle cx="{x + 1.4 * sx}" cy="{y + 1.4 * sy}" r="0.7" fill="#5a3a08"/>'
        for (x, y, sx, sy) in ((6, 6, 1, 1), (44, 6, -1, 1), (6, 44, 1, -1), (44, 44, -1, -1)))
    brass = cv.svg(N, N, f'<defs>{_gold_defs()}</defs>{corners}')
    brass = cv.raised(brass, brass.getchannel("A"), depth=0.6, light=(255, 255, 220), shade=(80, 40, 0),
                      lit_op=0.7, dark_op=0.6)
    out = cv.over(out, brass)
    return _finish(out, depth=0.6)


def mirror(turned):
    """The bronze mirror on its two posts: a diagonal from top left to bottom right, or the other way
    when turned. The polished face runs exactly through the cell centre."""
    angle = -45 if turned else 45
    (ax, ay), (bx, by) = ((9.5, 40.5), (40.5, 9.5)) if turned else ((9.5, 9.5), (40.5, 40.5))
    body = (
        f'<defs>{_gold_defs("gold", 0, 0, 50, 50, "userSpaceOnUse")}'
        f'<linearGradient id="face" gradientUnits="userSpaceOnUse" x1="10" y1="10" x2="40" y2="40">'
        f'<stop offset="0" stop-color="#ffffff"/><stop offset="0.5" stop-color="#c8d8e8"/>'
        f'<stop offset="1" stop-color="#8ea4bc"/></linearGradient></defs>'
        f'<g transform="rotate({angle} 25 25)">'
        f'<rect x="3.5" y="21.6" width="43" height="6.8" rx="2.2" fill="url(#gold)"/>'
        f'<rect x="5.5" y="23.6" width="39" height="2.8" rx="1" fill="url(#face)"/>'
        f'<rect x="5.5" y="23.6" width="39" height="0.9" fill="#ffffff" opacity="0.8"/>'
        f'</g>'
        f'<circle cx="{ax}" cy="{ay}" r="3.6" fill="{_hex(mat.LAPIS)}" stroke="url(#gold)" stroke-width="1.3"/>'
        f'<circle cx="{bx}" cy="{by}" r="3.6" fill="{_hex(mat.LAPIS)}" stroke="url(#gold)" stroke-width="1.3"/>'
        f'<circle cx="{ax - 0.9}" cy="{ay - 0.9}" r="1" fill="{_hex(mat.LAPIS_LIGHT)}"/>'
        f'<circle cx="{bx - 0.9}" cy="{by - 0.9}" r="1" fill="{_hex(mat.LAPIS_LIGHT)}"/>'
    )
    return _finish(cv.svg(N, N, body), depth=0.6)


def mirror_shape(turned):
    """Collision frame: a one-pixel diagonal through (25, 25), drawn without smoothing."""
    img = Image.new("RGBA", (FRAME, FRAME), (0, 0, 0, 0))
    px = img.load()
    for i in range(6, 45):
        px[i, (N - i) if turned else i] = (255, 255, 255, 255)
    return img


# ---------------------------------------------------------------- decayed walls

def decayed_wall(colour, seed, full=False):
    """A crumbling block of pale stone, cracked through, with its colour's symbol cut into it.
    With full set it fills the whole cell and has no symbol: the picture its fragments fly from."""
    rnd = random.Random(seed)
    lo, hi = (0, 50) if full else (4.5, 42.5)  # a standing block also shows its sides below and right
    pts = []
    for side in range(4):
        for t in (0.08, 0.3, 0.5, 0.7, 0.92):
            j = 0 if full else rnd.uniform(-1.2, 1.4)
            x, y = [(lo + (hi - lo) * t, lo + j), (hi - j, lo + (hi - lo) * t),
                    (hi - (hi - lo) * t, hi - j), (lo + j, hi - (hi - lo) * t)][side]
            pts.append((x, y))
    poly = " ".join(f"{x:.2f},{y:.2f}" for (x, y) in pts)
    m = cv.shape(N, N, f'<polygon points="{poly}" fill="white" stroke="white" stroke-width="0.6" '
                       f'stroke-linejoin="round"/>')
    stone = mat.stone(N, N, seed, (150, 138, 118), (196, 182, 156), (226, 214, 190), cells=3, grain=0.2, pits=14)
    out = Image.new("RGBA", stone.size, (0, 0, 0, 0))
    out.paste(stone, (0, 0), m)
    # Courses of the old masonry.
    joints = cv.shape(N, N, '<path d="M0,17 H50 M0,33 H50 M20,0 V17 M34,17 V33 M14,33 V50" stroke="white" '
                            'stroke-width="0.9"/>')
    out = cv.carved(out, ImageChops.multiply(joints, m), depth=0.5, fill=(110, 96, 76), fill_op=0.8)
    crack = ImageChops.multiply(mat.cracks(N, N, seed + 3, 4, 11, spread=1.1), m)
    if full:
        out = cv.carved(out, crack, depth=0.5, fill=(90, 78, 62), fill_op=0.9)
    else:
        glow = mat.LIGHTS[colour]
        out = cv.carved(out, crack, depth=0.5, fill=tuple(int(c * 0.55) for c in glow), fill_op=0.9)
        mid = (lo + hi) / 2
        sym = cv.shape(N, N, symbols.BY_COLOUR[colour](mid, mid, 20))
        inlay = tuple(int(c * 0.7 + 40) for c in glow) if colour != "white" else (248, 244, 232)
        out = cv.paint(out, (52, 40, 30), sym.filter(ImageFilter.MaxFilter(9)), 0.7)
        out = cv.paint(out, inlay, sym, 1.0)
        out = cv.carved(out, sym, depth=0.6, lit_op=0.3, dark_op=0.5)
        # Chips knocked out of the corners.
        for _ in range(3):
            x, y = rnd.choice([(lo, lo), (hi, lo), (lo, hi), (hi, hi)])
            r = rnd.uniform(2.5, 4)
            chip = cv.shape(N, N, f'<circle cx="{x}" cy="{y}" r="{r:.2f}" fill="white"/>')
            out.putalpha(ImageChops.subtract(out.getchannel("A"), chip))
    a = out.getchannel("A")
    out = cv.raised(out, a, depth=1.5, light=(255, 250, 236), shade=(50, 40, 30), lit_op=0.6, dark_op=0.55, blur=0.4)
    if full:
        return out
    # The block's shaded sides, seen below and right of its sunlit top.
    sides = Image.new("L", a.size, 0)
    for step in range(1, int(3 * cv.SS) + 1):
        sides = ImageChops.lighter(sides, cv.shift(a, step, step))
    side_face = mat.gradient(N, N, (132, 116, 94), (84, 72, 56))
    block = Image.new("RGBA", a.size, (0, 0, 0, 0))
    block.paste(side_face, (0, 0), sides)
    block = cv.paint(block, (40, 30, 20), ImageChops.multiply(crack.filter(ImageFilter.MaxFilter(3)),
                                                              cv.shift(m, 2 * cv.SS, 2 * cv.SS)), 0.5)
    return _finish(cv.over(block, out), depth=0.4, outline=(50, 40, 30), outline_op=0.6)


# ---------------------------------------------------------------- treasures

def coins():
    coin_list = [(14, 38), (24, 40), (35, 38), (19, 33), (30, 34), (40, 31)]
    coin_list += [(30, 29 - 3.4 * k) for k in range(6)]   # the stack; its top coin catches the sparkle
    parts = []
    for (x, y) in coin_list:
        parts.append(f'<ellipse cx="{x}" cy="{y + 1.4}" rx="6.2" ry="3.6" fill="{_hex(mat.GOLD_DARK)}" '
                     f'stroke="#4a2a04" stroke-width="0.5"/>')
        parts.append(f'<ellipse cx="{x}" cy="{y}" rx="6.2" ry="3.6" fill="url(#gold)" stroke="#6a4008" '
                     f'stroke-width="0.5"/>')
        parts.append(f'<ellipse cx="{x}" cy="{y}" rx="3.4" ry="1.8" fill="none" stroke="#8a5a10" stroke-width="0.5"/>')
    body = f'<defs>{_gold_defs("gold", 0, 0, 1, 1)}</defs>' + "".join(parts)
    return _finish(cv.svg(N, N, body), depth=0.3, outline_op=0.5)


def ra_disc():
    rays = "".join(
        f'<line x1="{25 + math.cos(a) * 10.5:.2f}" y1="{25 + math.sin(a) * 10.5:.2f}" '
        f'x2="{25 + math.cos(a) * 14.5:.2f}" y2="{25 + math.sin(a) * 14.5:.2f}" stroke="#7a4a06" stroke-width="0.9"/>'
        for a in [i * math.pi / 12 for i in range(24)])
    dots = "".join(f'<circle cx="{25 + math.cos(a) * 16:.2f}" cy="{25 + math.sin(a) * 16:.2f}" r="0.8" '
                   f'fill="{_hex(mat.GOLD_LIGHT)}"/>' for a in [i * math.pi / 8 for i in range(16)])
    body = (
        f'<defs>{_gold_defs()}<radialGradient id="car" cx="0.38" cy="0.35" r="0.7">'
        f'<stop offset="0" stop-color="#ff9a70"/><stop offset="0.6" stop-color="{_hex(mat.CARNELIAN)}"/>'
        f'<stop offset="1" stop-color="#6a1206"/></radialGradient></defs>'
        f'<circle cx="25" cy="25" r="17.5" fill="url(#gold)" stroke="#5a3406" stroke-width="0.7"/>'
        f'<circle cx="25" cy="25" r="14.5" fill="none" stroke="#8a5a10" stroke-width="0.6"/>' + rays + dots +
        f'<circle cx="25" cy="25" r="9.5" fill="url(#car)" stroke="#6a3a06" stroke-width="1"/>'
        f'<ellipse cx="21.5" cy="21" rx="3" ry="1.8" transform="rotate(-35 21.5 21)" fill="#ffffff" opacity="0.55"/>'
    )
    return _finish(cv.svg(N, N, body), depth=0.6)


def scarab():
    legs = "".join(
        f'<path d="M{25 + sx * 8},{y} l{sx * 6},{dy} l{sx * 2.5},{dy2}" stroke="#5a3406" stroke-width="1.4" '
        f'fill="none" stroke-linecap="round" stroke-linejoin="round"/>'
        for sx in (-1, 1) for (y, dy, dy2) in ((17, -3, -4), (25, 1, 3), (32, 4, 5)))
    body = (
        f'<defs>{_gold_defs()}<linearGradient id="lap" x1="0" y1="0" x2="1" y2="1">'
        f'<stop offset="0" stop-color="{_hex(mat.LAPIS_LIGHT)}"/><stop offset="1" stop-color="{_hex(mat.LAPIS_DARK)}"/>'
        f'</linearGradient></defs>' + legs +
        # head with the toothed shield in front
        f'<path d="M19.5,11 Q20,6 22,6.5 L23,8 L24,5.8 L25,7.6 L26,5.8 L27,8 L28,6.5 Q30,6 30.5,11 Z" fill="url(#gold)"/>'
        # thorax and wing cases
        f'<ellipse cx="25" cy="16" rx="9.5" ry="5.6" fill="url(#gold)" stroke="#5a3406" stroke-width="0.6"/>'
        f'<path d="M14.5,24 Q14.5,19.5 25,20.5 Q35.5,19.5 35.5,24 Q36,38 25,44 Q14,38 14.5,24 Z" fill="url(#gold)" '
        f'stroke="#5a3406" stroke-width="0.6"/>'
        f'<path d="M25,20.8 V43.5" stroke="#5a3406" stroke-width="0.9"/>'
        f'<path d="M18,25 Q19,35 24,40 M32,25 Q31,35 26,40" stroke="url(#lap)" stroke-width="2.2" fill="none" '
        f'stroke-linecap="round"/>'
        f'<ellipse cx="21" cy="15" rx="3" ry="1.5" fill="#ffffff" opacity="0.5"/>'
    )
    return _finish(cv.svg(N, N, body), depth=0.6)


def hes_vase():
    vase = ("M22,16.5 C22,19 17,22 16.5,29 C16,36 19.5,40.5 22.5,42 L21.5,45 L28.5,45 L27.5,42 "
            "C30.5,40.5 34,36 33.5,29 C33,22 28,19 28,16.5 Z")
    body = (
        f'<defs>{_gold_defs()}<linearGradient id="fai" x1="0" y1="0" x2="1" y2="1">'
        f'<stop offset="0" stop-color="#b8f4ec"/><stop offset="0.45" stop-color="{_hex(mat.TURQUOISE)}"/>'
        f'<stop offset="1" stop-color="#0e5a58"/></linearGradient><clipPath id="v"><path d="{vase}"/></clipPath></defs>'
        # the spout curving up from the shoulder, and the lid
        f'<path d="M27,20 Q32,17 33.5,9.5 L36,10 Q35,19 28.5,23 Z" fill="url(#gold)" stroke="#5a3406" stroke-width="0.5"/>'
        f'<path d="{vase}" fill="url(#fai)" stroke="#0a3a38" stroke-width="0.7"/>'
        f'<g clip-path="url(#v)"><rect x="10" y="22" width="30" height="2" fill="url(#gold)"/>'
        f'<rect x="10" y="38" width="30" height="1.6" fill="url(#gold)"/>'
        + "".join(f'<path d="M{x},37 q-2,-5 0,-9 q2,4 0,9 z" fill="{_hex(mat.LAPIS)}"/>' for x in (21, 25, 29)) +
        f'</g>'
        f'<rect x="21" y="12.5" width="8" height="4.5" rx="1" fill="url(#gold)" stroke="#5a3406" stroke-width="0.5"/>'
        f'<ellipse cx="25" cy="12.2" rx="4.8" ry="1.6" fill="{_hex(mat.GOLD_LIGHT)}" stroke="#5a3406" stroke-width="0.5"/>'
        f'<ellipse cx="21" cy="28" rx="1.6" ry="4" fill="#ffffff" opacity="0.45"/>'
    )
    return _finish(cv.svg(N, N, body), depth=0.5)


def bracelet():
    # Set high in its cell so the sparkle at (-14, -18) from the centre lands on its rim.
    segs = []
    colours = [mat.LAPIS, mat.CARNELIAN, mat.TURQUOISE]
    for i in range(12):
        a0, a1 = i * math.pi / 6 + 0.08, (i + 1) * math.pi / 6 - 0.08
        col = colours[i % 3]
        def pt(a, rx, ry):
            return f"{25 + math.cos(a) * rx:.2f},{23 + math.sin(a) * ry:.2f}"
        segs.append(f'<path d="M{pt(a0, 17, 14.5)} A17,14.5 0 0 1 {pt(a1, 17, 14.5)} L{pt(a1, 12.5, 10)} '
                    f'A12.5,10 0 0 0 {pt(a0, 12.5, 10)} Z" fill="{_hex(col)}"/>')
    body = (
        f'<defs>{_gold_defs()}</defs>'
        f'<path d="M6,23 A19,16.5 0 1 1 44,23 A19,16.5 0 1 1 6,23 Z M10.5,23 A14.5,12 0 1 0 39.5,23 '
        f'A14.5,12 0 1 0 10.5,23 Z" fill="url(#gold)" fill-rule="evenodd" stroke="#5a3406" stroke-width="0.6"/>'
        + "".join(segs) +
        f'<path d="M9,16 A17.5,15 0 0 1 20,7.5" stroke="#ffffff" stroke-width="1.1" fill="none" opacity="0.7" '
        f'stroke-linecap="round"/>'
    )
    return _finish(cv.svg(N, N, body), depth=0.6)


def ankh():
    shape = ("M25,4.5 C30.5,4.5 32.5,9 32.5,12.5 C32.5,16.5 30,19.5 27.5,21 L37,20.5 C38.5,20.5 39,21.2 39,23 "
             "C39,24.8 38.5,25.5 37,25.5 L27.6,25 L29.5,44 C29.6,45 29,45.5 28,45.5 L22,45.5 C21,45.5 20.4,45 20.5,44 "
             "L22.4,25 L13,25.5 C11.5,25.5 11,24.8 11,23 C11,21.2 11.5,20.5 13,20.5 L22.5,21 C20,19.5 17.5,16.5 17.5,12.5 "
             "C17.5,9 19.5,4.5 25,4.5 Z M25,8.2 C22.6,8.2 21.3,10.2 21.3,12.5 C21.3,15 23,17.5 25,18.6 "
             "C27,17.5 28.7,15 28.7,12.5 C28.7,10.2 27.4,8.2 25,8.2 Z")
    body = (
        f'<defs>{_gold_defs()}<linearGradient id="fai" x1="0" y1="0" x2="1" y2="1">'
        f'<stop offset="0" stop-color="#c0fff4"/><stop offset="0.5" stop-color="{_hex(mat.TURQUOISE)}"/>'
        f'<stop offset="1" stop-color="#0c5450"/></linearGradient></defs>'
        f'<path d="{shape}" fill="url(#gold)" fill-rule="evenodd" stroke="#5a3406" stroke-width="0.6"/>'
        f'<path d="{shape}" fill="url(#fai)" fill-rule="evenodd" transform="translate(25 25) scale(0.8) translate(-25 -25)"/>'
    )
    return _finish(cv.svg(N, N, body), depth=0.6)


def map_fragment(seed):
    rnd = random.Random(seed)
    pts = []
    for (x0, y0, x1, y1) in ((9, 12, 41, 10), (41, 10, 42, 39), (42, 39, 8, 40), (8, 40, 9, 12)):
        for t in [i / 7 for i in range(7)]:
            pts.append((x0 + (x1 - x0) * t + rnd.uniform(-1.1, 1.1), y0 + (y1 - y0) * t + rnd.uniform(-1.1, 1.1)))
    poly = " ".join(f"{x:.2f},{y:.2f}" for (x, y) in pts)
    m = cv.shape(N, N, f'<polygon points="{poly}" fill="white"/>')
    paper = mat.stone(N, N, seed, (196, 170, 116), (226, 204, 150), (244, 230, 186), cells=3, grain=0.15, pits=0)
    fibres = cv.shape(N, N, "".join(f'<path d="M0,{y} H50" stroke="white" stroke-width="0.35"/>'
                                    for y in range(8, 44, 3)))
    paper = cv.paint(paper, (170, 140, 90), fibres, 0.35)
    out = Image.new("RGBA", paper.size, (0, 0, 0, 0))
    out.paste(paper, (0, 0), m)
    ink = cv.svg(N, N,
                 f'<path d="M12,34 Q18,26 24,29 T37,16" stroke="{_hex(mat.LAPIS)}" stroke-width="1.6" fill="none"/>'
                 f'<path d="M13,17 L18,22 L23,18 L28,24 L33,31" stroke="#a02010" stroke-width="0.9" fill="none" '
                 f'stroke-dasharray="1.6 1.2"/>'
                 f'<path d="M31,29 l4,4 m0,-4 l-4,4" stroke="#a02010" stroke-width="1.3"/>'
                 f'<path d="M14,14 l2.5,-4 l2.5,4 z M19,14 l2,-3 l2,3 z" fill="#6a4a20"/>')
    out = cv.over(out, cv.clip(ink, m))
    # The torn top-right corner folds over.
    fold = cv.shape(N, N, '<path d="M33,10 L41.5,10 L41.5,18 Z" fill="white"/>')
    out = cv.paint(out, (150, 120, 76), ImageChops.multiply(fold, m), 0.7)
    return _finish(out, depth=0.4, outline=(90, 64, 30), outline_op=0.6)


def crumbling_floor(seed, full_picture=False):
    """A floor slab broken into loose pieces; it covers the whole cell like the floor it lies in."""
    from . import blocks
    s = blocks.floor(1, seed)
    net = mat.cracks(N, N, seed + 1, 7, 12, origin=(25, 25), spread=1.4)
    net = ImageChops.lighter(net, mat.cracks(N, N, seed + 2, 6, 8, spread=0.9))
    s = cv.carved(s, net, depth=0.6, fill=(40, 26, 14), fill_op=0.95, lit_op=0.45, dark_op=0.5)
    # Some pieces have sunk a little.
    rnd = random.Random(seed)
    for _ in range(4):
        x, y = rnd.uniform(10, 40), rnd.uniform(10, 40)
        r = rnd.uniform(3, 5)
        piece = cv.shape(N, N, f'<polygon points="{x - r},{y} {x},{y - r * 0.8} {x + r},{y + 0.3} {x + 0.2},{y + r}" '
                               f'fill="white"/>')
        s = cv.carved(s, piece, depth=0.8, fill=(60, 42, 24), fill_op=0.45, lit_op=0.4, dark_op=0.6)
    s.putalpha(255)
    return s


# ---------------------------------------------------------------- the sheets

def _frame60(layer50):
    """Places a 50-pixel cell drawing (supersampled) into a 60 x 60 frame with the cell at the top left."""
    out = cv.blank(FRAME, FRAME)
    out.paste(layer50, (0, 0))
    return out


def cells():
    """The drawn objects as supersampled 50 x 50 layers, by frame."""
    d = {}
    for i, c in enumerate(GEM_COLOURS):
        d[1 + i] = gem(c)
    d[5] = sarcophagus()
    for i, c in enumerate(DECAY_COLOURS):
        d[6 + i] = decayed_wall(c, 206 + i)
    d[10] = coins()
    d[11] = ra_disc()
    d[12] = scarab()
    d[13] = hes_vase()
    d[14] = bracelet()
    d[15] = ankh()
    d[MIRROR] = mirror(False)
    d[17] = crumbling_floor(217)
    d[18] = map_fragment(218)
    d[19] = crate(219)
    d[TURNED_MIRROR] = mirror(True)
    return d


def frames():
    """(objects frames, shadow frames): two lists of 25 RGBA 60 x 60 images."""
    objs = [Image.new("RGBA", (FRAME, FRAME), (0, 0, 0, 0)) for _ in range(25)]
    shadows = [Image.new("RGBA", (FRAME, FRAME), (0, 0, 0, 0)) for _ in range(25)]
    for k, layer in cells().items():
        big = _frame60(layer)
        img = cv.down(big)
        if k in SOLID:
            _keep_inside(img, MARGIN)
        else:
            _keep_inside(img, 0)
        objs[k] = img
        if k not in SHADOWLESS:
            flat = k in (18,)
            shadows[k] = cv.down(cv.drop_shadow(big, 1.5 if flat else 3.2, 1.5 if flat else 3.2,
                                                0.8 if flat else 1.6, 0.45 if flat else 0.55))
    objs[MIRROR_SHAPE] = mirror_shape(False)
    objs[TURNED_MIRROR_SHAPE] = mirror_shape(True)
    return objs, shadows


def _keep_inside(img, margin):
    """Clears everything outside the box margin .. N - 1 - margin of a frame."""
    mask = Image.new("L", img.size, 0)
    ImageDraw.Draw(mask).rectangle([margin, margin, N - 1 - margin, N - 1 - margin], fill=255)
    img.putalpha(ImageChops.multiply(img.getchannel("A"), mask))


def wall_fragments():
    """wall.png: the picture an exploding decayed wall bursts from, in a pale stone the burst tints."""
    return cv.down(decayed_wall("white", 230, full=True))


def floor_fragments():
    """floor.png: the crumbling floor's own picture, which falls apart into the pit."""
    return cv.down(crumbling_floor(217))
