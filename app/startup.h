#pragma once
// Creating the game's global objects in their fixed order, loading every
// picture, sound and font, and the few shell functions that menus call later.
#include <string>

// Timer, profile, settings, resource sets, display, pointer and text with
// their fonts, buttons and tick boxes, effects and high scores. Stops the
// program with a message box when the font cannot be loaded.
void createGlobals();
// Pictures, then sounds. A missing or unreadable picture stops the program
// with a message box naming the file.
void loadResources();
// Applies the settings' sound levels to the music, the sounds and the clicks.
void applyVolumes();
// Saves the current profile and its settings, then loads another one with
// its settings; the display is reopened when its mode differs.
void switchProfile(const std::string& name);
// Releases the global objects (end of the program).
void destroyGlobals();
