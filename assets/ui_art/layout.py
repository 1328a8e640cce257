"""Where the game puts things on its 800 x 600 screens, as the pictures
must leave room for them. The numbers come from the screens' code; the
dialogue sizes are chosen here (see README.md for why)."""

SCREEN = (800, 600)

# Main, custom and options menus: the menu frame and its column of large
# buttons (171 x 42, centred at x 598).
MENU_FRAME_POS = (489, 236)
MENU_FRAME_SIZE = (218, 316)
MENU_BUTTON_X = 598
MENU_BUTTON_YS = (290, 342, 394, 446, 498)

BUTTON_LARGE = (171, 42)
BUTTON_SMALL = (88, 28)
TICK_BOX = (40, 40)
ARROW = (21, 21)
MOUSE_CELL = (40, 48)
MOUSE_HOT_SPOT = (3, 3)
WINDOW_ICON = (64, 64)

# Dialogue pictures (width, height).
DIALOGUE_SML = (360, 240)
DIALOGUE_MED = (350, 250)
DIALOGUE_LRG = (410, 320)
DIALOGUE_MAS = (680, 400)
DIALOGUE_MARGIN = 25
TITLE_BAND = (19, 46)   # y range of the first text line's band

# In-game screen.
ROOM_TOP = 95
SIDE_X = 608
GAME_MAP_ICON = (370, 38)
GAME_NAME_POS = (420, 12)
GAME_LEVEL_POS = (420, 42)
GAME_BUTTONS = {"RESET": (755, 17), "SKIP": (755, 42), "ABANDON": (755, 67), "MENU": (755, 584)}
SUN_CENTRE = (717, 223)
SUN_SIZE = (130, 130)
MONEY_POS = (736, 330)
LIVES_POS = (736, 475)

# Level editor.
EDITOR_ROOM_TOP = 96
TOOLBAR_X0 = 206
TOOLBAR_STEP = 34
TOOLBAR_SLOTS = 18
TOOLBAR_BLOCK_Y = 22
TOOLBAR_OBJECT_Y = 61
EDITOR_NAME_POS = (623, 100)
EDITOR_LIST = (623, 274, 172, 166)
EDITOR_BUTTONS = {
    "NEW": (668, 183), "RENAME_LOC": (668, 213), "LOAD": (756, 183), "SAVE": (756, 213),
    "UP": (668, 460), "DOWN": (756, 460), "CLONE": (668, 488), "DELETE": (756, 488),
    "RENAME_ROOM": (668, 516), "TEST": (756, 516), "HELP": (668, 559), "MENU": (756, 559),
}

# Campaign map: (name, first icon frame, x, y) of slots 1..8.
MAP_LOCATIONS = (
    ("Abydos", 20, 160, 340),
    ("Giza", 4, 140, 160),
    ("Necropolis", 8, 250, 365),
    ("Heliopolis", 0, 210, 125),
    ("Karnak", 12, 335, 400),
    ("Armana", 16, 210, 240),
    ("Edfu", 24, 175, 445),
    ("Lost Temple", 28, 125, 255),
)
MAP_ICON_CELL = (90, 90)
MAP_TEXT_X = 460
MAP_TEXT_YS = (240, 290, 320, 350, 380)
MAP_MENU_BUTTON = (620, 470)
MAP_TITLE = (420, 50)
SUN_FRAMES = 10
