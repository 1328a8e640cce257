"""Drawing helpers shared by every piece of room art.

Everything is drawn SS times larger than the final picture and boxed down at
the end, which gives smooth edges without blurring small details. Vector
shapes come from SVG rendered by rsvg-convert; textures, bevels and shadows
are composed with Pillow. Every random choice goes through a seeded
random.Random, so two runs give the same pixels.
"""
import io
import os
import random
import subprocess

from PIL import Image, ImageChops, ImageDraw, ImageFilter

SS = 4  # supersampling factor


def blank(w, h):
    """A transparent RGBA layer of w x h final pixels, at supersampled size."""
    return Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))


def svg(w, h, body):
    """Renders SVG markup drawn in final-pixel units into a supersampled layer."""
    doc = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w * SS}" height="{h * SS}" '
           f'viewBox="0 0 {w} {h}">{body}</svg>')
    png = subprocess.run([os.environ.get("RSVG_CONVERT", "rsvg-convert"), "--format=png"], input=doc.encode(), stdout=subprocess.PIPE,
                         check=True).stdout
    img = Image.open(io.BytesIO(png))
    img.load()
    return img.convert("RGBA")


def down(img):
    """Boxes a supersampled layer down to final size, averaging with premultiplied alpha."""
    return img.convert("RGBa").reduce(SS).convert("RGBA")


def noise(w, h, cells, seed, octaves=3, persistence=0.5):
    """Tileable value noise as an L image at supersampled size (0..255, mean about 128)."""
    rnd = random.Random(seed)
    W, H = w * SS, h * SS
    acc = None
    amp, total = 1.0, 0.0
    layers = []
    for o in range(octaves):
        n = cells * (2 ** o)
        grid = Image.new("L", (n, n))
        grid.putdata([rnd.randrange(256) for _ in range(n * n)])
        # Tile 3x3 and crop the middle so the bicubic blend wraps around the edges.
        big = Image.new("L", (n * 3, n * 3))
        for i in range(3):
            for j in range(3):
                big.paste(grid, (i * n, j * n))
        sx, sy = W / n, H / n
        up = big.resize((int(n * 3 * sx), int(n * 3 * sy)), Image.BICUBIC)
        layers.append((up.crop((int(n * sx), int(n * sy), int(n * sx) + W, int(n * sy) + H)), amp))
        total += amp
        amp *= persistence
    for layer, a in layers:
        weighted = layer.point(lambda v, a=a: v * a / total)
        acc = weighted if acc is None else ImageChops.add(acc, weighted)
    return acc


def stretch(mask, lo, hi):
    """Maps the L values lo..hi onto 0..255 (clamped), to sharpen noise into patches."""
    span = max(1, hi - lo)
    return mask.point(lambda v: max(0, min(255, (v - lo) * 255 // span)))


def mix(colour_a, colour_b, mask):
    """An RGBA layer that is colour_a where mask is 0 and colour_b where it is 255."""
    a = Image.new("RGBA", mask.size, tuple(colour_a) + (255,))
    b = Image.new("RGBA", mask.size, tuple(colour_b) + (255,))
    return Image.composite(b, a, mask)


def shift(img, dx, dy):
    """Moves a layer by (dx, dy) supersampled pixels, filling with transparency (no wrap)."""
    out = Image.new(img.mode, img.size, 0)
    out.paste(img, (dx, dy))
    return out


def scale_mask(mask, factor):
    return mask.point(lambda v: int(v * factor))


def paint(base, colour, mask, opacity=1.0):
    """Composites a flat colour over base through mask (L) at the given opacity, keeping base's alpha."""
    m = scale_mask(mask, opacity) if opacity != 1.0 else mask
    layer = Image.new("RGBA", base.size, tuple(colour) + (255,))
    a = base.getchannel("A")
    out = Image.composite(layer, base, m)
    out.putalpha(a)
    return out


def over(base, top):
    return Image.alpha_composite(base, top)


def clip(img, mask):
    """Multiplies img's alpha by mask."""
    out = img.copy()
    out.putalpha(ImageChops.multiply(img.getchannel("A"), mask))
    return out


def bevel_masks(mask, depth, blur=0.0):
    """Edge masks of a shape lit from the top left: (lit edge, shaded edge), both inside the shape.

    depth is in final pixels. The lit edge lies where the top-left neighbour is
    outside the shape; the shaded edge where the bottom-right neighbour is.
    """
    d = max(1, int(depth * SS))
    lit = ImageChops.subtract(mask, shift(mask, d, d))
    dark = ImageChops.subtract(mask, shift(mask, -d, -d))
    if blur:
        lit = ImageChops.multiply(lit.filter(ImageFilter.GaussianBlur(blur * SS)), mask)
        dark = ImageChops.multiply(dark.filter(ImageFilter.GaussianBlur(blur * SS)), mask)
    return lit, dark


def raised(base, mask, depth=1.0, light=(255, 240, 200), shade=(60, 36, 16), lit_op=0.6, dark_op=0.6, blur=0.0):
    """Shades the shape of mask on base as a relief standing out of it."""
    lit, dark = bevel_masks(mask, depth, blur)
    base = paint(base, light, lit, lit_op)
    return paint(base, shade, dark, dark_op)


def carved(base, mask, depth=1.0, fill=None, fill_op=0.0, light=(255, 236, 190), shade=(50, 30, 12),
           lit_op=0.55, dark_op=0.7, blur=0.0):
    """Shades the shape of mask on base as a groove cut into it: dark along its top-left inner wall,
    light along its bottom-right inner wall."""
    if fill is not None:
        base = paint(base, fill, mask, fill_op)
    lit, dark = bevel_masks(mask, depth, blur)
    base = paint(base, shade, lit, dark_op)   # the top-left inner wall is in shadow
    return paint(base, light, dark, lit_op)   # the bottom-right inner wall catches the sun


def shape(w, h, body):
    """An L mask from SVG markup at supersampled size: white shapes add to it, black shapes cut it."""
    img = svg(w, h, body)
    black = Image.new("RGBA", img.size, (0, 0, 0, 255))
    return Image.alpha_composite(black, img).convert("L")


def rect_mask(w, h, x0, y0, x1, y1):
    m = Image.new("L", (w * SS, h * SS), 0)
    ImageDraw.Draw(m).rectangle([x0 * SS, y0 * SS, x1 * SS - 1, y1 * SS - 1], fill=255)
    return m


def drop_shadow(img, dx, dy, blur, opacity, colour=(20, 10, 4)):
    """The soft shadow of a layer's shape, offset towards the bottom right (final-pixel units)."""
    a = shift(img.getchannel("A"), int(dx * SS), int(dy * SS))
    a = a.filter(ImageFilter.GaussianBlur(blur * SS))
    a = scale_mask(a, opacity)
    out = Image.new("RGBA", img.size, tuple(colour) + (255,))
    out.putalpha(a)
    return out
