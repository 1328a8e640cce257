#include "app/font_pack.h"

#include "data/pack.h"

TStreamPtr openFontStream() { return openPackStream("font.ttf", "data1.dat", packKey); }
