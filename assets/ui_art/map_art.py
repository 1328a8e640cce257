"""The campaign map: Egypt painted on the tomb wall with the Nile running
through the left half, the location medallions with their landmarks, and the
dot of the travelled path.

Medallion frames come four per location, in the order the map asks for:
available, highlighted, completed, locked. The medallion fills the upper
part of its 90 x 90 cell; the game writes the name 30 pixels below the
cell's centre, on a shaded patch the map leaves for it.
"""
import math
import random

from PIL import Image, ImageDraw, ImageEnhance, ImageFilter, ImageOps

import glyphs
import kit
import layout
import tomb

W, H = layout.SCREEN
SS = 2
ICON_SS = 4
CELL = layout.MAP_ICON_CELL[0]
MED_CX, MED_CY, MED_R = 45, 39, 31   # medallion centre and radius in a cell


# ------------------------------------------------------------ landmarks

class Scene:
    """Draws a landmark into a medallion at ICON_SS: coordinates are in
    cell pixels, lit faces and shaded faces go into separate masks."""

    def __init__(self):
        size = (CELL * ICON_SS, CELL * ICON_SS)
        self.lit = Image.new("L", size, 0)
        self.shade = Image.new("L", size, 0)
        self.gold = Image.new("L", size, 0)
        self.dark = Image.new("L", size, 0)
        self.top = Image.new("L", size, 0)  # stone drawn over everything else
        self.paint = Image.new("RGB", size, (0, 0, 0))
        self.paint_mask = Image.new("L", size, 0)

    def _pts(self, pts):
        return [(x * ICON_SS, y * ICON_SS) for x, y in pts]

    def poly(self, layer, pts):
        ImageDraw.Draw(getattr(self, layer)).polygon(self._pts(pts), fill=255)

    def rect(self, layer, box, radius=0):
        x0, y0, x1, y1 = box
        b = [x0 * ICON_SS, y0 * ICON_SS, x1 * ICON_SS, y1 * ICON_SS]
        d = ImageDraw.Draw(getattr(self, layer))
        if radius:
            d.rounded_rectangle(b, radius=radius * ICON_SS, fill=255)
        else:
            d.rectangle(b, fill=255)

    def ellipse(self, layer, box):
        x0, y0, x1, y1 = box
        ImageDraw.Draw(getattr(self, layer)).ellipse(
            [x0 * ICON_SS, y0 * ICON_SS, x1 * ICON_SS, y1 * ICON_SS], fill=255)

    def line(self, layer, pts, width):
        ImageDraw.Draw(getattr(self, layer)).line(self._pts(pts), fill=255, width=int(width * ICON_SS))

    def painted(self, colour, shape, *args):
        """A coloured detail (paint on the stone)."""
        m = Image.new("L", self.lit.size, 0)
        d = ImageDraw.Draw(m)
        if shape == "rect":
            x0, y0, x1, y1 = args[0]
            d.rectangle([x0 * ICON_SS, y0 * ICON_SS, x1 * ICON_SS, y1 * ICON_SS], fill=255)
        elif shape == "poly":
            d.polygon(self._pts(args[0]), fill=255)
        elif shape == "ellipse":
            x0, y0, x1, y1 = args[0]
            d.ellipse([x0 * ICON_SS, y0 * ICON_SS, x1 * ICON_SS, y1 * ICON_SS], fill=255)
        ImageDraw.Draw(self.paint).bitmap((0, 0), m, fill=colour)
        self.paint_mask = kit.mask_max(self.paint_mask, m)


GROUND = 56  # horizon line of every scene


def heliopolis(s):
    """The obelisk of the city of the sun, before the rising disc."""
    s.ellipse("gold", (49, 14, 69, 34))
    s.poly("lit", [(40, GROUND), (43, 18), (45, 18)])
    s.poly("lit", [(40, GROUND), (45, 18), (45, GROUND)])
    s.poly("shade", [(45, 18), (47, 18), (50, GROUND), (45, GROUND)])
    s.poly("gold", [(43, 18), (45, 11), (47, 18)])
    s.rect("shade", (36, GROUND - 3, 54, GROUND))
    s.rect("lit", (36, GROUND - 3, 45, GROUND))
    for y in (26, 34, 42):
        s.line("dark", [(44, y), (46, y)], 0.8)


