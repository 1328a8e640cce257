"""Faceted gems, drawn as SVG polygons shaded facet by facet for a sun in the top left.

Each colour has its own cut, so the four gems differ by shape as well:
the diamond is a round brilliant, the ruby a lozenge, the emerald a tall
step-cut octagon and the sapphire a trillion (a triangle).
"""
import math

LIGHT_DIR = (-math.sqrt(0.5), -math.sqrt(0.5))  # towards the sun

PALETTES = {
    # light, mid, dark, edge
    "white": ((255, 255, 255), (160, 190, 220), (46, 66, 104), (40, 54, 84)),
    "red": ((255, 160, 150), (214, 30, 46), (96, 0, 18), (70, 0, 10)),
    "green": ((170, 255, 190), (24, 176, 86), (0, 70, 34), (0, 48, 22)),
    "blue": ((160, 190, 255), (34, 76, 216), (10, 18, 100), (6, 10, 70)),
}


def _lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def _hex(c):
    return "#%02x%02x%02x" % c


def _shade(palette, b):
    """Colour of a facet whose normal faces the sun by b (-1 away .. 1 towards)."""
    light, mid, dark, _ = palette
    return _lerp(mid, light, b) if b >= 0 else _lerp(mid, dark, -b)


def outline(cut):
    """The girdle polygon of a cut, in cell units around (25, 25)."""
    if cut == "round":
        return [(25 + 13.5 * math.cos(i * math.pi / 8 + math.pi / 16), 25 + 13.5 * math.sin(i * math.pi / 8 + math.pi / 16))
                for i in range(16)]
    if cut == "lozenge":
        return [(25, 5.5), (27.5, 8), (37, 22.5), (38, 25), (37, 27.5), (27.5, 42), (25, 44.5), (22.5, 42),
                (13, 27.5), (12, 25), (13, 22.5), (22.5, 8)]
    if cut == "step":
        return [(17, 8), (33, 8), (37, 12), (37, 38), (33, 42), (17, 42), (13, 38), (13, 12)]
    if cut == "trillion":
        return [(22.5, 8.5), (27.5, 8.5), (43, 36), (41, 40.5), (9, 40.5), (7, 36)]
    raise ValueError(cut)


def centre_of(cut):
    return (25, 29.5) if cut == "trillion" else (25, 25)


def svg(cut, colour_name, opacity=0.9):
    palette = PALETTES[colour_name]
    outer = outline(cut)
    cx, cy = centre_of(cut)
    rings = [1.0, 0.74, 0.5] if cut in ("step", "trillion") else [1.0, 0.5]
    polys = []
    n = len(outer)
    ring_pts = [[(cx + (x - cx) * r, cy + (y - cy) * r) for (x, y) in outer] for r in rings]
    for j in range(len(rings) - 1):
        tilt = 1.0 - 0.35 * j  # inner bands slope less, so they catch less light and shade
        for i in range(n):
            a0, a1 = ring_pts[j][i], ring_pts[j][(i + 1) % n]
            b1, b0 = ring_pts[j + 1][(i + 1) % n], ring_pts[j + 1][i]
            mx, my = (a0[0] + a1[0]) / 2 - cx, (a0[1] + a1[1]) / 2 - cy
            ln = math.hypot(mx, my) or 1
            b = (mx * LIGHT_DIR[0] + my * LIGHT_DIR[1]) / ln * tilt
            if cut == "round":
                # A brilliant alternates bright and dark star facets around the crown.
                b = b * 0.7 + (0.45 if i % 2 else -0.4)
            col = _shade(palette, max(-1.0, min(1.0, b)))
            pts = " ".join(f"{x:.2f},{y:.2f}" for (x, y) in (a0, a1, b1, b0))
            polys.append(f'<polygon points="{pts}" fill="{_hex(col)}"/>')
    table = " ".join(f"{x:.2f},{y:.2f}" for (x, y) in ring_pts[-1])
    light, mid, dark, edge = palette
    defs = (f'<defs><linearGradient id="t" x1="0" y1="0" x2="1" y2="1">'
            f'<stop offset="0" stop-color="{_hex(_lerp(mid, light, 0.55))}"/>'
            f'<stop offset="1" stop-color="{_hex(_lerp(mid, dark, 0.35))}"/></linearGradient></defs>')
    girdle = " ".join(f"{x:.2f},{y:.2f}" for (x, y) in outer)
    facet_lines = "".join(
        f'<line x1="{ring_pts[j][i][0]:.2f}" y1="{ring_pts[j][i][1]:.2f}" x2="{ring_pts[j + 1][i][0]:.2f}" '
        f'y2="{ring_pts[j + 1][i][1]:.2f}"/>' for j in range(len(rings) - 1) for i in range(n))
    rings_lines = "".join(
        f'<polygon points="{" ".join(f"{x:.2f},{y:.2f}" for (x, y) in ring_pts[j])}" fill="none"/>'
        for j in range(1, len(rings)))
    # A star of light on the sunward side of the table.
    tx, ty = ring_pts[-1][0]
    gx = cx + (min(p[0] for p in ring_pts[-1]) - cx) * 0.55
    gy = cy + (min(p[1] for p in ring_pts[-1]) - cy) * 0.55
    glint = (f'<path d="M{gx:.2f},{gy - 3.2:.2f} L{gx + 0.7:.2f},{gy - 0.7:.2f} L{gx + 3.2:.2f},{gy:.2f} '
             f'L{gx + 0.7:.2f},{gy + 0.7:.2f} L{gx:.2f},{gy + 3.2:.2f} L{gx - 0.7:.2f},{gy + 0.7:.2f} '
             f'L{gx - 3.2:.2f},{gy:.2f} L{gx - 0.7:.2f},{gy - 0.7:.2f} Z" fill="white" opacity="0.95"/>')
    return (defs + f'<g opacity="{opacity}">' + "".join(polys)
            + f'<polygon points="{table}" fill="url(#t)"/>'
            + f'<g stroke="{_hex(light)}" stroke-opacity="0.55" stroke-width="0.45" fill="none">{facet_lines}'
            + rings_lines + '</g>'
            + f'<polygon points="{girdle}" fill="none" stroke="{_hex(edge)}" stroke-width="0.9" '
              f'stroke-linejoin="round"/></g>' + glint)


CUTS = {"white": "round", "red": "lozenge", "green": "step", "blue": "trillion"}
