"""The widget strips: mouse pointers, large and small buttons, tick boxes,
list-box arrows, the scroll track with its thumb, and the window icon.

Button states, in frame order: idle, hover, pressed, disabled. Faces are
lapis inlay in a gold rim, so the white labels the game prints on them
read clearly; the pressed face sinks one pixel towards the shadow.
"""
import math

from PIL import Image, ImageChops, ImageDraw, ImageEnhance, ImageOps

import kit
import layout

SS = 4  # supersampling factor


def strip(cells, cell_size, columns):
    """Lays cells out in reading order."""
    cw, ch = cell_size
    rows = (len(cells) + columns - 1) // columns
    out = Image.new("RGBA", (cw * columns, ch * rows), (0, 0, 0, 0))
    for i, cell in enumerate(cells):
        out.paste(cell, ((i % columns) * cw, (i // columns) * ch))
    return out


# ------------------------------------------------------------ state look

STATES = ("idle", "hover", "pressed", "disabled")


def face_for(state, size, seed):
    """The inlay of a button face in the given state: polished lapis, light
    at the top where the sun catches its curve, deep at the bottom."""
    w, h = size
    if state == "disabled":
        return kit.sandstone(w, h, seed, dark=(104, 96, 84), mid=(124, 116, 102), light=(146, 138, 122),
                             strata=0.2, base=max(8, h // 2))
    top, bottom = (58, 100, 190), (16, 34, 96)
    if state == "hover":
        top, bottom = (96, 150, 240), (30, 62, 150)
    elif state == "pressed":
        top, bottom = (20, 40, 104), (36, 70, 150)  # sunk: the light now falls on the lower edge
    face = ImageOps.colorize(kit.linear_ramp(w, h, 90), black=top, white=bottom)
    veins = kit.lapis_surface(size, seed)
    face = Image.blend(face, ImageChops.multiply(face, veins.point(lambda v: min(255, v * 2 + 60))), 0.45)
    # A soft gloss over the upper half.
    gloss = Image.new("L", size, 0)
    ImageDraw.Draw(gloss).rounded_rectangle([w * 0.06, h * 0.12, w * 0.94, h * 0.46], radius=h * 0.2,
                                           fill=90 if state != "pressed" else 30)
    face = kit.screen_light(face, kit.blur(gloss, h * 0.08), (200, 220, 255), 1.0)
    if state == "hover":
        glow = kit.radial_ramp(w, h, w / 2, h * 0.6, max(size) * 0.5, 150, 0)
        face = kit.screen_light(face, glow, (120, 170, 255), 0.7)
    return face


def rim_for(state, size, seed):
    if state == "disabled":
        return kit.gold_surface(size, seed, dark=(70, 62, 52), mid=(120, 110, 96),
                                light=(178, 170, 156))
    if state == "hover":
        return kit.gold_surface(size, seed, dark=(150, 100, 30), mid=(240, 190, 80),
                                light=(255, 246, 200))
    if state == "pressed":
        return kit.gold_surface(size, seed, dark=(100, 62, 14), mid=(190, 138, 44),
                                light=(240, 210, 130))
    return kit.gold_surface(size, seed)


def button_cell(cell, state, seed, radius, rim, shadow):
    """One button frame: a gold-rimmed lapis plate with its drop shadow."""
    w, h = cell[0] * SS, cell[1] * SS
    pressed = state == "pressed"
    push = SS if pressed else 0
    # The plate leaves room for its shadow on the bottom right.
    box = (SS // 2 + push, SS // 2 + push, w - shadow * SS - SS // 2 + push,
           h - shadow * SS - SS // 2 + push)
    size = (w, h)
    face = face_for(state, size, seed)
    rimimg = rim_for(state, size, seed + 1)
    plate = kit.plate(size, box, radius * SS, rim * SS, face, rimimg, raised=not pressed,
                      depth=SS)
    mask = plate.getchannel("A")
    off = SS if pressed else shadow * SS
    out = kit.shadow_layer(mask, (off, off), SS * (1 if pressed else 1.5), 0.55)
    out = Image.alpha_composite(out, plate)
    small = kit.reduce_rgba(out, SS)
    if state == "disabled":
        a = small.getchannel("A").point(lambda v: int(v * 0.9))
        small.putalpha(a)
    return small


def buttons(cell, radius, rim, shadow, seed):
    return strip([button_cell(cell, s, seed + i * 7, radius, rim, shadow)
                  for i, s in enumerate(STATES)], cell, 4)


# -------------------------------------------------------------- tick box

def tick_box_cell(state, seed):
    w, h = layout.TICK_BOX[0] * SS, layout.TICK_BOX[1] * SS
    size = (w, h)
    pressed = state == "pressed"
    inset = 7 * SS
    box = (inset, inset, w - inset - 2 * SS, h - inset - 2 * SS)
    face = face_for(state, size, seed)
    face = ImageEnhance.Brightness(face).enhance(0.55 if state != "disabled" else 0.9)
    rimimg = rim_for(state, size, seed + 1)
    plate = kit.plate(size, box, 5 * SS, 3 * SS, face, rimimg, raised=False, depth=SS)
    mask = plate.getchannel("A")
    out = kit.shadow_layer(mask, (2 * SS, 2 * SS) if not pressed else (SS, SS), 2 * SS, 0.5)
    out = Image.alpha_composite(out, plate)
    if state == "hover":
        halo = kit.mask_sub(kit.blur(kit.grow(mask, 3 * SS), 3 * SS), mask)
        out = Image.alpha_composite(kit.layer_from(Image.new("RGB", size, (255, 214, 110)),
                                                   kit.scale_l(halo, 0.75)), out)
    return kit.reduce_rgba(out, SS)


def tick_mark_cell(seed):
    """The tick drawn over a box: a gold check with a dark edge, reaching a
    little past the box's top-right corner as if painted with one stroke."""
    w, h = layout.TICK_BOX[0] * SS, layout.TICK_BOX[1] * SS
    size = (w, h)
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    pts = [(10 * SS, 20 * SS), (17 * SS, 28 * SS), (34 * SS, 5 * SS)]
    d.line(pts, fill=255, width=6 * SS, joint="curve")
    for x, y in (pts[0], pts[2]):
        d.ellipse([x - 3 * SS, y - 3 * SS, x + 3 * SS, y + 3 * SS], fill=255)
    edge = kit.grow(m, 1.5 * SS)
    gold = kit.gold_surface(size, seed, angle=45, mid=(236, 180, 60))
    gold = kit.emboss(gold, m, depth=SS, softness=SS, hi_strength=0.8, lo_strength=0.6)
    out = kit.shadow_layer(edge, (2 * SS, 2 * SS), 1.5 * SS, 0.5)
    out = Image.alpha_composite(out, kit.layer_from(Image.new("RGB", size, (44, 22, 4)), edge))
    out = Image.alpha_composite(out, kit.layer_from(gold, m))
    return kit.reduce_rgba(out, SS)


def tick_boxes(seed):
    cells = [tick_box_cell(s, seed + i) for i, s in enumerate(STATES)]
    cells.append(tick_mark_cell(seed + 9))
    return strip(cells, layout.TICK_BOX, 5)


# ---------------------------------------------------------------- arrows

def arrow_cell(direction, state, seed):
    w, h = layout.ARROW[0] * SS, layout.ARROW[1] * SS
    size = (w, h)
    cell = button_cell(layout.ARROW, state, seed, 4, 2, 1)
    tri = Image.new("L", size, 0)
    d = ImageDraw.Draw(tri)
    push = SS if state == "pressed" else 0
    cx, cy = 9.5 * SS + push, 9.5 * SS + push
    s = 4.5 * SS
    if direction == "up":
        pts = [(cx - s, cy + s * 0.6), (cx + s, cy + s * 0.6), (cx, cy - s * 0.8)]
    else:
        pts = [(cx - s, cy - s * 0.6), (cx + s, cy - s * 0.6), (cx, cy + s * 0.8)]
    d.polygon(pts, fill=255)
    colour = (84, 78, 70) if state == "disabled" else (255, 228, 150)
    glyph = kit.layer_from(Image.new("RGB", size, (30, 14, 0)), kit.scale_l(kit.blur(kit.shift(tri, SS, SS), SS), 0.7))
    glyph = Image.alpha_composite(glyph, kit.layer_from(Image.new("RGB", size, colour), tri))
    glyph = kit.reduce_rgba(glyph, SS)
    return Image.alpha_composite(cell, glyph)


def arrows(seed):
    cells = [arrow_cell("up", s, seed + i) for i, s in enumerate(STATES)]
    cells += [arrow_cell("down", s, seed + 10 + i) for i, s in enumerate(STATES)]
    return strip(cells, layout.ARROW, 4)


def track_cell(seed):
    """The scroll groove. The game stretches it vertically, so every row is
    the same: a dark lapis channel between two gold rails."""
    w, h = layout.ARROW
    row = Image.new("RGBA", (w, 1), (0, 0, 0, 0))
    colours = {0: (70, 44, 10, 255), 1: (214, 166, 70, 255), 2: (170, 120, 40, 255),
               3: (60, 36, 8, 255), w - 1: (70, 44, 10, 255), w - 2: (120, 80, 24, 255),
               w - 3: (230, 190, 100, 255), w - 4: (60, 36, 8, 255)}
    for x in range(w):
        if x in colours:
            row.putpixel((x, 0), colours[x])
        else:
            t = (x - 4) / (w - 9)
            # Deeper on the left, where the rail shades the channel.
            base = kit.lerp_colour((10, 18, 44), (30, 52, 108), t)
            row.putpixel((x, 0), base + (255,))
    return row.resize((w, h), Image.NEAREST)


def thumb_cell(state, seed):
    cell = button_cell(layout.ARROW, state, seed, 4, 2, 1)
    d = ImageDraw.Draw(cell)
    push = 1 if state == "pressed" else 0
    col = (120, 112, 100, 255) if state == "disabled" else (255, 226, 140, 255)
    dark = (20, 10, 0, 200)
    for y in (6, 9, 12):
        d.line([(6 + push, y + push + 1), (13 + push, y + push + 1)], fill=dark)
        d.line([(6 + push, y + push), (13 + push, y + push)], fill=col)
    return cell


def arr_track(seed):
    cells = [track_cell(seed)] + [thumb_cell(s, seed + i) for i, s in enumerate(STATES)]
    return strip(cells, layout.ARROW, 5)


# ----------------------------------------------------------------- mouse

def _pointer_shape(size):
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    s = SS
    pts = [(3, 3), (3, 30), (10, 24), (15, 35), (20, 33), (15, 22), (24, 22)]
    d.polygon([(x * s, y * s) for x, y in pts], fill=255)
    return m


def _hand_shape(size):
    """A pointing hand, finger up, its tip on the hot spot, in the manner
    of the painted hands of tomb walls, with a gold bracelet."""
    s = SS
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    d.rounded_rectangle([0.5 * s, 1 * s, 7.5 * s, 24 * s], radius=3.5 * s, fill=255)   # finger
    for i, (x0, top) in enumerate(((7, 13), (13, 14), (19, 16))):
        d.rounded_rectangle([x0 * s, top * s, (x0 + 6.5) * s, (top + 12) * s], radius=3 * s, fill=255)
    d.rounded_rectangle([0.5 * s, 18 * s, 25.5 * s, 36 * s], radius=6 * s, fill=255)     # palm
    d.polygon([(3 * s, 34 * s), (23 * s, 34 * s), (21 * s, 44 * s), (5 * s, 44 * s)], fill=255)  # wrist
    return m


def _hand_details(size):
    """Lines between the curled fingers and the thumb crease."""
    s = SS
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    for x in (7.5, 13.5, 19.5):
        d.line([(x * s, 17 * s), (x * s, 23 * s)], fill=255, width=int(0.9 * s))
    return m


def pointer_cell(kind, seed):
    w, h = layout.MOUSE_CELL[0] * SS, layout.MOUSE_CELL[1] * SS
    size = (w, h)
    if kind == "pointer":
        shape = _pointer_shape(size)
        fill = kit.gold_surface(size, seed, angle=55)
        fill = kit.emboss(fill, shape, depth=SS, softness=SS, hi_strength=0.8, lo_strength=0.5)
        details = None
    else:
        # One pixel in from the cell's edge, so the outline stays inside.
        shape = kit.shift(_hand_shape(size), SS * 3 // 2, SS * 3 // 2)
        skin = kit.lerp_colour((196, 112, 62), (236, 160, 100), 0.5)
        fill = Image.new("RGB", size, skin)
        shade = kit.linear_ramp(w, h, 60, 0, 140)
        fill = kit.darken(fill, shade, 0.45, (110, 50, 20))
        fill = kit.emboss(fill, shape, depth=SS, softness=1.5 * SS, hi_strength=0.55, lo_strength=0.5)
        band = Image.new("L", size, 0)
        ImageDraw.Draw(band).rectangle([0, 38 * SS, w, 43 * SS], fill=255)
        band = kit.mask_min(band, shape)
        gold = kit.emboss(kit.gold_surface(size, seed), band, depth=SS, softness=SS)
        fill = Image.composite(gold, fill, band)
        lapis_band = Image.new("L", size, 0)
        ImageDraw.Draw(lapis_band).rectangle([0, 40 * SS, w, 41 * SS], fill=255)
        fill = Image.composite(kit.lapis_surface(size, seed), fill, kit.mask_min(lapis_band, shape))
        details = kit.shift(_hand_details(size), SS * 3 // 2, SS * 3 // 2)
    outline = kit.grow(shape, 1.2 * SS)
    out = kit.shadow_layer(outline, (3 * SS, 3 * SS), 2 * SS, 0.45)
    out = Image.alpha_composite(out, kit.layer_from(Image.new("RGB", size, (36, 18, 2)), outline))
    out = Image.alpha_composite(out, kit.layer_from(fill, shape))
    if details is not None:
        out = Image.alpha_composite(out, kit.layer_from(Image.new("RGB", size, (90, 36, 10)),
                                                        kit.scale_l(details, 0.8)))
    return kit.reduce_rgba(out, SS)


def mouse(seed):
    return strip([pointer_cell("pointer", seed), pointer_cell("hand", seed + 1)],
                 layout.MOUSE_CELL, 2)


# ------------------------------------------------------------ window icon

def window_icon(seed, scale=1):
    """A gold ankh on a lapis tile, lit from the top left. scale 1 gives the
    64 px window icon; the desktop icons are the same drawing at 0.75, 2
    and 4 (48, 128 and 256 px)."""
    S = int(SS * scale)  # drawing units per icon pixel of the 64 px layout
    w, h = layout.WINDOW_ICON[0] * S, layout.WINDOW_ICON[1] * S
    size = (w, h)
    tile = kit.plate(size, (2 * S, 2 * S, w - 5 * S, h - 5 * S), 10 * S, 4 * S,
                     kit.lapis_surface(size, seed), kit.gold_surface(size, seed + 1), depth=S)
    out = kit.shadow_layer(tile.getchannel("A"), (3 * S, 3 * S), 2 * S, 0.5)
    out = Image.alpha_composite(out, tile)
    m = Image.new("L", size, 0)
    import glyphs
    glyphs.draw_glyph(ImageDraw.Draw(m), glyphs.ankh, (14 * S, 9 * S, 32 * S, 42 * S))
    gold = kit.emboss(kit.gold_surface(size, seed + 2, angle=50), m, depth=S, softness=S,
                      hi_strength=0.9)
    out = Image.alpha_composite(out, kit.shadow_layer(m, (2 * S, 2 * S), 1.5 * S, 0.7))
    out = Image.alpha_composite(out, kit.layer_from(gold, m))
    return kit.reduce_rgba(out, SS)


def build(out_dir):
    kit.save_png(mouse(11), f"{out_dir}/mouse.png")
    kit.save_png(buttons(layout.BUTTON_LARGE, 7, 3, 3, 21), f"{out_dir}/gui_buttons.png")
    kit.save_png(buttons(layout.BUTTON_SMALL, 5, 2, 2, 31), f"{out_dir}/gui_buttons_sml.png")
    kit.save_png(tick_boxes(41), f"{out_dir}/gui_tickBox.png")
    kit.save_png(arrows(51), f"{out_dir}/gui_arrows.png")
    kit.save_png(arr_track(61), f"{out_dir}/gui_arrTrack.png")
    kit.save_png(window_icon(71), f"{out_dir}/icon.png")
