#include "app/screen_factory.h"

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "app/credits_screen.h"
#include "app/custom_screen.h"
#include "app/high_score_screen.h"
#include "app/intro_screen.h"
#include "app/main_menu.h"
#include "app/option_menu.h"
#include "app/placeholder_screen.h"
#include "app/program_kit.h"
#include "app/reset_screen.h"
#include "screens/editor.h"
#include "screens/game_screen.h"
#include "screens/map_screen.h"
#include "screens/score_screen.h"

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
      return std::make_unique<TMainMenu>();
    case kScreenOptions:
      return std::make_unique<TOptionMenu>();
    case kScreenHighScores:
      return std::make_unique<THighScoreScreen>();
    case kScreenCredits:
      return std::make_unique<TCreditsScreen>();
    case kScreenMap:
      return std::make_unique<TMapScreen>(programScreenKit());
    case kScreenGame:
      return std::make_unique<TGame>(programScreenKit());
    case kScreenCustomMenu:
      return std::make_unique<TCustomScreen>();
    case kScreenEditor:
      return std::make_unique<TEditor>(programScreenKit());
    case kScreenOutOfTime:
    case kScreenRoomComplete:
    case kScreenLocationComplete:
    case kScreenGameComplete:
      return TScoreScreen::create(programScreenKit(), code);
    default:
      // The quit screen (and any code nobody asks for) is silent and plain.
      return placeholder("", kMusicSilence);
  }
}
