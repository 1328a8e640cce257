#pragma once
// The running game's side of the puzzle engine: sounds, effects, the mouse,
// the frame step and the profile's seen tips, reached through the screens'
// kit. Screens give one to every engine they make.
#include "engine/engine_host.h"
#include "screens/screen_kit.h"

TEngineHostPtr gameHost(const TScreenKit& kit);
