"""Paints the game's screen art into a folder.

    python3 make_ui_art.py OUT_DIR GROUP...

Groups: widgets, frames, backgrounds, panels, map, sun, logo. Each group
writes a fixed set of PNG files (listed in CMakeLists.txt)."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    import backgrounds_art
    import frames_art
    import logo_art
    import map_art
    import panels_art
    import sun_art
    import widgets_art
    groups = {
        "widgets": widgets_art.build,
        "frames": frames_art.build,
        "backgrounds": backgrounds_art.build,
        "panels": panels_art.build,
        "map": map_art.build,
        "sun": sun_art.build,
        "logo": logo_art.build,
    }
    for name in argv[2:]:
        if name not in groups:
            print(f"make_ui_art: unknown group {name}")
            return 2
        groups[name](out_dir)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
