#include "app/globals.h"

TTimer* frameTimer = nullptr;
TProfile* profile = nullptr;
TOptions* options = nullptr;
TGfx* gfx = nullptr;
TSfx* sfx = nullptr;
TScreen* screen = nullptr;
TMouse* mouse = nullptr;
TText* text = nullptr;
TButton* buttons = nullptr;
TTickBox* tickBoxes = nullptr;
TEffects* effects = nullptr;
THighScores* highScores = nullptr;

int gameState = 0;
int textInputActive = 0;
int musicTrack = 0;
int showFPS = -1;
int introStart = 0;
int customMapMode = 0;
const std::string versionText = "Release 1.1";

