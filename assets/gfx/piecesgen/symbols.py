"""The four colour symbols, so no piece is told apart by colour alone.

The same symbol marks an exit glyph and a decayed wall of one light colour:
white is the eye, red the sun disc, green the lotus, blue the water.
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


def lotus(cx, cy, s):
    k, p = _place(cx, cy, s)
    # A lotus flower seen from the side: three pointed petals on a long stem with one leaf.
    return (
        f'<path d="M{p(0,1)} Q{p(-4.5,-6)} {p(0,-15)} Q{p(4.5,-6)} {p(0,1)} Z" fill="white"/>'
        f'<path d="M{p(-1,1.5)} Q{p(-9,0)} {p(-11.5,-10)} Q{p(-4,-7)} {p(-0.5,-1)} Z" fill="white"/>'
        f'<path d="M{p(1,1.5)} Q{p(9,0)} {p(11.5,-10)} Q{p(4,-7)} {p(0.5,-1)} Z" fill="white"/>'
        f'<path d="M{p(0,1)} Q{p(-1.5,7)} {p(0.5,14)}" stroke="white" stroke-width="{2.2 * k:.2f}" fill="none"/>'
        f'<path d="M{p(0,9)} Q{p(5,5)} {p(9,8)} Q{p(6,11.5)} {p(0,9.5)} Z" fill="white"/>'
    )


def water(cx, cy, s):
    k, p = _place(cx, cy, s)
    # Three zigzag ripples, the sign for water.
    rows = [" ".join(p(-12 + i * 4, row + (-2.2 if i % 2 == 0 else 2.2)) for i in range(7)) for row in (-7, 0, 7)]
    return "".join(f'<polyline points="{pts}" fill="none" stroke="white" stroke-width="{2.3 * k:.2f}" '
                   f'stroke-linejoin="miter" stroke-linecap="round"/>' for pts in rows)


BY_COLOUR = {"white": eye, "red": sun, "green": lotus, "blue": water}
COLOURS = ["white", "red", "green", "blue"]
