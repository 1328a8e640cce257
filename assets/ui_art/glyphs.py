"""Hieroglyphs as simple vector shapes, for the carvings on the tomb walls,
panels and frames.

Each glyph draws into a box (x, y, w, h) of an L mask with the fill value;
shapes are given in unit coordinates (0..1 across the box). `tall` glyphs
fill a whole square of a column; `flat` ones take half of it, so a column
of carvings can pair them the way scribes did.
"""
import math
import random

from PIL import ImageDraw


class Pen:
    """Maps unit coordinates into the glyph's box."""

    def __init__(self, draw, box, fill=255):
        self.d = draw
        self.x, self.y, self.w, self.h = box
        self.fill = fill

    def p(self, u, v):
        return (self.x + u * self.w, self.y + v * self.h)

    def poly(self, pts):
        self.d.polygon([self.p(u, v) for u, v in pts], fill=self.fill)

    def ellipse(self, u0, v0, u1, v1, width=0):
        box = [self.p(u0, v0), self.p(u1, v1)]
        if width:
            self.d.ellipse(box, outline=self.fill, width=max(1, int(width * self.w)))
        else:
            self.d.ellipse(box, fill=self.fill)

    def line(self, pts, width):
        self.d.line([self.p(u, v) for u, v in pts], fill=self.fill,
                    width=max(1, int(width * self.w)), joint="curve")

    def rect(self, u0, v0, u1, v1):
        self.d.rectangle([self.p(u0, v0), self.p(u1, v1)], fill=self.fill)

    def arc(self, u0, v0, u1, v1, start, end, width):
        self.d.arc([self.p(u0, v0), self.p(u1, v1)], start, end, fill=self.fill,
                   width=max(1, int(width * self.w)))

    def pieslice(self, u0, v0, u1, v1, start, end):
        self.d.pieslice([self.p(u0, v0), self.p(u1, v1)], start, end, fill=self.fill)


def ankh(pen):
    pen.ellipse(0.30, 0.02, 0.70, 0.40, width=0.11)
    pen.rect(0.12, 0.38, 0.88, 0.48)
    pen.poly([(0.44, 0.46), (0.56, 0.46), (0.60, 0.98), (0.40, 0.98)])


def eye_of_horus(pen):
    pen.line([(0.08, 0.30), (0.50, 0.18), (0.94, 0.26)], 0.07)          # brow
    pen.line([(0.06, 0.50), (0.30, 0.38), (0.62, 0.38), (0.92, 0.48)], 0.06)
    pen.line([(0.06, 0.50), (0.35, 0.62), (0.62, 0.60), (0.92, 0.48)], 0.06)
    pen.ellipse(0.40, 0.38, 0.60, 0.60)                                  # pupil
    pen.line([(0.42, 0.62), (0.36, 0.95)], 0.06)                         # tear line
    pen.line([(0.58, 0.62), (0.70, 0.80), (0.84, 0.86), (0.92, 0.76), (0.84, 0.68)], 0.06)


def djed(pen):
    pen.poly([(0.36, 0.22), (0.64, 0.22), (0.60, 0.98), (0.40, 0.98)])
    for i in range(4):
        v = 0.04 + i * 0.06
        pen.rect(0.18, v, 0.82, v + 0.035)
    pen.rect(0.26, 0.92, 0.74, 0.99)


def was_sceptre(pen):
    pen.line([(0.52, 0.16), (0.52, 0.86)], 0.09)
    pen.poly([(0.44, 0.06), (0.80, 0.00), (0.86, 0.08), (0.60, 0.20), (0.46, 0.18)])
    pen.line([(0.52, 0.84), (0.40, 0.98)], 0.07)
    pen.line([(0.52, 0.84), (0.64, 0.98)], 0.07)


def feather(pen):
    pen.poly([(0.50, 0.98), (0.42, 0.70), (0.38, 0.40), (0.44, 0.14),
              (0.60, 0.00), (0.66, 0.10), (0.62, 0.40), (0.58, 0.72), (0.54, 0.98)])


def water(pen):
    pts = []
    n = 7
    for i in range(n + 1):
        pts.append((0.02 + 0.96 * i / n, 0.30 if i % 2 == 0 else 0.70))
    pen.line(pts, 0.16)


def reed(pen):
    pen.poly([(0.50, 0.98), (0.44, 0.62), (0.40, 0.30), (0.46, 0.06), (0.56, 0.00),
              (0.60, 0.24), (0.58, 0.62), (0.54, 0.98)])
    pen.line([(0.46, 0.40), (0.32, 0.26)], 0.06)


def vulture(pen):
    pen.ellipse(0.22, 0.30, 0.80, 0.70)                               # body
    pen.poly([(0.70, 0.42), (0.98, 0.78), (0.80, 0.80), (0.62, 0.60)])  # tail
    pen.poly([(0.20, 0.42), (0.28, 0.14), (0.36, 0.44)])              # neck
    pen.ellipse(0.16, 0.04, 0.36, 0.22)                               # head
    pen.poly([(0.16, 0.12), (0.04, 0.18), (0.18, 0.20)])              # beak
    pen.line([(0.42, 0.66), (0.40, 0.98)], 0.06)
    pen.line([(0.58, 0.66), (0.60, 0.98)], 0.06)


