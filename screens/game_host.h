#pragma once
// The running game's side of the puzzle engine: sounds, effects, the mouse,
// the frame step and the profile's seen tips, reached through the global
// objects. Screens give it to every engine they make.
#include "engine/engine_host.h"

TEngineHostPtr gameHost();
