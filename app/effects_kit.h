#pragma once
// The effects as the game shows them: its pictures, the floating texts'
// font, the burst sound and the frame timer's step.
#include "effects/effects.h"

TEffectsKit gameEffectsKit();