def sun_disc(pen):
    pen.ellipse(0.10, 0.10, 0.90, 0.90, width=0.12)
    pen.ellipse(0.40, 0.40, 0.60, 0.60)


def scarab(pen):
    pen.ellipse(0.26, 0.28, 0.74, 0.94)                               # body
    pen.ellipse(0.36, 0.10, 0.64, 0.32)                               # head
    for v in (0.40, 0.58, 0.76):
        pen.line([(0.28, v), (0.08, v - 0.08)], 0.05)
        pen.line([(0.72, v), (0.92, v - 0.08)], 0.05)
    pen.ellipse(0.38, 0.00, 0.62, 0.12, width=0.05)                   # sun ball


def cobra(pen):
    pen.line([(0.10, 0.92), (0.40, 0.92), (0.62, 0.80), (0.60, 0.56), (0.48, 0.40)], 0.09)
    pen.ellipse(0.34, 0.06, 0.70, 0.48)                               # hood
    pen.line([(0.90, 0.92), (0.40, 0.92)], 0.08)


def viper(pen):
    pts = [(0.04, 0.74), (0.20, 0.60), (0.38, 0.74), (0.56, 0.60), (0.74, 0.72), (0.90, 0.58)]
    pen.line(pts, 0.10)
    pen.ellipse(0.82, 0.44, 0.98, 0.66)
    pen.line([(0.86, 0.48), (0.84, 0.32)], 0.04)
    pen.line([(0.94, 0.48), (0.96, 0.32)], 0.04)


def loaf(pen):
    pen.pieslice(0.10, 0.20, 0.90, 1.10, 180, 360)


def basket(pen):
    pen.pieslice(0.06, -0.30, 0.94, 0.90, 0, 180)
    pen.rect(0.80, 0.28, 0.94, 0.44)


def hand(pen):
    pen.poly([(0.02, 0.48), (0.72, 0.36), (0.98, 0.40), (0.96, 0.56), (0.72, 0.62), (0.02, 0.62)])
    pen.poly([(0.58, 0.36), (0.76, 0.18), (0.84, 0.24), (0.74, 0.38)])


def owl(pen):
    pen.ellipse(0.24, 0.26, 0.78, 0.86)
    pen.ellipse(0.22, 0.04, 0.54, 0.34)
    pen.poly([(0.66, 0.52), (0.96, 0.94), (0.70, 0.88)])
    pen.line([(0.42, 0.84), (0.40, 0.98)], 0.06)
    pen.line([(0.60, 0.84), (0.62, 0.98)], 0.06)


def house(pen):
    pen.line([(0.08, 0.20), (0.92, 0.20), (0.92, 0.86), (0.08, 0.86), (0.08, 0.20)], 0.10)
    pen.rect(0.40, 0.70, 0.60, 0.90)


def bolt(pen):
    pen.rect(0.04, 0.36, 0.96, 0.64)
    for u in (0.30, 0.56):
        pen.rect(u, 0.18, u + 0.10, 0.82)


def lotus(pen):
    pen.poly([(0.50, 0.98), (0.46, 0.60), (0.20, 0.10), (0.36, 0.30), (0.44, 0.02),
              (0.50, 0.30), (0.56, 0.02), (0.64, 0.30), (0.80, 0.10), (0.54, 0.60)])


def star(pen):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        r = 0.48 if i % 2 == 0 else 0.18
        pts.append((0.5 + r * math.cos(a), 0.52 + r * math.sin(a)))
    pen.poly(pts)


def heart_jar(pen):
    pen.ellipse(0.26, 0.24, 0.74, 0.90)
    pen.rect(0.38, 0.10, 0.62, 0.30)
    pen.line([(0.30, 0.22), (0.14, 0.40)], 0.06)
    pen.line([(0.70, 0.22), (0.86, 0.40)], 0.06)


def quail(pen):
    pen.ellipse(0.28, 0.30, 0.74, 0.78)
    pen.ellipse(0.22, 0.06, 0.48, 0.34)
    pen.poly([(0.22, 0.18), (0.08, 0.24), (0.24, 0.26)])
    pen.poly([(0.68, 0.50), (0.94, 0.64), (0.70, 0.70)])
    pen.line([(0.46, 0.74), (0.40, 0.98)], 0.06)
    pen.line([(0.58, 0.74), (0.64, 0.98)], 0.06)


def arm(pen):
    pen.poly([(0.02, 0.56), (0.60, 0.46), (0.96, 0.40), (0.98, 0.54), (0.60, 0.64), (0.02, 0.70)])
    pen.poly([(0.02, 0.40), (0.14, 0.40), (0.14, 0.86), (0.02, 0.86)])


