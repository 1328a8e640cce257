#pragma once
// What the game's screens work with, handed to them by the program that runs
// them: the pictures and sounds, the pointer, fonts and widgets, the effects,
// the player's profile, the options and the high scores, and the few values
// the program and its screens share (the screen wanted next, the music
// wanted, whether the keyboard types into a box).
//
// The kit refers to the program's own slots rather than copying what is in
// them, because the program replaces some of them while a screen runs (a
// profile loaded, the effects made again). A test binds a kit to slots of
// its own.
#include "audio/music.h"
#include "data/screen_codes.h"

class TButton;
class TEffects;
class TGfx;
class THighScores;
class TMouse;
class TOptions;
class TProfile;
class TSfx;
class TText;

// The program's own calls a screen makes.
class TScreenShell {
 public:
  virtual ~TScreenShell() = default;
  // The length of the last frame, 1.0 for one frame at 40 frames a second.
  virtual float frameDelta() const = 0;
  // Forgets the time a blocking loop (the in-game pause) waited.
  virtual void restartFrameClock() = 0;
  // Each frame a blocking loop draws: first the check, false when a
  // scripted run has failed (the loop then ends as if the window closed),
  // then the presentation of the frame drawn.
  virtual bool beforeModalFrame() = 0;
  virtual void presentModalFrame() = 0;
  // Every sound stops while the game pauses, and comes back after it.
  virtual void pauseAllSound() = 0;
  virtual void resumeAllSound(bool music) = 0;
};

struct TScreenKit {
  TGfx*& gfx;
  TSfx*& sfx;
  TMouse*& mouse;
  TText*& text;
  TButton*& buttons;
  TEffects*& effects;
  TProfile*& profile;
  TOptions*& options;
  THighScores*& highScores;
  int& gameState;        // the screen code the running screen wants
  int& textInputActive;  // 1 while a box takes the keyboard for typing
  int& musicTrack;       // the music the screen wants
  int& customMapMode;    // 1 when the map was entered from the custom game menu
  TScreenShell& shell;

  float frameDelta() const { return shell.frameDelta(); }
};
