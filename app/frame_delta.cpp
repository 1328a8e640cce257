// The frame timer's delta for code that may also run without a frame timer.
#include "app/globals.h"
#include "app/timer.h"

float frameDelta() { return frameTimer ? frameTimer->delta : 1.0f; }
