#pragma once
// Game pads, through SDL's game-controller layer: every pad plugged in is
// opened (and closed when pulled out), and its buttons and stick stand for
// the keys the game already knows, so every screen that takes keys takes a
// pad too:
//   D-pad or left stick   the arrow keys
//   A  Enter     B  Escape     X  H (a hint)     Y  R (turns a mirror)
//   left shoulder  Backspace (undo)     right shoulder  kKeyRedo
//   Start  P (pause)
#include <SDL.h>

#include <string>

// The key code the right shoulder stands for (redo), beside the window
// system's keys; the keyboard's own redo is Ctrl+Y.
constexpr int kKeyRedo = 250;

// Starts the controller layer (once a display is open); false when SDL has none.
bool StartGamePads();
// Turns one SDL event into the keys it stands for, through emit(code, key);
// false when the event is not a pad's.
bool TranslatePadEvent(const SDL_Event& ev, void (*emit)(int code, int key));
// How many pads are plugged in.
int GamePadsPresent();
// A press and release of a pad's button by its name ("a", "b", "x", "y",
// "start", "back", "lb", "rb", "up", "down", "left", "right"), fed through
// the same translation as a real pad's (scripted runs); false for an
// unknown name.
bool PostPadButton(const std::string& name);
bool IsPadButtonName(const std::string& name);
// Closes every pad (tests, the end of the program).
void CloseGamePads();
