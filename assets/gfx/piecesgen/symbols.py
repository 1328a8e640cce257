"""The four colour symbols, so no piece is told apart by colour alone.

The same symbol marks an exit glyph and a decayed wall of one light colour:
white is the eye, red the sun disc, green the papyrus, blue the water.
Each returns SVG markup of filled white shapes centred on (cx, cy), drawn in
a box of about s x s units.
"""
import math


def _place(cx, cy, s):
    """The scale of a symbol drawn in a 26-unit design box, and a function placing design points."""
    k = s / 26.0
    return k, lambda x, y: f"{cx + x * k:.2f},{cy + y * k:.2f}"


def eye(cx, cy, s):
    k, p = _place(cx, cy, s)
    # Almond eye, brow, pupil, and the falcon's cheek marks below.
    return (
        f'<path d="M{p(-12,-1)} Q{p(0,-11)} {p(12,-1)} Q{p(0,8)} {p(-12,-1)} Z '
        f'M{p(-8,-1)} Q{p(0,5)} {p(8,-1)} Q{p(0,-6)} {p(-8,-1)} Z" fill="white" fill-rule="evenodd"/>'
        f'<circle cx="{cx:.2f}" cy="{cy - 1.2 * k:.2f}" r="{3.4 * k:.2f}" fill="white"/>'
        f'<path d="M{p(-13,-9)} Q{p(0,-15)} {p(13,-8)} L{p(13,-6)} Q{p(0,-12.5)} {p(-13,-7)} Z" fill="white"/>'
        f'<path d="M{p(-2,5)} L{p(1,5)} L{p(-3,13)} L{p(-6,13)} Z" fill="white"/>'
        f'<path d="M{p(4,4.5)} Q{p(8,12)} {p(12,9)} Q{p(14,6)} {p(11,5.5)} L{p(10.5,7.5)} Q{p(11.5,8.5)} {p(10,9.5)} '
        f'Q{p(8,10)} {p(6.5,4)} Z" fill="white"/>'
    )


def sun(cx, cy, s):
    k, p = _place(cx, cy, s)
    angles = [i * math.pi / 4 + math.pi / 8 for i in range(8)]
    rays = [f'<path d="M{p(math.cos(a) * 9.5, math.sin(a) * 9.5)} L{p(math.cos(a) * 13, math.sin(a) * 13)}" '
            f'stroke="white" stroke-width="{2.2 * k:.2f}" stroke-linecap="round"/>' for a in angles]
    return (
        f'<circle cx="{cx}" cy="{cy}" r="{7.6 * k:.2f}" fill="none" stroke="white" stroke-width="{2.6 * k:.2f}"/>'
        f'<circle cx="{cx}" cy="{cy}" r="{2.6 * k:.2f}" fill="white"/>' + "".join(rays)
    )


def papyrus(cx, cy, s):
    k, p = _place(cx, cy, s)
    # A papyrus stalk: a fanned umbel on a straight stem rising from a sheath of leaves.
    fronds = " ".join(f"M{p(0, -1)} L{p(x, -12.5 + abs(x) * 0.12)}" for x in (-7, -3.5, 0, 3.5, 7))
    return (
        f'<path d="M{p(0,-0.5)} L{p(-11.5,-11)} Q{p(0,-16.5)} {p(11.5,-11)} Z" fill="white"/>'
        f'<path d="{fronds}" stroke="black" stroke-width="{0.9 * k:.2f}"/>'
        f'<rect x="{cx - 1.3 * k:.2f}" y="{cy - 1 * k:.2f}" width="{2.6 * k:.2f}" height="{12 * k:.2f}" fill="white"/>'
        f'<path d="M{p(-6,13)} Q{p(-3,7)} {p(0,6)} Q{p(3,7)} {p(6,13)} Z" fill="white"/>'
    )


def water(cx, cy, s):
    k, p = _place(cx, cy, s)
    # Three zigzag ripples, the sign for water.
    rows = [" ".join(p(-12 + i * 4, row + (-2.2 if i % 2 == 0 else 2.2)) for i in range(7)) for row in (-7, 0, 7)]
    return "".join(f'<polyline points="{pts}" fill="none" stroke="white" stroke-width="{2.3 * k:.2f}" '
                   f'stroke-linejoin="miter" stroke-linecap="round"/>' for pts in rows)


BY_COLOUR = {"white": eye, "red": sun, "green": papyrus, "blue": water}
COLOURS = ["white", "red", "green", "blue"]