def giza(s):
    """The three pyramids."""
    for cx, half, height in ((31, 17, 28), (53, 13, 22), (67, 7, 11)):
        apex = (cx, GROUND - height)
        s.poly("lit", [apex, (cx - half, GROUND), (cx + half * 0.2, GROUND)])
        s.poly("shade", [apex, (cx + half * 0.2, GROUND), (cx + half, GROUND)])
    s.poly("gold", [(31, GROUND - 28), (29, GROUND - 25), (32.5, GROUND - 25)])


def necropolis(s):
    """The step pyramid of the royal necropolis."""
    steps = 5
    for i in range(steps):
        half = 24 - i * 4.2
        y1 = GROUND - i * 6
        y0 = y1 - 6.5
        s.poly("lit", [(45 - half, y1), (45 - half + 1.5, y0), (47, y0), (47, y1)])
        s.poly("shade", [(47, y0), (45 + half - 1.5, y0), (45 + half, y1), (47, y1)])
        s.line("dark", [(45 - half + 1, y1), (45 + half, y1)], 0.7)
    s.rect("dark", (43, GROUND - 5, 47, GROUND))


def karnak(s):
    """The columns of the great hall with their papyrus capitals."""
    s.rect("shade", (18, 20, 72, 25))
    s.rect("lit", (18, 20, 72, 22.5))
    for x in (22, 33, 44, 55, 66):
        s.rect("lit", (x - 3, 27, x + 1, GROUND))
        s.rect("shade", (x + 1, 27, x + 3, GROUND))
        s.poly("lit", [(x - 5, 25), (x + 5, 25), (x + 3, 29), (x - 3, 29)])
        s.painted((34, 72, 156), "rect", (x - 3, 33, x + 3, 35))
        s.painted((168, 52, 30), "rect", (x - 3, 37, x + 3, 38.5))
    s.rect("shade", (16, GROUND - 2, 74, GROUND))


def armana(s):
    """The Aten: the sun disc whose rays end in hands, over its open
    temple."""
    s.ellipse("gold", (36, 13, 54, 31))
    for k in range(7):
        a = math.radians(35 + k * 18.3)
        x0, y0 = 45 + math.cos(a) * 10, 22 + math.sin(a) * 10
        x1, y1 = 45 + math.cos(a) * 27, 22 + math.sin(a) * 27
        s.line("gold", [(x0, y0), (x1, y1)], 1.0)
        s.ellipse("gold", (x1 - 1.7, y1 - 1.7, x1 + 1.7, y1 + 1.7))
    s.rect("lit", (20, GROUND - 8, 45, GROUND))
    s.rect("shade", (45, GROUND - 8, 70, GROUND))
    for x in range(23, 68, 6):
        s.rect("dark", (x, GROUND - 6, x + 2, GROUND))


def abydos(s):
    """The temple of Osiris: a long colonnade under a cornice, its djed
    pillar in front."""
    s.rect("lit", (17, 27, 73, 31))
    s.rect("shade", (17, 31, 73, 33))
    for x in range(20, 72, 7):
        s.rect("lit", (x, 33, x + 3, GROUND - 3))
        s.rect("shade", (x + 3, 33, x + 5, GROUND - 3))
    s.rect("dark", (18, 34, 72, 35))
    s.rect("lit", (15, GROUND - 3, 75, GROUND))
    # The djed pillar in gold.
    s.rect("gold", (43, 36, 47, GROUND - 3))
    for y in (36, 38.5, 41):
        s.rect("gold", (40, y, 50, y + 1.4))


