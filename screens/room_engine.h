#pragma once
// Engines made for the screens: the game's host, the game's pictures, and
// the tips of the live room handed to a screen's tutorial.
#include <string>

#include "engine/engine.h"
#include "screens/screen_kit.h"
#include "screens/tutorial.h"

// The room pictures of the loaded game (empty while there is none).
TRoomPictures roomPicturesFromGfx(const TGfx* gfx);

// TEngine::create with the running game's host and pictures.
TEnginePtr createScreenEngine(const TScreenKit& kit, const std::string& locationName);

// Asks the engine for the unseen tips of its room and queues them in the
// tutorial in place of what was waiting.
void queueHelpTips(TEngine& engine, TTutorial& tutorial);

// The tutorial learns of the engine's room: tips it marks seen go to the
// profile through the engine's host, and the first move the player starts
// acknowledges the tip being shown. Screens that want to hear of moves too
// call acknowledgeTip from their own onMoveStart.
void attachTutorial(TEngine& engine, TTutorial& tutorial);
void acknowledgeTip(TTutorial& tutorial);
