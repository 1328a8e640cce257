#include "app/main_loop.h"

#include "app/frame_pacing.h"
#include "app/globals.h"
#include "app/keys_card.h"
#include "app/screen.h"
#include "app/shell_services.h"
#include "app/timer.h"
#include "data/options.h"
#include "platform/file_system.h"
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
  const bool switching = gameState != running_;
  if (!switching && !fadePending_) {
    const TScreenController* current = slots_.controller(running_);
    if (current && current->onlyAmbientMotion()) noteOnlyAmbientMotion();
  }
  if (gameState != running_) {
    switchScreens();
  } else if (fadePending_) {
    finishTransition();
  }
  shellDrawNotices();
  if (showFPS > 0 && running_ != kScreenMainMenu && frameTimer) shellDrawFrameRate(frameTimer->FPS);
  shellUpdatePointer();
  // A click belongs to the screen it was made on: presses from before the
  // switch never reach the new screen (nor do those made during the
  // cross-fade, see finishTransition).
  if (switching) shellForgetClicks();
  if (!fadePending_ && musicTrack != kMusicSilence) shellUpdateMusic();
  shellUpdateSounds();
  globalKeys();
  if (AppTerminate()) gameState = kScreenQuit;
  // Maximising the window is the quick way to full screen; this frame is not
  // presented. A window system that reports the full screen itself as
  // maximised must not make the display reopen again and again.
  const bool maximised = WindowMaximized();
  // F11 switches between full screen and a window, as the options' tick does.
  const bool switchKey = KeyHit(kKeyF11) > 0 && options && screen;
  if (switchKey || (maximised && options && screen && options->screenD == 0)) {
    options->screenD = options->screenD == 0 ? options->bestDepth : 0;
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
  // The first switch, into the intro, comes right after these files were
  // read: writing them back (four files, each synced to the disk) would
  // only hold up the first picture.
  if (previous_ != 0) {
    shellSaveProfile();
    if (options) options->save("");
  }
  if (musicTrack != kMusicKeep) shellPauseMusicUnless(musicTrack);
  fadePending_ = true;
  crossFade_.grabScreen(TCrossFade::oldScreen);
  shellClearEffects();
  textInputActive = 0;
}

void TMainLoop::finishTransition() {
  shellPauseGameSounds();
  shellKeepClicks();
  crossFade_.fadeIn();
  shellDropFadeClicks();
  fadePending_ = false;
  if (musicTrack != kMusicSilence && musicTrack != kMusicKeep) shellPlayMusic(musicTrack);
  slots_.release(previous_, running_);
}

void TMainLoop::globalKeys() {
  // Escape is the game's one way back: to the main menu, or out of the game
  // from there. No screen reads it itself.
  if (KeyHit(kKeyEscape) > 0) gameState = running_ == kScreenMainMenu ? kScreenQuit : kScreenMainMenu;
  // F and Shift+F1 are taken every frame, also where they do nothing (the
  // main menu, typing a name), so a press there never acts on a later frame.
  const bool hotkeysOn = textInputActive == 0 && running_ != kScreenMainMenu;
  const bool fHit = KeyHit('F') > 0;
  const bool f1Hit = KeyHit(kKeyF1) > 0;
  // F1 alone shows the keys card over any screen, also while a name is typed.
  if (f1Hit && !KeyDown(kKeyLShift)) {
    showKeysCard();
    return;
  }
  if (!hotkeysOn) return;
  if (fHit) showFPS = -showFPS;
  if (f1Hit && KeyDown(kKeyLShift)) {
    const std::string exported = shellExportProfile();
    shellShowNotice(exported.empty() ? "The profile could not be exported" : "Profile exported: " + StripDir(exported));
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
