#pragma once
// The game's global objects and values. They are created once at start-up in
// a fixed order (see startup) and live until the program ends; every part of
// the game reaches them by these names. Pointers stay null until created, so
// code that runs without the full program (tests, tools) must check them.
#include <array>
#include <string>

#include "audio/music.h"
#include "audio/sfx_set.h"
#include "data/screen_codes.h"

class TTimer;
class TProfile;
class TOptions;
class TGfx;
class TSfx;
class TScreen;
class TMouse;
class TText;
class TButton;
class TTickBox;
class TEffects;
class THighScores;

extern TTimer* frameTimer;
extern TProfile* profile;
extern TOptions* options;
extern TGfx* gfx;
extern TSfx* sfx;
extern TScreen* screen;
extern TMouse* mouse;
extern TText* text;
extern TButton* buttons;
extern TTickBox* tickBoxes;
extern TEffects* effects;
extern THighScores* highScores;



extern int gameState;         // screen code wanted by the running screen
extern int textInputActive;   // 1 while something takes the keyboard for typing
extern int musicTrack;        // music wanted by the current screen
extern int showFPS;           // frame rate shown while > 0
extern int introStart;        // clock value just before the first frame
extern int customMapMode;     // 1 when the map was entered from the custom game menu
extern const std::string versionText;

// The frame timer's delta: 1.0 for one frame at 40 frames per second; 1.0
// when no frame timer runs (tests and tools).
float frameDelta();
