#pragma once
// The slots a screen under test works with, in place of the program's: each
// test fills the ones it needs, and the kit handed to screens refers to them.
// The names are the screens' own, so a test reads like the screen it drives.
// The shell flips frames straight away, counts one frame's delta as 1.0, and
// runs the test's hook before each frame of a blocking loop.
#include <functional>
#include <memory>
#include <string>

#include "platform/graphics.h"
#include "screens/screen_kit.h"

class TTestScreenShell : public TScreenShell {
 public:
  std::function<bool()> modalFrameHook;
  int soundPauses = 0, soundResumes = 0;

  float frameDelta() const override { return 1.0f; }
  void restartFrameClock() override {}
  bool beforeModalFrame() override { return modalFrameHook ? modalFrameHook() : true; }
  void presentModalFrame() override { Flip(0); }
  void pauseAllSound() override { ++soundPauses; }
  void resumeAllSound(bool) override { ++soundResumes; }
};

struct TScreenTestSlots {
  TGfx* gfx = nullptr;
  TSfx* sfx = nullptr;
  TMouse* mouse = nullptr;
  TText* text = nullptr;
  TButton* buttons = nullptr;
  TEffects* effects = nullptr;
  TProfile* profile = nullptr;
  TOptions* options = nullptr;
  THighScores* highScores = nullptr;
  int gameState = 0;
  int textInputActive = 0;
  int musicTrack = 0;
  int customMapMode = 0;
  TTestScreenShell shell;
  TScreenKit kit{gfx,     sfx,     mouse,      text,      buttons,         effects,    profile,
                 options, highScores, gameState, textInputActive, musicTrack, customMapMode, shell};

  // The hook run before each frame of a blocking loop (the in-game pause).
  void setModalFrameHook(std::function<bool()> hook) { shell.modalFrameHook = std::move(hook); }
};
