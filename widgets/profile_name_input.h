#pragma once
// The player's name dialogue: a small box asking for the name, with OK and
// CANCEL, driven one frame at a time by the menus. The open box is kept in
// the profile (profile.nameEntry) between frames.
#include <string>

#include "data/profile.h"
#include "platform/image.h"

class TMouse;
class TText;
class TButton;

// What the box is drawn with and whom it tells that it takes the keyboard.
struct TNameInputKit {
  TImagePtr box;  // the small dialogue picture; null draws a plain box
  TMouse* mouse = nullptr;
  TText* text = nullptr;
  TButton* buttons = nullptr;
  int* textInputActive = nullptr;  // set to 1 while the box takes typing
};

// One frame of the dialogue: "" while the player is typing, kNameCancelled
// when cancelled, else the name (a safe file name).
std::string inputName(TProfile& profile, const TNameInputKit& kit);
