#!/usr/bin/env python3
"""Contact sheet of every PNG the game loads from its gfx folder, for reviewing the art.

Usage:
    python3 assets/gfx/contact_sheet.py <gfx folder> <output folder>
or, from a build folder:
    cmake --build <build> --target contact-sheet     (writes <build>/contact-sheet/, with a mock room)

Writes one sheet per picture (<name>.png) and an overview of them all
(all.png). Animation strips are cut into their frames with the cell sizes
the game uses, each drawn on a checkerboard (so transparency shows) with its
frame number; small cells are enlarged. Frames that are wholly transparent
are marked "empty".
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

# name -> (cell width, cell height, frame count or None for every whole cell), as the game cuts them.
STRIPS = {
    "blocks.png": (50, 50, 25),
    "objects.png": (60, 60, 25),
    "objects_shadows.png": (60, 60, 25),
    "shadows.png": (50, 50, 16),
    "arrows.png": (50, 50, 8),
    "wall.png": (5, 5, 100),
    "floor.png": (5, 5, 100),
    "map_icons.png": (90, 90, 32),
    "sun_frames.png": (130, 130, 10),
    "mouse.png": (40, 48, 2),
    "gui_buttons.png": (171, 42, 8),
    "gui_buttons_sml.png": (88, 28, 4),
    "gui_tickBox.png": (40, 40, None),
    "gui_arrows.png": (21, 21, None),
}

FONT_PATH = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
BG = (40, 36, 34)


def font(size):
    try:
        return ImageFont.truetype(FONT_PATH, size)
    except OSError:
        return ImageFont.load_default()


def checker(w, h, step=8):
    img = Image.new("RGBA", (w, h), (110, 110, 110, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, h, step):
        for x in range(0, w, step):
            if (x // step + y // step) % 2:
                d.rectangle([x, y, x + step - 1, y + step - 1], fill=(150, 150, 150, 255))
    return img


def frames_of(path):
    img = Image.open(path).convert("RGBA")
    name = os.path.basename(path)
    if name not in STRIPS:
        return img, [img]
    cw, ch, count = STRIPS[name]
    cols = img.width // cw
    if cols == 0 or img.height < ch:
        return img, [img]
    if count is None:
        count = cols * (img.height // ch)
    out = []
    for i in range(min(count, cols * (img.height // ch))):
        x, y = (i % cols) * cw, (i // cols) * ch
        out.append(img.crop((x, y, x + cw, y + ch)))
    return img, out


def sheet_for(path, max_width=1400):
    name = os.path.basename(path)
    whole, frames = frames_of(path)
    fw, fh = frames[0].size
    zoom = 12 if fw <= 8 else 3 if fw <= 64 else 2 if fw <= 140 else 1
    if fw * zoom > max_width:
        zoom = max_width / fw
    cw, ch = max(1, int(fw * zoom)), max(1, int(fh * zoom))
    label_h = 16
    pad = 6
    cols = max(1, min(len(frames), (max_width + pad) // (cw + pad)))
    if len(frames) == 100:
        cols = 10
    rows = (len(frames) + cols - 1) // cols
    title_h = 26
    W = cols * (cw + pad) + pad
    H = title_h + rows * (ch + label_h + pad) + pad
    out = Image.new("RGBA", (W, H), BG + (255,))
    d = ImageDraw.Draw(out)
    d.text((pad, 4), f"{name}  {whole.width}x{whole.height}  ({len(frames)} x {fw}x{fh})", fill=(255, 230, 180),
           font=font(15))
    small = font(11)
    for i, f in enumerate(frames):
        x = pad + (i % cols) * (cw + pad)
        y = title_h + (i // cols) * (ch + label_h + pad)
        tile = checker(cw, ch, step=max(4, cw // 8))
        big = f.resize((cw, ch), Image.NEAREST if zoom >= 1 else Image.LANCZOS)
        tile.alpha_composite(big)
        out.paste(tile, (x, y))
        empty = f.getchannel("A").getbbox() is None
        if len(frames) > 1 or empty:
            d.text((x, y + ch + 1), f"{i}" + (" empty" if empty else ""), fill=(220, 220, 220), font=small)
    return out


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    src, dst = argv[1], argv[2]
    os.makedirs(dst, exist_ok=True)
    sheets = []
    for name in sorted(os.listdir(src)):
        if not name.lower().endswith((".png", ".jpg")):
            continue
        s = sheet_for(os.path.join(src, name))
        s.convert("RGB").save(os.path.join(dst, os.path.splitext(name)[0] + ".png"))
        sheets.append(s)
    if not sheets:
        print(f"no PNG files in {src}")
        return 1
    W = max(s.width for s in sheets)
    H = sum(s.height for s in sheets)
    overview = Image.new("RGBA", (W, H), BG + (255,))
    y = 0
    for s in sheets:
        overview.paste(s, (0, y))
        y += s.height
    overview.save(os.path.join(dst, "all.png"))
    print(f"contact sheets of {len(sheets)} pictures in {dst}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
