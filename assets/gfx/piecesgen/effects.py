"""Small sprites: the movement arrows, the sparkle of treasures, the two layers of an
emitter's rotating sun, the firework particle and the tutorial's pointing arrow.
"""
import math

from PIL import Image, ImageFilter

from . import canvas as cv
from . import materials as mat


def _hex(c):
    return "#%02x%02x%02x" % tuple(c)


def _rotate(points, degrees, cx, cy):
    a = math.radians(degrees)
    ca, sa = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * ca - (y - cy) * sa, cy + (x - cx) * sa + (y - cy) * ca) for (x, y) in points]


def _poly(points):
    return " ".join(f"{x:.2f},{y:.2f}" for (x, y) in points)


# An arrow pointing up, centred on (25, 25): a broad head on a short shaft.
ARROW_UP = [(25, 8), (40, 24), (30, 24), (30, 40), (20, 40), (20, 24), (10, 24)]


def move_arrow(direction, highlighted):
    """direction 0 up, 1 right, 2 down, 3 left. The gradient stays lit from the top left
    whatever the direction, because the points are turned, not the drawing."""
    pts = _rotate(ARROW_UP, 90 * direction, 25, 25)
    top, mid, low = ((255, 255, 236), (255, 226, 120), (214, 150, 40)) if highlighted else \
        (mat.GOLD_LIGHT, mat.GOLD, mat.GOLD_DARK)
    body = (f'<defs><linearGradient id="g" gradientUnits="userSpaceOnUse" x1="10" y1="10" x2="40" y2="40">'
            f'<stop offset="0" stop-color="{_hex(top)}"/><stop offset="0.5" stop-color="{_hex(mid)}"/>'
            f'<stop offset="1" stop-color="{_hex(low)}"/></linearGradient></defs>'
            f'<polygon points="{_poly(pts)}" fill="url(#g)" stroke="#3a2204" stroke-width="1.4" '
            f'stroke-linejoin="round"/>')
    inner = _rotate([(25, 12.5), (35, 23), (27.5, 23), (27.5, 37), (22.5, 37), (22.5, 23), (15, 23)],
                    90 * direction, 25, 25)
    body += (f'<polygon points="{_poly(inner)}" fill="none" stroke="{_hex(mat.LAPIS)}" stroke-width="1" '
             f'stroke-linejoin="round" opacity="0.8"/>')
    arrow = cv.svg(50, 50, body)
    arrow = cv.raised(arrow, arrow.getchannel("A").point(lambda v: 255 if v > 128 else 0), depth=0.8,
                      light=(255, 255, 240), shade=(60, 30, 0), lit_op=0.6, dark_op=0.4)
    out = cv.blank(50, 50)
    if highlighted:
        glow = arrow.getchannel("A").filter(ImageFilter.MaxFilter(9)).filter(ImageFilter.GaussianBlur(3 * cv.SS))
        halo = Image.new("RGBA", arrow.size, (255, 236, 150, 255))
        halo.putalpha(cv.scale_mask(glow, 0.9))
        out = cv.over(out, halo)
    else:
        out = cv.over(out, cv.drop_shadow(arrow, 1.6, 1.6, 1.0, 0.6))
    return cv.down(cv.over(out, arrow))


def arrows():
    return [move_arrow(d, False) for d in range(4)] + [move_arrow(d, True) for d in range(4)]


def _radial(size, stops, cx=None, cy=None, r=None):
    """A radial gradient disc as SVG markup; stops are (offset, colour, opacity)."""
    cx = size / 2 if cx is None else cx
    cy = size / 2 if cy is None else cy
    r = size / 2 if r is None else r
    st = "".join(f'<stop offset="{o}" stop-color="{_hex(c)}" stop-opacity="{a}"/>' for (o, c, a) in stops)
    return (f'<defs><radialGradient id="r" gradientUnits="userSpaceOnUse" cx="{cx}" cy="{cy}" r="{r}">{st}'
            f'</radialGradient></defs><circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#r)"/>')


def _rays(size, count, inner, outer, half_width, phase=0.0, alternate=1.0):
    """Tapered rays from the centre; every second ray is `alternate` times as long."""
    c = size / 2
    parts = []
    for i in range(count):
        a = phase + i * 2 * math.pi / count
        length = outer * (alternate if i % 2 else 1.0)
        w = half_width
        pts = [(c + math.cos(a + math.pi / 2) * w + math.cos(a) * inner, c + math.sin(a + math.pi / 2) * w + math.sin(a) * inner),
               (c + math.cos(a) * length, c + math.sin(a) * length),
               (c + math.cos(a - math.pi / 2) * w + math.cos(a) * inner, c + math.sin(a - math.pi / 2) * w + math.sin(a) * inner)]
        parts.append(f'<polygon points="{_poly(pts)}"/>')
    return "".join(parts)


