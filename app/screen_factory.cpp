#include "app/screen_factory.h"

#include "app/gfx_set.h"
#include "app/globals.h"
#include "app/intro_screen.h"
#include "app/placeholder_screen.h"
#include "app/reset_screen.h"

namespace {

TImagePtr background(bool title) {
  if (!gfx) return nullptr;
  return title ? gfx->titleBg : gfx->mainBg;
}

TScreenControllerPtr placeholder(const char* title, int music, bool titleBackground = false) {
  return std::make_unique<TPlaceholderScreen>(title, background(titleBackground), music);
}

}  // namespace

TScreenControllerPtr createScreenController(int code) {
  switch (code) {
    case kScreenIntro:
      return std::make_unique<TIntroScreen>();
    case kScreenRoomRestart:
      return std::make_unique<TReset>();
    case kScreenMainMenu:
      return placeholder("MAIN MENU", 0, true);
    case kScreenOptions:
      return placeholder("OPTIONS", kMusicKeep);
    case kScreenHighScores:
      return placeholder("HIGH SCORES", TPlaceholderScreen::musicUnchanged);
    case kScreenCredits:
      return placeholder("CREDITS", kMusicKeep);
    case kScreenMap:
      return placeholder("CAMPAIGN MAP", 1);
    case kScreenGame:
      return placeholder("GAME", kMusicRandom);
    case kScreenCustomMenu:
      return placeholder("CUSTOM GAME", 0);
    case kScreenEditor:
      return placeholder("EDITOR", kMusicRandom);
    case kScreenOutOfTime:
      return placeholder("OUT OF TIME", kMusicSilence);
    case kScreenRoomComplete:
      return placeholder("ROOM COMPLETE", kMusicSilence);
    case kScreenLocationComplete:
      return placeholder("LOCATION COMPLETE", kMusicSilence);
    case kScreenGameComplete:
      return placeholder("GAME COMPLETE", kMusicSilence);
    default:
      // The quit screen (and any code nobody asks for) is silent and plain.
      return placeholder("", kMusicSilence);
  }
}
