#include "app/main_loop.h"

#include "app/globals.h"
#include "app/screen.h"
#include "app/shell_services.h"
#include "app/timer.h"
#include "data/options.h"
#include "platform/graphics.h"
#include "platform/input.h"

TMainLoop::TMainLoop(std::function<void()> present) : crossFade_(std::move(present)) {}

bool TMainLoop::frame() {
  Cls();
  if (frameTimer) frameTimer->update();
  shellFrameStartPointer();
  runScreen();
  // A screen may hold the player back (the editor with unsaved changes asks
  // first, then continues to the wanted screen itself).
  if (gameState != running_) {
    TScreenController* current = slots_.controller(running_);
    if (current && running_ != 0 && current->holdLeave(gameState)) gameState = running_;
  }
  if (gameState != running_) {
    switchScreens();
  } else if (fadePending_) {
    finishTransition();
  }
  if (showFPS > 0 && running_ != kScreenMainMenu && frameTimer) shellDrawFrameRate(frameTimer->FPS);
  shellUpdatePointer();
  if (!fadePending_ && musicTrack != kMusicSilence) shellUpdateMusic();
  shellUpdateSounds();
  globalKeys();
  if (AppTerminate()) gameState = kScreenQuit;
  // Maximising the window is the quick way to full screen; this frame is not
  // presented. A window system that reports the full screen itself as
  // maximised must not make the display reopen again and again.
  const bool maximised = WindowMaximized();
  if (maximised && options && screen && options->screenD == 0) {
    options->screenD = options->bestDepth;
    screen->setRes();
  } else {
    followFocus();
    if (screen) screen->update();
  }
  return running_ != kScreenQuit;
}

void TMainLoop::runScreen() {
  if (running_ == 0) {
    gameState = kScreenIntro;
    return;
  }
  if (TScreenController* current = slots_.controller(running_)) current->update();
}

void TMainLoop::switchScreens() {
  const int wanted = gameState;
  // A screen kind that shares its slot with the new one is told first, as
  // its object is replaced by the new one.
  TScreenController* old = slots_.controller(running_);
  const bool sameSlot = running_ != 0 && slotOfScreen(running_) == slotOfScreen(wanted);
  if (old && sameSlot) old->leave();
  slots_.enter(wanted);
  previous_ = running_;
  running_ = wanted;
  if (old && !sameSlot) old->leave();
  shellSaveProfile();
  if (options) options->save("");
  if (musicTrack != kMusicKeep) shellPauseMusicUnless(musicTrack);
  fadePending_ = true;
  crossFade_.grabScreen(TCrossFade::oldScreen);
  shellClearEffects();
  textInputActive = 0;
}

void TMainLoop::finishTransition() {
  shellPauseGameSounds();
  crossFade_.fadeIn();
  fadePending_ = false;
  if (musicTrack != kMusicSilence && musicTrack != kMusicKeep) shellPlayMusic(musicTrack);
  slots_.release(previous_, running_);
}

void TMainLoop::globalKeys() {
  // Escape is the game's one way back: to the main menu, or out of the game
  // from there. No screen reads it itself.
  if (KeyHit(kKeyEscape) > 0) gameState = running_ == kScreenMainMenu ? kScreenQuit : kScreenMainMenu;
  if (textInputActive == 0 && running_ != kScreenMainMenu) {
    if (KeyHit('F') > 0) showFPS = -showFPS;
    if (KeyHit(kKeyF1) > 0 && KeyDown(kKeyLShift)) shellExportProfile();
  }
}

void TMainLoop::followFocus() {
  const bool away = AppSuspended();
  if (away && !suspended_) {
    shellPauseAllSound();
    suspended_ = true;
  } else if (!away && suspended_) {
    shellResumeAllSound(musicTrack != kMusicSilence);
    suspended_ = false;
  }
}

void TMainLoop::quitSequence() {
  shellDropUnfinishedRoom();
  shellSaveProfile();
  if (options) options->save("");
  Cls();
  crossFade_.fadeIn();
  if (screen) screen->close();
  else EndGraphics();
}