def cloth(pen):
    pen.poly([(0.36, 0.98), (0.36, 0.30), (0.64, 0.02), (0.76, 0.14), (0.56, 0.34), (0.56, 0.98)])


# Glyphs by the room they need: tall ones fill a square, flat ones half.
TALL = [ankh, djed, was_sceptre, feather, reed, vulture, cobra, owl, lotus, quail, cloth,
        heart_jar, scarab, eye_of_horus]
FLAT = [water, loaf, basket, hand, viper, bolt, arm]
ROUND = [sun_disc, star, house]


def draw_glyph(draw, glyph, box, fill=255):
    glyph(Pen(draw, box, fill))


def column_of_glyphs(draw, x, y, w, h, rnd, fill=255, pad=0.14):
    """Fills a vertical column with a readable sequence of glyphs: tall
    glyphs alone, flat ones stacked in pairs, round ones centred."""
    cy = y
    inner = w * (1 - 2 * pad)
    ox = x + w * pad
    while True:
        kind = rnd.random()
        if kind < 0.55:
            gh = inner * 1.05
            if cy + gh > y + h:
                break
            draw_glyph(draw, rnd.choice(TALL), (ox, cy, inner, gh), fill)
            cy += gh + w * 0.16
        elif kind < 0.82:
            gh = inner * 0.42
            if cy + 2 * gh + w * 0.06 > y + h:
                break
            draw_glyph(draw, rnd.choice(FLAT), (ox, cy, inner, gh), fill)
            draw_glyph(draw, rnd.choice(FLAT), (ox, cy + gh + w * 0.06, inner, gh), fill)
            cy += 2 * gh + w * 0.20
        else:
            gh = inner * 0.70
            if cy + gh > y + h:
                break
            draw_glyph(draw, rnd.choice(ROUND), (ox + inner * 0.15, cy, inner * 0.7, gh), fill)
            cy += gh + w * 0.16


def row_of_glyphs(draw, x, y, w, h, rnd, fill=255):
    """A horizontal band of glyphs (a frieze): squares side by side."""
    cx = x
    while cx + h * 0.9 <= x + w:
        kind = rnd.random()
        if kind < 0.6:
            draw_glyph(draw, rnd.choice(TALL), (cx, y, h * 0.8, h), fill)
            cx += h * 0.95
        elif kind < 0.85:
            draw_glyph(draw, rnd.choice(FLAT), (cx, y + h * 0.05, h * 0.9, h * 0.42), fill)
            draw_glyph(draw, rnd.choice(FLAT), (cx, y + h * 0.55, h * 0.9, h * 0.42), fill)
            cx += h * 1.05
        else:
            draw_glyph(draw, rnd.choice(ROUND), (cx, y + h * 0.15, h * 0.7, h * 0.7), fill)
            cx += h * 0.85


def cartouche_outline(draw, box, width, fill=255):
    """The oval ring that encloses a royal name, with its tie bar."""
    x0, y0, x1, y1 = box
    r = min(x1 - x0, y1 - y0) / 2
    draw.rounded_rectangle(box, radius=r, outline=fill, width=width)
    if (y1 - y0) > (x1 - x0):
        draw.line([(x0, y1 + width * 1.5), (x1, y1 + width * 1.5)], fill=fill, width=width)
    else:
        draw.line([(x1 + width * 1.5, y0), (x1 + width * 1.5, y1)], fill=fill, width=width)


def winged_sun(draw, cx, cy, span, fill=255):
    """The winged sun disc that crowns temple doorways."""
    h = span * 0.18
    draw.ellipse([cx - h * 0.55, cy - h * 0.55, cx + h * 0.55, cy + h * 0.55], fill=fill)
    for side in (-1, 1):
        for i in range(4):
            inner = h * 0.6
            outer = span / 2 * (1 - i * 0.12)
            top = cy - h * 0.30 + i * h * 0.17
            pts = [(cx + side * inner, top), (cx + side * outer, top - h * 0.25 + i * h * 0.12),
                   (cx + side * outer * 0.96, top + h * 0.16), (cx + side * inner, top + h * 0.22)]
            draw.polygon(pts, fill=fill)
    # The two cobras beside the disc.
    for side in (-1, 1):
        draw.ellipse([cx + side * h * 0.62 - h * 0.16, cy - h * 0.20, cx + side * h * 0.62 + h * 0.16,
                      cy + h * 0.40], fill=fill)


def random_glyph_wall(draw, box, col_w, rnd, fill=255, line_fill=None, line_w=2):
    """Columns of glyphs over a wall area, separated by carved lines."""
    x0, y0, x1, y1 = box
    x = x0
    while x + col_w <= x1:
        column_of_glyphs(draw, x, y0, col_w, y1 - y0, rnd, fill)
        if line_fill is not None:
            draw.line([(x + col_w, y0), (x + col_w, y1)], fill=line_fill, width=line_w)
        x += col_w


def seeded(seed):
    return random.Random(seed)
