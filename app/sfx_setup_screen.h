#pragma once
// The "Setting Up - Please wait..." screen shown while the first start
// converts a sound file.
#include <string>

// Draws the screen and flips it when the display is open; does nothing
// without one (tests, the /unpack command line).
void drawSfxSetupScreen(const std::string& title, const std::string& detail);