def edfu(s):
    """The pylon of the falcon's temple: two towers and a gate."""
    for x0, x1 in ((16, 40), (50, 74)):
        s.poly("lit", [(x0, GROUND), (x0 + 4, 20), ((x0 + x1) / 2, 20), ((x0 + x1) / 2, GROUND)])
        s.poly("shade", [((x0 + x1) / 2, 20), (x1 - 4, 20), (x1, GROUND), ((x0 + x1) / 2, GROUND)])
        s.rect("shade", (x0 + 3, 18, x1 - 3, 21))
        s.painted((34, 72, 156), "rect", (x0 + 6, 26, x1 - 6, 27.5))
    s.rect("shade", (39, 30, 51, GROUND))
    s.rect("dark", (41.5, 36, 48.5, GROUND))
    s.rect("lit", (38, 27, 52, 31))
    s.ellipse("gold", (42, 27.5, 48, 30.5))
    for x in (22, 28, 62, 68):
        s.line("shade", [(x, 20), (x, 12)], 0.9)


def lost_temple(s):
    """A golden royal mask in the dark door of a temple cut into the
    cliff, still lit after a thousand years."""
    s.poly("shade", [(10, GROUND), (14, 20), (30, 12), (60, 11), (78, 18), (80, GROUND)])
    s.poly("lit", [(10, GROUND), (14, 20), (30, 12), (45, 11), (30, GROUND)])
    s.rect("dark", (29, 18, 61, GROUND), radius=3)
    # The striped headcloth, the face and the beard.
    s.poly("gold", [(45, 20), (56, 24), (60, 48), (52, 44), (38, 44), (30, 48), (34, 24)])
    s.painted((34, 72, 156), "poly", [(34.5, 28), (38, 27), (36, 46), (31.5, 47.5)])
    s.painted((34, 72, 156), "poly", [(55.5, 28), (52, 27), (54, 46), (58.5, 47.5)])
    s.painted((34, 72, 156), "poly", [(33, 36), (37, 35), (36.5, 38), (32.5, 39)])
    s.painted((34, 72, 156), "poly", [(57, 36), (53, 35), (53.5, 38), (57.5, 39)])
    s.ellipse("top", (39, 26, 51, 42))
    s.painted((30, 20, 10), "rect", (41, 31, 44, 32.2))
    s.painted((30, 20, 10), "rect", (46, 31, 49, 32.2))
    s.rect("gold", (43.5, 42, 46.5, 50))
    s.rect("lit", (8, GROUND - 2, 82, GROUND))


LANDMARKS = [heliopolis, giza, necropolis, karnak, armana, abydos, edfu, lost_temple]
STATES = ("available", "highlighted", "completed", "locked")


def sky_and_ground(size, state, seed):
    w, h = size
    t = kit.linear_ramp(w, h, 90)
    if state == "completed":
        sky = ImageOps.colorize(t, black=(236, 150, 70), white=(255, 222, 150), mid=(250, 190, 110))
    else:
        sky = ImageOps.colorize(t, black=(70, 120, 200), white=(200, 222, 236), mid=(130, 174, 224))
    ground = kit.sandstone(w, h, seed, dark=(176, 124, 64), mid=(210, 160, 96), light=(236, 198, 136),
                           base=20 * ICON_SS, strata=0.7)
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).rectangle([0, GROUND * ICON_SS, w, h], fill=255)
    img = Image.composite(ground, sky, m)
    haze = Image.new("L", size, 0)
    ImageDraw.Draw(haze).rectangle([0, (GROUND - 6) * ICON_SS, w, GROUND * ICON_SS], fill=110)
    return kit.screen_light(img, kit.blur(haze, 3 * ICON_SS), (255, 240, 210), 0.7)


