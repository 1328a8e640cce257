#pragma once
// The small file beside the settings files that remembers where the window
// was: lines "x:", "y:", "width:", "height:", each followed by a TAB and a
// number, like the settings file. It is kept apart from the settings so their
// format stays as it is, and it belongs to the machine, not to a profile.
#include <string>

#include "platform/window_place.h"

// "profiles/.window": a dot file, so the profile list never shows it.
extern const char* const kWindowPlaceFile;

// False, with place untouched, when the file is missing or does not hold a
// usable size (both sides from 1 to 16384).
bool loadWindowPlace(const std::string& path, TWindowPlace& place);
bool saveWindowPlace(const std::string& path, const TWindowPlace& place);
