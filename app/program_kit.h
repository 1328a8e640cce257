#pragma once
// The screens' kit bound to the program's own objects and switches (see
// globals.h), with the program's frame clock, pacing, sounds and file boxes
// behind its shell. Made once; the screen factory hands it to every screen.
#include "screens/screen_kit.h"

const TScreenKit& programScreenKit();
