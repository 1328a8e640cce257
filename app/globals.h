#pragma once
// The game's global objects and values. They are created once at start-up in
// a fixed order (see startup) and live until the program ends; every part of
// the game reaches them by these names. Pointers stay null until created, so
// code that runs without the full program (tests, tools) must check them.
#include <array>
#include <string>

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

// Screen codes, the values of gameState.
enum : int {
  kScreenQuit = -1,
  kScreenMainMenu = 1,
  kScreenOptions = 2,
  kScreenHighScores = 4,
  kScreenCredits = 5,
  kScreenMap = 10,
  kScreenGame = 11,
  kScreenCustomMenu = 15,
  kScreenEditor = 16,
  kScreenOutOfTime = 20,
  kScreenRoomComplete = 21,
  kScreenLocationComplete = 22,
  kScreenGameComplete = 23,
  kScreenRoomRestart = 24,
  kScreenIntro = 100,
};

// Music choices besides a playlist index.
enum : int {
  kMusicRandom = -1,
  kMusicKeep = -2,
  kMusicSilence = -3,
};

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

extern const std::array<std::string, 4> musicNames;
extern const std::array<std::string, 4> endTuneNames;
extern const std::array<std::string, 5> soundNames;
extern const std::array<std::string, 3> savedGameExt;
// Object ids on the editor's palette, positions 1..18 (the map is not offered).
extern const std::array<int, 19> editorItems;
