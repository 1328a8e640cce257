"""The menu frame and the four dialogue pictures.

The menu frame is a temple doorway in sandstone: a cavetto cornice with the
winged sun over a column of buttons. Dialogues are papyrus sheets in a gold
frame with the painted block border of tomb walls; the first text line of
every dialogue (its title) lands on a coloured band.
"""
import random

from PIL import Image, ImageDraw, ImageEnhance, ImageOps

import glyphs
import kit
import layout

SS = 3

BLOCK_COLOURS = [(34, 72, 156), (214, 160, 52), (168, 52, 30), (214, 160, 52), (40, 140, 130),
                 (214, 160, 52)]


def papyrus(size, seed):
    """Pale papyrus: crossed layers of fibres, a little darker at the rim."""
    w, h = size
    fibres_h = kit.fractal_noise(w, h, seed, base=max(4, h // 30), octaves=3, aspect=40.0)
    fibres_v = kit.fractal_noise(w, h, seed + 1, base=max(4, w // 40), octaves=3, aspect=1 / 30.0)
    clouds = kit.fractal_noise(w, h, seed + 2, base=max(8, w // 4), octaves=4)
    mix = Image.blend(Image.blend(fibres_h, fibres_v, 0.4), clouds, 0.45)
    mix = ImageOps.autocontrast(mix, cutoff=1)
    sheet = ImageOps.colorize(mix, black=(196, 170, 118), white=(246, 230, 192), mid=(228, 208, 160))
    edge = ImageOps.invert(kit.radial_ramp(w, h, w / 2, h / 2, max(w, h) * 0.75, 255, 0))
    return kit.darken(sheet, edge, 0.35, (120, 80, 30))


def block_border(size, box, band, seed):
    """The painted border of coloured blocks divided by pale lines, as
    along the edges of tomb paintings. Returns (rgb, mask)."""
    w, h = size
    x0, y0, x1, y1 = box
    rgb = Image.new("RGB", size, (0, 0, 0))
    mask = Image.new("L", size, 0)
    d = ImageDraw.Draw(rgb)
    md = ImageDraw.Draw(mask)
    block = band * 2.2
    sep = max(1, band // 5)
    i = 0
    # Four runs of blocks clockwise; corners get a lapis square.
    runs = [((x0 + band, y0), (x1 - band, y0), "h"), ((x0 + band, y1 - band), (x1 - band, y1 - band), "h"),
            ((x0, y0 + band), (x0, y1 - band), "v"), ((x1 - band, y0 + band), (x1 - band, y1 - band), "v")]
    for (sx, sy), (ex, ey), orient in runs:
        length = (ex - sx) if orient == "h" else (ey - sy)
        n = max(1, int(round(length / block)))
        step = length / n
        for k in range(n):
            c = BLOCK_COLOURS[i % len(BLOCK_COLOURS)]
            i += 1
            if orient == "h":
                r = [sx + k * step + sep, sy, sx + (k + 1) * step - sep, sy + band]
            else:
                r = [sx, sy + k * step + sep, sx + band, sy + (k + 1) * step - sep]
            d.rectangle(r, fill=c)
            md.rectangle(r, fill=255)
    for cx, cy in ((x0, y0), (x1 - band, y0), (x0, y1 - band), (x1 - band, y1 - band)):
        d.rectangle([cx, cy, cx + band, cy + band], fill=(34, 72, 156))
        md.rectangle([cx, cy, cx + band, cy + band], fill=255)
    # Paint is matt and slightly worn.
    wear = kit.fractal_noise(w, h, seed, base=max(4, band), octaves=3)
    rgb = Image.blend(rgb, ImageOps.colorize(wear, (40, 30, 20), (255, 240, 210)), 0.12)
    return rgb, mask


def dialogue(size, seed, band_colour, title_band=True):
    """A papyrus dialogue with gold frame, block border and title band."""
    W, H = size
    w, h = W * SS, H * SS
    sh = 6  # room for the drop shadow on the right and below
    body = (0, 0, w - sh * SS - 1, h - sh * SS - 1)
    rim = 5 * SS
    face = papyrus((w, h), seed)
    inner_box = (rim, rim, body[2] - rim, body[3] - rim)
    band = 5 * SS
    border_rgb, border_mask = block_border((w, h), (inner_box[0] + 2 * SS, inner_box[1] + 2 * SS,
                                                    inner_box[2] - 2 * SS, inner_box[3] - 2 * SS),
                                           band, seed + 3)
    face = Image.composite(border_rgb, face, border_mask)
    if title_band:
        ty0, ty1 = layout.TITLE_BAND
        bx0 = inner_box[0] + 2 * SS + band + 3 * SS
        bx1 = inner_box[2] - 2 * SS - band - 3 * SS
        band_mask = Image.new("L", (w, h), 0)
        ImageDraw.Draw(band_mask).rectangle([bx0, ty0 * SS, bx1, ty1 * SS], fill=255)
        colour = kit.sandstone(w, h, seed + 5, dark=kit.lerp_colour(band_colour, (0, 0, 0), 0.12),
                               mid=band_colour, light=kit.lerp_colour(band_colour, (255, 255, 255), 0.1),
                               strata=0.6, grain_amount=0.02, base=200)
        shade = kit.linear_ramp(w, h, 90, 0, 90)
        colour = kit.darken(colour, shade, 0.3)
        face = Image.composite(colour, face, band_mask)
        # Lapis and carnelian rules above and below the band.
        lines = Image.new("L", (w, h), 0)
        ld = ImageDraw.Draw(lines)
        for y in (ty0 * SS - 3 * SS, ty1 * SS):
            ld.rectangle([bx0, y, bx1, y + SS], fill=255)
        face = Image.composite(Image.new("RGB", (w, h), (34, 72, 156)), face, lines)
        red = Image.new("L", (w, h), 0)
        rd = ImageDraw.Draw(red)
        for y in (ty0 * SS - 5 * SS,):
            rd.rectangle([bx0, y, bx1, y + SS // 2 + 1], fill=255)
        face = Image.composite(Image.new("RGB", (w, h), (168, 52, 30)), face, red)
        face = kit.carve(face, band_mask, depth=SS, softness=SS, floor_dark=0.0, hi_strength=0.3,
                         lo_strength=0.35)
    rim_rgb = kit.gold_surface((w, h), seed + 7, angle=40)
    plate = kit.plate((w, h), body, 12 * SS, rim, face, rim_rgb, raised=False, depth=SS)
    out = kit.shadow_layer(plate.getchannel("A"), (sh * SS // 2 + SS, sh * SS // 2 + SS), 3 * SS, 0.55)
    out = Image.alpha_composite(out, plate)
    return kit.reduce_rgba(out, SS)


# ------------------------------------------------------------ menu frame

def menu_frame(seed):
    """A temple doorway: torus-moulded jambs, a cavetto cornice with the
    winged sun, and a recessed sandstone panel for the buttons."""
    W, H = layout.MENU_FRAME_SIZE
    w, h = W * SS, H * SS
    size = (w, h)
    sh = 6
    right = w - sh * SS
    bottom = h - sh * SS
    cornice_h = 30 * SS
    inset = 7 * SS
    base_h = 14 * SS
    stone = kit.sandstone(w, h, seed, base=90, grain_amount=0.05)
    stone_dark = kit.sandstone(w, h, seed + 9, dark=(112, 78, 44), mid=(150, 110, 66),
                               light=(178, 138, 90), strata=0.5, grain_amount=0.03, base=140)
    # The silhouette: jambs and panel, the flaring cornice, the plinth.
    body = Image.new("L", size, 0)
    d = ImageDraw.Draw(body)
    d.rectangle([inset, cornice_h - 2 * SS, right - inset, bottom - base_h + SS], fill=255)
    cornice = Image.new("L", size, 0)
    cd = ImageDraw.Draw(cornice)
    cd.polygon([(2 * SS, 0), (right - 2 * SS, 0), (right - inset + 2 * SS, cornice_h),
                (inset - 2 * SS, cornice_h)], fill=255)
    plinth = Image.new("L", size, 0)
    ImageDraw.Draw(plinth).rectangle([3 * SS, bottom - base_h, right - 3 * SS, bottom], fill=255)
    silhouette = kit.mask_max(kit.mask_max(body, cornice), plinth)

    img = stone.copy()
    # Cornice: vertical flutes, lit from the left.
    flutes = Image.new("L", size, 0)
    fd = ImageDraw.Draw(flutes)
    x = 5 * SS
    while x < right - 4 * SS:
        fd.rectangle([x, 3 * SS, x + 3 * SS, cornice_h - 7 * SS], fill=255)
        x += 7 * SS
    flutes = kit.mask_min(flutes, cornice)
    img = kit.carve(img, flutes, depth=SS, softness=SS, floor_dark=0.2, lo_strength=0.5)
    # The torus roll under the cornice, painted in bands.
    roll = Image.new("L", size, 0)
    ImageDraw.Draw(roll).rectangle([inset - 2 * SS, cornice_h - 6 * SS, right - inset + 2 * SS,
                                    cornice_h], fill=255)
    roll_rgb = Image.new("RGB", size)
    rd = ImageDraw.Draw(roll_rgb)
    x = inset - 2 * SS
    k = 0
    while x < right:
        rd.rectangle([x, 0, x + 6 * SS, h], fill=[(34, 72, 156), (214, 160, 52), (168, 52, 30)][k % 3])
        x += 6 * SS
        k += 1
    roll_rgb = Image.blend(roll_rgb, stone, 0.25)
    img = Image.composite(roll_rgb, img, roll)
    img = kit.emboss(img, roll, depth=SS, softness=2 * SS, hi_strength=0.6)
    # Winged sun in gold on the cornice.
    sun = Image.new("L", size, 0)
    glyphs.winged_sun(ImageDraw.Draw(sun), right / 2, 15 * SS, 124 * SS)
    gold = kit.gold_surface(size, seed + 2, angle=30)
    img = kit.drop_shadow(img, sun, (SS, SS), SS, 0.6)
    img = Image.composite(kit.emboss(gold, sun, depth=SS, softness=SS, hi_strength=0.8), img, sun)
    # The recessed panel behind the buttons, framed by a thin gold fillet.
    panel_box = (inset + 9 * SS, cornice_h + 8 * SS, right - inset - 9 * SS, bottom - base_h - 8 * SS)
    panel = kit.rounded_rect_mask(size, panel_box, 4 * SS)
    img = Image.composite(stone_dark, img, panel)
    img = kit.carve(img, panel, depth=2 * SS, softness=2 * SS, floor_dark=0.15, lo_strength=0.7)
    fillet = kit.mask_sub(kit.grow(panel, 2 * SS), panel)
    img = Image.composite(kit.emboss(gold, fillet, depth=SS, softness=SS), img, fillet)
    # Carved columns of glyphs on the jambs either side of the panel.
    jamb_glyphs = Image.new("L", size, 0)
    jd = ImageDraw.Draw(jamb_glyphs)
    rnd = random.Random(seed + 4)
    for x0 in (inset + 1 * SS, right - inset - 8 * SS):
        glyphs.column_of_glyphs(jd, x0, cornice_h + 12 * SS, 8 * SS, bottom - base_h - cornice_h - 24 * SS,
                                rnd, pad=0.05)
    img = kit.carve(img, jamb_glyphs, depth=SS, softness=SS * 0.6, floor_dark=0.45, lo_strength=0.7)
    # Light falls from the top left over the whole doorway.
    img = kit.emboss(img, silhouette, depth=2 * SS, softness=2 * SS, hi_strength=0.5, lo_strength=0.6)
    shade = kit.linear_ramp(w, h, 55, 0, 120)
    img = kit.darken(img, shade, 0.5, (40, 20, 5))
    # Plinth edge line.
    img = kit.emboss(img, plinth, depth=SS, softness=SS, hi_strength=0.4)
    out = kit.shadow_layer(silhouette, (5 * SS, 5 * SS), 4 * SS, 0.6)
    out = Image.alpha_composite(out, kit.layer_from(img, silhouette))
    return kit.reduce_rgba(out, SS)


def build(out_dir):
    kit.save_png(menu_frame(101), f"{out_dir}/gui_menuframe.png")
    light_band = (206, 160, 84)
    kit.save_png(dialogue(layout.DIALOGUE_SML, 111, light_band), f"{out_dir}/gui_dialogue_sml.png")
    kit.save_png(dialogue(layout.DIALOGUE_MED, 121, light_band), f"{out_dir}/gui_dialogue_med.png")
    # The large one carries white headings on the options pages and black
    # titles on the file requesters: its band is a middle tone that both
    # read on.
    kit.save_png(dialogue(layout.DIALOGUE_LRG, 131, (150, 100, 42)), f"{out_dir}/gui_dialogue_lrg.png")
    kit.save_png(dialogue(layout.DIALOGUE_MAS, 141, light_band), f"{out_dir}/gui_dialogue_mas.png")