def medallion(index, state, seed):
    size = (CELL * ICON_SS, CELL * ICON_SS)
    s = Scene()
    LANDMARKS[index](s)
    img = sky_and_ground(size, state, seed)
    stone_lit = kit.sandstone(size[0], size[1], seed + 1, dark=(206, 160, 100), mid=(232, 196, 140),
                              light=(250, 226, 180), base=8 * ICON_SS)
    stone_shade = ImageEnhance.Brightness(stone_lit).enhance(0.58)
    gold = kit.gold_surface(size, seed + 2, angle=50)
    # Landmark shadow falls to the bottom right onto the ground.
    body = kit.mask_max(kit.mask_max(s.lit, s.shade), kit.mask_max(s.gold, s.top))
    img = kit.drop_shadow(img, body, (3 * ICON_SS, 2 * ICON_SS), 2 * ICON_SS, 0.35)
    img = Image.composite(stone_shade, img, s.shade)
    img = Image.composite(stone_lit, img, s.lit)
    img = kit.darken(img, s.dark, 0.8, (30, 16, 6))
    if index == 7:  # the glow deep in the lost temple's door
        glow = kit.mask_min(kit.shrink(s.dark, 3 * ICON_SS), kit.blur(s.dark, 4 * ICON_SS))
        img = kit.screen_light(img, kit.blur(glow, 3 * ICON_SS), (110, 230, 190), 0.7)
    img = Image.composite(kit.emboss(gold, s.gold, depth=ICON_SS // 2, softness=ICON_SS, hi_strength=0.8),
                          img, s.gold)
    img = Image.composite(stone_lit, img, s.top)
    img = Image.composite(s.paint, img, kit.scale_l(s.paint_mask, 0.85))
    # Round window with a gold rim.
    cx, cy, r = MED_CX * ICON_SS, MED_CY * ICON_SS, MED_R * ICON_SS
    disc = Image.new("L", size, 0)
    ImageDraw.Draw(disc).ellipse([cx - r, cy - r, cx + r, cy + r], fill=255)
    rim_w = 4 * ICON_SS
    inner = Image.new("L", size, 0)
    ImageDraw.Draw(inner).ellipse([cx - r + rim_w, cy - r + rim_w, cx + r - rim_w, cy + r - rim_w], fill=255)
    if state == "locked":
        grey = ImageOps.grayscale(img).convert("RGB")
        img = ImageOps.colorize(ImageOps.grayscale(img), black=(30, 26, 22), white=(170, 160, 146))
        rim = kit.gold_surface(size, seed + 3, dark=(60, 54, 46), mid=(110, 100, 88), light=(170, 162, 150))
        del grey
    elif state == "highlighted":
        img = ImageEnhance.Brightness(img).enhance(1.15)
        rim = kit.gold_surface(size, seed + 3, dark=(160, 110, 30), mid=(250, 200, 90), light=(255, 250, 210))
    else:
        rim = kit.gold_surface(size, seed + 3)
    img = kit.carve(img, inner, depth=ICON_SS, softness=1.5 * ICON_SS, floor_dark=0.0, lo_strength=0.6,
                    hi_strength=0.2)
    rim = kit.emboss(rim, disc, depth=ICON_SS, softness=ICON_SS, hi_strength=0.9)
    face = Image.composite(img, rim, inner)
    out = Image.new("RGBA", size, (0, 0, 0, 0))
    if state == "highlighted":
        halo = kit.blur(kit.grow(disc, 3 * ICON_SS), 4 * ICON_SS)
        out = Image.alpha_composite(out, kit.layer_from(Image.new("RGB", size, (255, 220, 120)), halo))
    out = Image.alpha_composite(out, kit.shadow_layer(disc, (3 * ICON_SS, 3 * ICON_SS), 2 * ICON_SS, 0.6))
    out = Image.alpha_composite(out, kit.layer_from(face, disc))
    if state == "completed":
        out = Image.alpha_composite(out, completed_seal(size, seed + 4))
    elif state == "locked":
        out = Image.alpha_composite(out, padlock(size, seed + 5))
    return kit.reduce_rgba(out, ICON_SS)


def completed_seal(size, seed):
    """A lapis seal with a gold ankh on the medallion's rim."""
    s = ICON_SS
    cx, cy, r = 68 * s, 56 * s, 11 * s
    disc = Image.new("L", size, 0)
    ImageDraw.Draw(disc).ellipse([cx - r, cy - r, cx + r, cy + r], fill=255)
    lapis = kit.emboss(kit.lapis_surface(size, seed), disc, depth=s, softness=s)
    ring = kit.mask_sub(disc, kit.shrink(disc, 2 * s))
    gold = kit.gold_surface(size, seed + 1)
    face = Image.composite(kit.emboss(gold, ring, depth=s // 2, softness=s // 2), lapis, ring)
    ank = Image.new("L", size, 0)
    glyphs.draw_glyph(ImageDraw.Draw(ank), glyphs.ankh, (cx - 6 * s, cy - 8 * s, 12 * s, 16 * s))
    face = Image.composite(kit.emboss(gold, ank, depth=s // 2, softness=s // 2), face, ank)
    out = kit.shadow_layer(disc, (2 * s, 2 * s), 1.5 * s, 0.6)
    return Image.alpha_composite(out, kit.layer_from(face, disc))


def padlock(size, seed):
    """A bronze lock hanging over a sealed location."""
    s = ICON_SS
    cx, cy = 45 * s, 44 * s
    shackle = Image.new("L", size, 0)
    ImageDraw.Draw(shackle).arc([cx - 7 * s, cy - 18 * s, cx + 7 * s, cy - 2 * s], 180, 360, fill=255,
                                width=3 * s)
    ImageDraw.Draw(shackle).rectangle([cx - 7 * s, cy - 10 * s, cx - 4 * s, cy - 2 * s], fill=255)
    ImageDraw.Draw(shackle).rectangle([cx + 4 * s, cy - 10 * s, cx + 7 * s, cy - 2 * s], fill=255)
    body = Image.new("L", size, 0)
    ImageDraw.Draw(body).rounded_rectangle([cx - 11 * s, cy - 4 * s, cx + 11 * s, cy + 13 * s], radius=3 * s,
                                           fill=255)
    hole = Image.new("L", size, 0)
    hd = ImageDraw.Draw(hole)
    hd.ellipse([cx - 2.2 * s, cy + 1 * s, cx + 2.2 * s, cy + 5.4 * s], fill=255)
    hd.polygon([(cx - 1.3 * s, cy + 4 * s), (cx + 1.3 * s, cy + 4 * s), (cx + 2 * s, cy + 9.5 * s),
                (cx - 2 * s, cy + 9.5 * s)], fill=255)
    bronze = kit.gold_surface(size, seed, dark=(70, 44, 20), mid=(150, 104, 56), light=(220, 180, 120))
    both = kit.mask_max(shackle, body)
    metal = kit.emboss(bronze, both, depth=s, softness=s, hi_strength=0.8)
    metal = kit.darken(metal, hole, 0.9, (20, 10, 4))
    out = kit.shadow_layer(both, (2 * s, 2 * s), 1.5 * s, 0.7)
    return Image.alpha_composite(out, kit.layer_from(metal, both))


def map_icons(seed):
    cells = []
    for index in range(8):
        for k, state in enumerate(STATES):
            cells.append(medallion(index, state, seed + index * 10 + k))
    out = Image.new("RGBA", (CELL * 4, CELL * 8), (0, 0, 0, 0))
    for i, cell in enumerate(cells):
        out.paste(cell, ((i % 4) * CELL, (i // 4) * CELL))
    return out


# -------------------------------------------------------------- path dot

def map_dot(seed):
    """A carnelian bead: the steps of the journey across the map."""
    size_px = 14
    s = ICON_SS
    size = (size_px * s, size_px * s)
    disc = Image.new("L", size, 0)
    ImageDraw.Draw(disc).ellipse([1.5 * s, 1.5 * s, 11 * s, 11 * s], fill=255)
    red = Image.new("RGB", size, (176, 44, 24))
    red = kit.screen_light(red, kit.radial_ramp(size[0], size[1], 5 * s, 5 * s, 6 * s, 230, 0), (255, 160, 100), 0.9)
    red = kit.emboss(red, disc, depth=s, softness=s, hi_strength=0.6)
    edge = kit.grow(disc, s)
    out = kit.shadow_layer(edge, (s, s), s, 0.6)
    out = Image.alpha_composite(out, kit.layer_from(Image.new("RGB", size, (50, 14, 4)), edge))
    out = Image.alpha_composite(out, kit.layer_from(red, disc))
    return kit.reduce_rgba(out, s)


# --------------------------------------------------------------- the map

def nile_path():
    """The river from the south (bottom) to the delta apex, bending between
    the locations' medallions."""
    return [(262, 610), (250, 560), (236, 505), (248, 462), (276, 430), (298, 380), (292, 330),
            (270, 290), (252, 250), (240, 205), (226, 178)]


def smooth(points, steps=12):
    """Catmull-Rom through the points."""
    out = []
    pts = [points[0]] + list(points) + [points[-1]]
    for i in range(1, len(pts) - 2):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        for k in range(steps):
            t = k / steps
            t2, t3 = t * t, t * t * t
            x = 0.5 * ((2 * p1[0]) + (-p0[0] + p2[0]) * t + (2 * p0[0] - 5 * p1[0] + 4 * p2[0] - p3[0]) * t2
                       + (-p0[0] + 3 * p1[0] - 3 * p2[0] + p3[0]) * t3)
            y = 0.5 * ((2 * p1[1]) + (-p0[1] + p2[1]) * t + (2 * p0[1] - 5 * p1[1] + 4 * p2[1] - p3[1]) * t2
                       + (-p0[1] + 3 * p1[1] - 3 * p2[1] + p3[1]) * t3)
            out.append((x, y))
    out.append(points[-1])
    return out


def river_mask(width_px, extra=0):
    big = Image.new("L", (W * SS, H * SS), 0)
    d = ImageDraw.Draw(big)
    main = smooth(nile_path())
    d.line([(x * SS, y * SS) for x, y in main], fill=255, width=int((width_px + extra) * SS), joint="curve")
    # The delta: branches fanning out to the sea.
    apex = nile_path()[-1]
    for branch in ([apex, (205, 158), (178, 132), (162, 104), (150, 78)],
                   [apex, (238, 150), (262, 118), (280, 92), (296, 74)],
                   [apex, (222, 150), (222, 120), (218, 96), (214, 80)]):
        pts = smooth(branch)
        d.line([(x * SS, y * SS) for x, y in pts], fill=255, width=int((width_px * 0.6 + extra) * SS),
               joint="curve")
    return big.reduce(SS)


def coast_masks():
    """The Mediterranean along the top and the Red Sea on the east."""
    big = Image.new("L", (W * SS, H * SS), 0)
    d = ImageDraw.Draw(big)
    coast = [(0, 80), (60, 70), (120, 82), (160, 72), (200, 86), (240, 74), (300, 82), (350, 72),
             (400, 92), (430, 84)]
    sea = [(0, 0), (W, 0), (W, 70)] + [(x, y) for x, y in reversed(coast[1:])] + [(0, 80)]
    sea = [(x, y) for x, y in sea]
    d.polygon([(x * SS, y * SS) for x, y in sea], fill=255)
    # The Red Sea: the coast of the east runs down the right of the map.
    shore = smooth([(470, 118), (494, 170), (520, 240), (556, 330), (590, 420), (626, 520), (650, 610)], 8)
    d.polygon([(x * SS, y * SS) for x, y in shore + [(W, H), (W, 118)]], fill=255)
    d.polygon([(470 * SS, 118 * SS), (W * SS, 100 * SS), (W * SS, 118 * SS)], fill=255)
    return big.reduce(SS)


def bg_map(seed):
    img = kit.sandstone(W, H, seed, dark=(122, 82, 44), mid=(158, 112, 64), light=(190, 146, 92),
                        strata=0.25, base=120)
    # Dune hatching and fertile land along the river.
    dunes = Image.new("L", (W * SS, H * SS), 0)
    dd = ImageDraw.Draw(dunes)
    rnd = random.Random(seed)
    for _ in range(140):
        x, y = rnd.uniform(0, W), rnd.uniform(90, H)
        length = rnd.uniform(10, 26)
        dd.arc([(x - length) * SS, (y - 5) * SS, (x + length) * SS, (y + 5) * SS], 200, 340, fill=255,
               width=int(1.2 * SS))
    dunes = dunes.reduce(SS)
    img = kit.darken(img, dunes, 0.35, (80, 48, 20))
    img = hills(img, seed + 7)
    green = river_mask(12, extra=16)
    green = kit.blur(green, 4)
    fertile = kit.sandstone(W, H, seed + 1, dark=(50, 74, 30), mid=(78, 104, 44), light=(110, 130, 60),
                            base=30)
    img = Image.composite(fertile, img, kit.scale_l(green, 0.9))
    # Water.
    water_rgb = kit.lapis_surface((W, H), seed + 2, dark=(16, 44, 104), mid=(36, 92, 168), light=(90, 150, 210))
    river = river_mask(9)
    seas = coast_masks()
    water = kit.mask_max(river, seas)
    img = Image.composite(water_rgb, img, water)
    img = kit.carve(img, water, depth=1, softness=1.5, floor_dark=0.0, lo_strength=0.5, hi_strength=0.35)
    # Wave marks in the seas, as painted on tomb walls.
    waves = Image.new("L", (W * SS, H * SS), 0)
    wd = ImageDraw.Draw(waves)
    for y in range(14, H, 14):
        for x in range(0, W, 26):
            ox = (y // 14 % 2) * 13
            pts = [((x + ox + k * 3.5) * SS, (y + (2 if k % 2 else -2)) * SS) for k in range(5)]
            wd.line(pts, fill=255, width=int(1.3 * SS))
    waves = kit.mask_min(waves.reduce(SS), seas)
    img = kit.screen_light(img, waves, (150, 200, 240), 0.55)
    # The right half: a stone tablet for the instructions, and the niche of
    # the menu button.
    tab = (446, 212, 797, 420)
    tablet = kit.rounded_rect_mask((W, H), tab, 10)
    stone = kit.sandstone(W, H, seed + 3, dark=(36, 26, 20), mid=(58, 42, 30), light=(80, 60, 42), base=60)
    img = kit.drop_shadow(img, tablet, (6, 6), 6, 0.7)
    img = Image.composite(stone, img, tablet)
    img = kit.emboss(img, tablet, depth=2, softness=2, hi_strength=0.4, lo_strength=0.6)
    rim = kit.mask_sub(tablet, kit.shrink(tablet, 4))
    gold = kit.gold_surface((W, H), seed + 4, angle=35)
    img = Image.composite(kit.emboss(gold, rim, depth=1, softness=1, hi_strength=0.8), img, rim)
    # A compass rose in the lower right.
    img = compass(img, (704, 528), 44, seed + 5)
    # Soft shade under each name so the white labels read on the map.
    names = Image.new("L", (W, H), 0)
    nd = ImageDraw.Draw(names)
    for name, icon, x, y in layout.MAP_LOCATIONS:
        half = 8 + len(name) * 5
        nd.rounded_rectangle([x - half, y + 30, x + half, y + 50], radius=10, fill=150)
    # Soft enough to pass for shade in the sand where the hidden location's
    # name is not shown yet.
    img = kit.darken(img, kit.blur(names, 9), 0.6, (40, 20, 6))
    # The map is painted on the wall: a border of painted blocks and gold.
    from frames_art import block_border
    brgb, bm = block_border((W, H), (0, 0, W, H), 8, seed + 6)
    img = Image.composite(brgb, img, bm)
    img = kit.emboss(img, bm, depth=1, softness=1, hi_strength=0.3, lo_strength=0.4)
    img = kit.vignette(img, 0.35, 300, 300)
    return img


def hills(img, seed):
    """Ranges of little hills in the deserts either side of the valley, as
    an old map draws them: lit on the left, shaded on the right."""
    rnd = random.Random(seed)
    lit = Image.new("L", (W * SS, H * SS), 0)
    shade = Image.new("L", (W * SS, H * SS), 0)
    ld, sd = ImageDraw.Draw(lit), ImageDraw.Draw(shade)
    # Each range runs along a line; hills are bigger in its middle.
    ranges = [((360, 140), (420, 300), 9), ((430, 340), (520, 470), 8), ((380, 520), (560, 580), 9),
              ((40, 420), (80, 570), 8), ((30, 110), (70, 200), 4), ((300, 470), (330, 580), 4)]
    for (ax, ay), (bx, by), n in ranges:
        for k in range(n):
            t = (k + 0.5) / n
            x = ax + (bx - ax) * t + rnd.uniform(-9, 9)
            y = ay + (by - ay) * t + rnd.uniform(-6, 6)
            if any(math.hypot(x - lx, y - ly) < 50 or (abs(x - lx) < 60 and 0 < y - ly < 62)
                   for _, _, lx, ly in layout.MAP_LOCATIONS):
                continue
            hw = (6 + 6 * math.sin(t * math.pi)) * rnd.uniform(0.85, 1.15)
            hh = hw * rnd.uniform(1.0, 1.3)
            apex = (x * SS, (y - hh) * SS)
            ld.polygon([apex, ((x - hw) * SS, y * SS), (x * SS, y * SS)], fill=255)
            sd.polygon([apex, (x * SS, y * SS), ((x + hw) * SS, y * SS)], fill=255)
    lit, shade = lit.reduce(SS), shade.reduce(SS)
    img = kit.darken(img, kit.blur(kit.shift(kit.mask_max(lit, shade), 2, 1), 1.2), 0.35, (50, 28, 10))
    img = kit.screen_light(img, lit, (255, 220, 160), 0.35)
    return kit.darken(img, shade, 0.45, (70, 40, 16))


def compass(img, centre, r, seed):
    cx, cy = centre
    big = Image.new("L", (W * SS, H * SS), 0)
    d = ImageDraw.Draw(big)
    for k in range(4):
        a = k * math.pi / 2 - math.pi / 2
        tip = (cx + math.cos(a) * r, cy + math.sin(a) * r)
        left = (cx + math.cos(a - math.pi / 2) * r * 0.2, cy + math.sin(a - math.pi / 2) * r * 0.2)
        right = (cx + math.cos(a + math.pi / 2) * r * 0.2, cy + math.sin(a + math.pi / 2) * r * 0.2)
        d.polygon([(p[0] * SS, p[1] * SS) for p in (tip, left, (cx, cy), right)], fill=255)
    d.ellipse([(cx - r * 0.3) * SS, (cy - r * 0.3) * SS, (cx + r * 0.3) * SS, (cy + r * 0.3) * SS], outline=255,
              width=int(2 * SS))
    m = big.reduce(SS)
    gold = kit.gold_surface((W, H), seed, angle=45)
    img = kit.drop_shadow(img, m, (3, 3), 2, 0.7)
    img = Image.composite(kit.emboss(gold, m, depth=1, softness=1.2, hi_strength=0.8), img, m)
    fnt = kit.font("serif_bold", 16 * SS)
    n = kit.text_mask((W * SS, H * SS), (cx * SS, (cy - r - 10) * SS), "N", fnt, anchor="mm").reduce(SS)
    return Image.composite(kit.emboss(gold, n, depth=1, softness=1), img, n)


def build(out_dir):
    kit.save_png(bg_map(401), f"{out_dir}/bg_map.png")
    kit.save_png(map_icons(411), f"{out_dir}/map_icons.png")
    kit.save_png(map_dot(421), f"{out_dir}/map_dot.png")
