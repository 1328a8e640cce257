"""Assembling frames into pictures and writing them byte-for-byte reproducibly."""
import os

from PIL import Image


def grid(frames, cell_w, cell_h, columns):
    """Lays frames out in reading order, `columns` to a row."""
    rows = (len(frames) + columns - 1) // columns
    sheet = Image.new("RGBA", (cell_w * columns, cell_h * rows), (0, 0, 0, 0))
    for i, f in enumerate(frames):
        if f.size != (cell_w, cell_h):
            raise ValueError(f"frame {i} is {f.size}, expected {(cell_w, cell_h)}")
        sheet.paste(f, ((i % columns) * cell_w, (i // columns) * cell_h))
    return sheet


def save(img, path):
    """Writes a PNG with no time stamp or other varying chunk, so equal pixels give equal bytes.
    Fully transparent pixels are zeroed first so hidden colour never differs between runs."""
    img = img.convert("RGBA")
    clean = Image.new("RGBA", img.size, (0, 0, 0, 0))
    clean.paste(img, (0, 0), img.getchannel("A").point(lambda a: 255 if a else 0))
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    tmp = path + ".tmp"
    clean.save(tmp, "PNG", optimize=False, compress_level=9)
    os.replace(tmp, path)
