#pragma once
// Where the game's window sits on the desktop and how large it is, so a
// player's arrangement can be kept from one run to the next.

struct TWindowPlace {
  int x = 0, y = 0;
  int width = 0, height = 0;
};

// The open window's place; false without a window, in full screen, and
// while the window is minimised or maximised (those are not places to keep).
bool GetWindowPlace(TWindowPlace& place);
// Moves and sizes the open window. A size below the window's minimum is
// raised to it, and a place whose top-left corner is on no display (a
// monitor since unplugged) keeps the window where it is.
void SetWindowPlace(const TWindowPlace& place);
