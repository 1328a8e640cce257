"""Review aid, not part of the build: composes the painted pictures into
mock-ups of the game's screens (with the game's texts at the game's
positions, in DejaVu Sans as a stand-in for the game font) and a sheet of
every strip, so the whole set can be judged together.

    python3 contact_sheet.py GFX_DIR OUT_DIR
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layout  # noqa: E402

SANS = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_SIZES = {1: 22, 2: 19, 3: 18, 4: 16, 6: 18, 7: 28, 8: 20}
COLOURS = {1: (255, 255, 255), 2: (0, 0, 0), 3: (0, 0, 0), 4: (255, 255, 255), 6: (255, 255, 255),
           7: (255, 255, 255), 8: (255, 255, 255)}


class Screen:
    def __init__(self, gfx):
        self.gfx = gfx
        self.img = Image.new("RGBA", layout.SCREEN, (0, 0, 0, 255))
        self.d = ImageDraw.Draw(self.img)

    def pic(self, name, x, y, frame=0, cell=None, columns=1, centre=False):
        im = Image.open(os.path.join(self.gfx, name)).convert("RGBA")
        if cell:
            cw, ch = cell
            im = im.crop(((frame % columns) * cw, (frame // columns) * ch,
                          (frame % columns) * cw + cw, (frame // columns) * ch + ch))
        if centre:
            x -= im.width // 2
            y -= im.height // 2
        self.img.alpha_composite(im, (x, y)) if x >= 0 and y >= 0 else self._paste_clipped(im, x, y)

    def _paste_clipped(self, im, x, y):
        layer = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
        layer.paste(im, (x, y))
        self.img.alpha_composite(layer)

    def text(self, s, x, y, font=1, centre=False, outline=False, colour=None):
        f = ImageFont.truetype(SANS, FONT_SIZES[font])
        if centre:
            x -= int(f.getlength(s)) // 2
        col = colour or COLOURS[font]
        if outline:
            for dx, dy in ((-1, 0), (1, 0), (0, 1), (0, -1)):
                self.d.text((x + dx, y + dy), s, font=f, fill=(0, 0, 0))
        self.d.text((x, y), s, font=f, fill=col)

    def button(self, label, x, y, kind=1, state=0):
        name, cell, font = (("gui_buttons.png", layout.BUTTON_LARGE, 8) if kind == 1
                            else ("gui_buttons_sml.png", layout.BUTTON_SMALL, 4))
        self.pic(name, x, y, state, cell, 4, centre=True)
        f = ImageFont.truetype(SANS, FONT_SIZES[font])
        h = f.font.height
        self.text(label, x - 2, y - 1 - h // 2, font, centre=True,
                  colour=(255, 255, 255, 128) if state == 3 else None)

    def dialogue(self, name, x, y, text, margin=25, buttons=("OK",)):
        self.pic(name, x, y)
        im = Image.open(os.path.join(self.gfx, name))
        w = im.width - 2 * margin - 1
        f = ImageFont.truetype(SANS, 19)
        lines = wrap(f, text, w)
        for i, line in enumerate(lines):
            self.text(line, x + margin, y + margin + i * 22, 2)
        by = y + im.height - margin - 14
        if len(buttons) == 2:
            self.button(buttons[0], x + margin + 44, by, 2)
            self.button(buttons[1], x + im.width - margin - 44, by, 2)
        elif buttons:
            self.button(buttons[0], x + im.width // 2, by, 2)


def wrap(f, text, w):
    """The dialogue's word wrap (break at the last space, full stop or
    comma; backslash-n breaks)."""
    out = []
    for para in text.split("\\n"):
        line = ""
        for word in para.split(" "):
            trial = (line + " " + word).strip()
            if f.getlength(trial) > w and line:
                out.append(line)
                line = word
            else:
                line = trial
        out.append(line)
    return out


def menu_screen(gfx, background, title, labels, states=(0, 0, 0, 0, 0)):
    """A front-end menu: background, frame and the column of buttons."""
    s = Screen(gfx)
    s.pic(background, 0, 0)
    s.pic("gui_menuframe.png", *layout.MENU_FRAME_POS)
    if title:
        s.text(title, 400, 58, 7, centre=True, outline=True)
    for label, y, st in zip(labels, layout.MENU_BUTTON_YS, states):
        s.button(label, layout.MENU_BUTTON_X, y, 1, st)
    return s


def title_screen(gfx):
    s = menu_screen(gfx, "bg_title.png", None, ("PLAY CAMPAIGN", "CUSTOM GAME", "OPTIONS", "HIGH SCORES", "QUIT"),
                    (0, 1, 0, 2, 0))
    s.text("Release 1.1", 5, 583, 3)
    s.text("Current Profile: Nefertari", 400, 583, 3, centre=True)
    s.text("Credits", 745, 583, 3)
    s.pic("mouse.png", 640, 352, 0, layout.MOUSE_CELL, 2)
    return s.img


def options_screen(gfx):
    s = menu_screen(gfx, "bg_main.png", "OPTIONS", ("PROFILES", "AUDIO", "VIDEO", "GAME", "MAIN MENU"))
    s.dialogue("gui_dialogue_lrg.png", 70, 240, "", buttons=())
    s.text("VIDEO SETTINGS", 95, 265, 1)
    s.text("Full Screen", 95, 315, 2)
    s.pic("gui_tickBox.png", 270, 325, 0, layout.TICK_BOX, 5, centre=True)
    s.pic("gui_tickBox.png", 270, 325, 4, layout.TICK_BOX, 5, centre=True)
    s.text("Vertical Sync", 95, 365, 2)
    s.pic("gui_tickBox.png", 270, 375, 1, layout.TICK_BOX, 5, centre=True)
    s.text("Disable vertical sync if you have display", 95, 415, 3)
    s.text("or performance issues.", 95, 435, 3)
    s.text("Current Profile: ", 240, 570, 1, outline=True)
    s.text("Nefertari", 380, 570, 1)
    return s.img


def requester_screen(gfx):
    s = menu_screen(gfx, "bg_main.png", "CUSTOM GAME",
                    ("CONTINUE GAME", "LOAD LOCATION", "MAP LOCATIONS", "EDITOR", "MAIN MENU"), (3, 0, 0, 0, 0))
    s.dialogue("gui_dialogue_lrg.png", 70, 240, "SELECT LOCATION", buttons=("LOAD", "CANCEL"))
    for i, name in enumerate(("The Valley", "Sunken Halls", "Tomb of Ay", "My First Location")):
        s.text(name, 95, 273 + 33 + i * 21, 2, colour=(255, 255, 255) if i == 1 else None)
    x, y = 70 + 25 + 349 - 10, 306
    s.pic("gui_arrTrack.png", x - 10, y + 20, 0, layout.ARROW, 5)
    track = Image.open(os.path.join(gfx, "gui_arrTrack.png")).crop((0, 0, 21, 21)).resize((21, 130))
    s.img.alpha_composite(track.convert("RGBA"), (x - 10, y + 20))
    s.pic("gui_arrTrack.png", x - 10, y + 40, 1, layout.ARROW, 5)
    s.pic("gui_arrows.png", x, y + 10, 0, layout.ARROW, 4, centre=True)
    s.pic("gui_arrows.png", x, y + 160, 4, layout.ARROW, 4, centre=True)
    s.text("Current Location: ", 220, 570, 1, outline=True)
    s.text("None", 380, 570, 1)
    return s.img


def game_screen(gfx):
    s = Screen(gfx)
    s.pic("bg_main.png", 0, 0)
    s.pic("game_top.png", 0, 0)
    s.pic("game_side.png", layout.SIDE_X, 0)
    room = Image.new("RGBA", (600, 500), (60, 44, 30, 255))
    rd = ImageDraw.Draw(room)
    for i in range(13):
        rd.line([(i * 50, 0), (i * 50, 500)], fill=(40, 28, 18))
    for j in range(11):
        rd.line([(0, j * 50), (600, j * 50)], fill=(40, 28, 18))
    s.img.alpha_composite(room, (6, 95))
    s.pic("map_icons.png", *layout.GAME_MAP_ICON, frame=20, cell=layout.MAP_ICON_CELL, columns=4, centre=True)
    s.pic("sun_frames.png", *layout.SUN_CENTRE, frame=3, cell=layout.SUN_SIZE, columns=5, centre=True)
    s.text("Abydos", 420, 12, 1)
    s.text("Room 2 of 5: Tomb of the Scribe", 420, 42, 6)
    s.text("1250", *layout.MONEY_POS, font=7, centre=True, outline=True)
    s.text("3", *layout.LIVES_POS, font=7, centre=True, outline=True)
    for label, (x, y) in layout.GAME_BUTTONS.items():
        s.button(label, x, y, 2)
    s.dialogue("gui_dialogue_med.png", 10, 100,
               "Sarcophagus\\n\\nThese objects block the sunlight. Like most objects, they can be moved by "
               "clicking on them. Move them out of the way to complete this room.")
    s.dialogue("gui_dialogue_sml.png", 400 - 180, 300 - 160,
               "SKIP ROOM\\nThis will cost you 1 life and you will lose everything collected in this room. "
               "Are you sure you want to skip this room?", buttons=("YES", "NO"))
    s.pic("mouse.png", 300, 500, 1, layout.MOUSE_CELL, 2)
    return s.img


def editor_screen(gfx, help_box=True):
    s = Screen(gfx)
    s.pic("bg_main.png", 0, 0)
    s.pic("editor_top.png", 0, 0)
    s.pic("editor_side.png", layout.SIDE_X, 0)
    s.text("My First Location", *layout.EDITOR_NAME_POS, font=6)
    for label, (x, y) in layout.EDITOR_BUTTONS.items():
        s.button(label.split("_")[0], x, y, 2)
    lx, ly, lw, lh = layout.EDITOR_LIST
    for i, name in enumerate(("Room 1", "Room 2", "[empty room]", "[random room]")):
        s.text(name, lx, ly + i * 18, 4)
    s.pic("gui_arrows.png", lx + lw - 10, ly + 10, 3, layout.ARROW, 4, centre=True)
    s.pic("gui_arrows.png", lx + lw - 10, ly + lh - 11, 7, layout.ARROW, 4, centre=True)
    if not help_box:
        return s.img
    s.dialogue("gui_dialogue_mas.png", 60, 140, "EDITOR HELP" + "".join([
        "\\n\\n * Each location can have up to 12 rooms.",
        "\\n * Each room must have at least one glyph and one emitter.",
        "\\n * Emitters produce light from all edges adjacent to the floor.",
        "\\n * There must be at least the same number light rays as glyphs.",
        "\\n * Left click to select object/block from tool bar.",
        "\\n * Left click to draw current object/block.",
        "\\n * Right click to unselect current block/object.",
        "\\n * Left click to pick up a block/object if nothing selected.",
        "\\n * Shift + cursor keys - move room within grid.",
        "\\n * Ctrl+C to copy current room, and Ctrl+V to paste copied room."]))
    return s.img


def editor_panels(gfx):
    return editor_screen(gfx, help_box=False)


def map_screen(gfx):
    s = Screen(gfx)
    s.pic("bg_map.png", 0, 0)
    s.text("Map Of Egypt", *layout.MAP_TITLE, font=7, centre=True, outline=True)
    states = {"Abydos": 2, "Giza": 0, "Necropolis": 2, "Heliopolis": 3, "Karnak": 1, "Armana": 3,
              "Edfu": 3, "Lost Temple": 0}
    for name, icon, x, y in layout.MAP_LOCATIONS:
        st = states[name]
        s.pic("map_icons.png", x, y, icon + st, layout.MAP_ICON_CELL, 4, centre=True)
        s.text(name, x, y + 30, 6, centre=True, colour=(255, 255, 255, 166) if st == 3 else None)
    for k in range(5):
        s.pic("map_dot.png", 250 + int(2.8 * k), 365 + k * 1, centre=True) if False else None
    # Path from Necropolis to Karnak.
    x0, y0, x1, y1 = 250, 365, 335, 400
    n = max(abs(x1 - x0), abs(y1 - y0))
    sx, sy = int((x1 - x0) / n * 30), int((y1 - y0) / n * 30)
    x, y = x0, y0
    while n >= 1:
        s.pic("map_dot.png", x, y, centre=True)
        x, y, n = x + sx, y + sy, n - 30
    for text, y in zip(("CAMPAIGN GAME", "Please select your destination.", "Locations will be unlocked as you",
                        "progress through the map, and your", "game will be automatically saved."),
                       layout.MAP_TEXT_YS):
        s.text(text, layout.MAP_TEXT_X, y, 6)
    s.button("MENU", *layout.MAP_MENU_BUTTON, kind=2)
    return s.img


def complete_screen(gfx):
    s = Screen(gfx)
    s.pic("bg_complete.png", 0, 0)
    s.text("CONGRATULATIONS", 400, 70, 7, centre=True, outline=True)
    s.text("You have completed every location", 400, 100, 1, centre=True, outline=True)
    for label, value, y in (("Money This Room", "300", 160), ("Time Bonus", "42", 190), ("Ankh Bonus", "150", 220),
                            ("Completion Bonus", "500", 250), ("Total Score", "12840", 390)):
        s.text(label, 215, y, 1, outline=True)
        s.text(value, 570, y, 1, centre=True, outline=True)
    s.button("CONTINUE", 400, 525)
    return s.img


def result_screen(gfx):
    s = Screen(gfx)
    s.pic("bg_main.png", 0, 0)
    s.text("LOCATION COMPLETE", 400, 70, 7, centre=True, outline=True)
    for label, value, y in (("Money This Room", "300", 160), ("Time Bonus", "42", 190), ("Total Score", "3250", 220),
                            ("Total Maps", "4/4", 250)):
        s.text(label, 215, y, 1)
        s.text(value, 570, y, 1, centre=True)
    s.text("All maps found - secret location revealed!", 400, 390, 1, centre=True)
    s.button("MAIN MENU", 200, 525)
    s.button("CONTINUE", 600, 525, 1, 1)
    return s.img


def intro_screen(gfx):
    s = Screen(gfx)
    s.img.paste((255, 255, 255, 255), (0, 0, 800, 600))
    s.pic("logo_norel.png", 400, 300, centre=True)
    return s.img


def strips_sheet(gfx):
    names = ["gui_buttons.png", "gui_buttons_sml.png", "gui_tickBox.png", "gui_arrows.png", "gui_arrTrack.png",
             "mouse.png", "icon.png", "map_dot.png", "sun_frames.png", "map_icons.png"]
    ims = [Image.open(os.path.join(gfx, n)).convert("RGBA") for n in names]
    width = 1100
    sheet = Image.new("RGBA", (width, 1200), (96, 78, 60, 255))
    x, y, row_h = 10, 10, 0
    for im in ims:
        scale = 2 if im.width < 260 else 1
        big = im.resize((im.width * scale, im.height * scale), Image.NEAREST)
        if x + big.width > width:
            x, y, row_h = 10, y + row_h + 10, 0
        sheet.alpha_composite(big, (x, y))
        x += big.width + 10
        row_h = max(row_h, big.height)
    return sheet.crop((0, 0, width, y + row_h + 10))


def main(argv):
    gfx, out = argv[1], argv[2]
    os.makedirs(out, exist_ok=True)
    screens = [title_screen, options_screen, requester_screen, game_screen, editor_screen, editor_panels,
               map_screen, result_screen, complete_screen, intro_screen]
    shots = [f(gfx) for f in screens]
    for f, shot in zip(screens, shots):
        shot.convert("RGB").save(os.path.join(out, f.__name__ + ".png"))
    sheet = Image.new("RGB", (1600, 2200), (20, 20, 20))
    for i, shot in enumerate(shots):
        sheet.paste(shot.convert("RGB").resize((533, 400)), ((i % 3) * 533, (i // 3) * 400))
    strips = strips_sheet(gfx).convert("RGB")
    sheet.paste(strips.resize((1100, int(strips.height * 1100 / strips.width))), (0, 1600))
    sheet.save(os.path.join(out, "contact_sheet.png"))


if __name__ == "__main__":
    main(sys.argv)
