#pragma once
// The game's one font file lives in the data pack "data1.dat"; every font
// slot is rasterised from it at its own size (LoadImageFont accepts the
// stream; rewind it to 0 before each use).
#include "platform/stream.h"

// "font.ttf" from "data1.dat", or null when the pack or the entry is missing
// (the one fatal asset error of the start-up).
TStreamPtr openFontStream();
