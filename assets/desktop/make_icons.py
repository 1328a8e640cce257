"""Paints the desktop icons of the game from the window icon's drawing.

    python3 make_icons.py OUT_DIR SIZE...

Writes OUT_DIR/SIZExSIZE/apps/tesmoria.png for each SIZE (a multiple of 16),
the layout of the freedesktop icon theme folders."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "ui_art"))

import kit  # noqa: E402
import layout  # noqa: E402
import widgets_art  # noqa: E402

ICON_SEED = 71  # the seed of the window icon, so every size shows the same stone


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    for text in argv[2:]:
        size = int(text)
        if size <= 0 or size % 16:
            print(f"make_icons: {text} is not a multiple of 16")
            return 2
        folder = os.path.join(argv[1], f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        icon = widgets_art.window_icon(ICON_SEED, size / layout.WINDOW_ICON[0])
        kit.save_png(icon, os.path.join(folder, "tesmoria.png"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