def sun_burst(size, count, ray_len, ray_width, alternate, core, seed_phase):
    """A layer of an emitter's rotating sun: soft tapered rays around a hot core."""
    c = size / 2
    warm = (255, 226, 130)
    body = (f'<defs><radialGradient id="f" gradientUnits="userSpaceOnUse" cx="{c}" cy="{c}" r="{ray_len}">'
            f'<stop offset="0" stop-color="#ffffff" stop-opacity="1"/>'
            f'<stop offset="0.35" stop-color="{_hex(warm)}" stop-opacity="0.85"/>'
            f'<stop offset="1" stop-color="{_hex(warm)}" stop-opacity="0"/></radialGradient></defs>'
            f'<g fill="url(#f)">{_rays(size, count, 0, ray_len, ray_width, seed_phase, alternate)}</g>')
    rays = cv.svg(size, size, body).filter(ImageFilter.GaussianBlur(0.6 * cv.SS))
    glow = cv.svg(size, size, _radial(size, [(0, (255, 255, 255), 1), (0.25, (255, 244, 200), 0.85),
                                            (0.6, warm, 0.25), (1, warm, 0)], r=core))
    return cv.down(cv.over(rays, glow))


def spark_big():
    return sun_burst(128, 16, 62, 4.2, 0.6, 34, 0.0)


def spark_med():
    return sun_burst(96, 8, 46, 5.0, 0.75, 26, math.pi / 8)


def sparkle():
    """A four-pointed glint with fainter diagonals, white-gold, for treasure (drawn additively)."""
    size = 48
    c = size / 2
    long_rays = cv.svg(size, size,
                       f'<defs><radialGradient id="f" gradientUnits="userSpaceOnUse" cx="{c}" cy="{c}" r="{c}">'
                       f'<stop offset="0" stop-color="#ffffff"/><stop offset="0.6" stop-color="#ffe8a0" '
                       f'stop-opacity="0.7"/><stop offset="1" stop-color="#ffd060" stop-opacity="0"/>'
                       f'</radialGradient></defs><g fill="url(#f)">'
                       + _rays(size, 4, 0, c, 2.2, -math.pi / 2) + _rays(size, 4, 0, c * 0.55, 1.4, -math.pi / 4)
                       + '</g>')
    core = cv.svg(size, size, _radial(size, [(0, (255, 255, 255), 1), (0.4, (255, 240, 190), 0.6),
                                             (1, (255, 210, 120), 0)], r=9))
    return cv.down(cv.over(long_rays.filter(ImageFilter.GaussianBlur(0.3 * cv.SS)), core))


def firework_particle():
    """A round white glow; the fireworks tint it with the burst's colour."""
    size = 64
    return cv.down(cv.svg(size, size, _radial(size, [(0, (255, 255, 255), 1), (0.2, (255, 255, 255), 0.95),
                                                     (0.5, (255, 255, 255), 0.35), (1, (255, 255, 255), 0)])))


def tutorial_arrow():
    """The tip arrow, drawn up and right of its target: it points down and left, its tip near the
    picture's bottom-left corner, so it never covers the thing it shows."""
    size = 64
    up = [(32, 4), (50, 24), (38.5, 24), (38.5, 56), (25.5, 56), (25.5, 24), (14, 24)]
    # Turn the upward arrow to point down-left (225 degrees clockwise from up) and move its tip
    # towards the bottom-left corner.
    pts = _rotate(up, 225, 32, 32)
    tip = pts[0]
    dx, dy = 6 - tip[0], 58 - tip[1]
    pts = [(x + dx, y + dy) for (x, y) in pts]
    body = (f'<defs><linearGradient id="g" gradientUnits="userSpaceOnUse" x1="10" y1="10" x2="54" y2="54">'
            f'<stop offset="0" stop-color="{_hex(mat.GOLD_LIGHT)}"/><stop offset="0.5" stop-color="{_hex(mat.GOLD)}"/>'
            f'<stop offset="1" stop-color="{_hex(mat.GOLD_DARK)}"/></linearGradient></defs>'
            f'<polygon points="{_poly(pts)}" fill="url(#g)" stroke="{_hex(mat.LAPIS_DARK)}" stroke-width="2.4" '
            f'stroke-linejoin="round"/>')
    arrow = cv.svg(size, size, body)
    arrow = cv.raised(arrow, arrow.getchannel("A").point(lambda v: 255 if v > 128 else 0), depth=1.2,
                      light=(255, 255, 240), shade=(60, 30, 0), lit_op=0.7, dark_op=0.45)
    out = cv.over(cv.blank(size, size), cv.drop_shadow(arrow, 2, 2, 1.5, 0.55))
    return cv.down(cv.over(out, arrow))
