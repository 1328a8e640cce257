#pragma once
// The keys card: F1 over any screen shows every key and mouse action the
// game knows, on the large dialogue picture over the frozen, dimmed frame.
// F1, Escape or a click puts it away; nothing under it moves meanwhile, and
// the sun does not count the time it was shown.
#include <string>
#include <vector>

struct TKeysCardLine {
  std::string keys;  // empty for a group's heading
  std::string what;
};

// The card's lines, group by group; with a game pad plugged in, the pad's
// buttons take the place of the mouse's group.
const std::vector<TKeysCardLine>& keysCardLines(bool padPresent = false);

// Shows the card until it is put away (or the window is closed, which sets
// gameState to the quit code).
void showKeysCard();
