#include "app/main_menu.h"

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "app/menu_layout.h"
#include "app/startup.h"
#include "data/options.h"
#include "data/profile.h"
#include "platform/graphics.h"
#include "widgets/text.h"

namespace {
constexpr int kBottomMargin = 2;
constexpr int kFootGap = 24;  // between the release and the keys hint
const char* const kKeysHint = "F1: keys";
}  // namespace

TMainMenu::TMainMenu() { musicTrack = 0; }

void TMainMenu::update() {
  menu::drawBackground(gfx ? gfx->titleBg : nullptr, true);
  const bool off = disableButs != 0;
  if (menu::columnButton("PLAY CAMPAIGN", 0, off) && profile) {
    profile->load(kGameCampaign, "");
    customMapMode = 0;
    gameState = profile->curLoc != 0 ? kScreenGame : kScreenMap;
  }
  if (menu::columnButton("CUSTOM GAME", 1, off) && profile) {
    profile->load(kGameCustom, "");
    gameState = kScreenCustomMenu;
  }
  if (menu::columnButton("OPTIONS", 2, off)) gameState = kScreenOptions;
  if (menu::columnButton("HIGH SCORES", 3, off)) gameState = kScreenHighScores;
  if (menu::columnButton("QUIT", 4, off)) gameState = kScreenQuit;

  if (!text) return;
  text->setFont(3);
  // The bottom line sits so that its descenders ("g", "p") stay on screen.
  const int y = kViewHeight - kBottomMargin - text->getHeight(0);
  text->draw(versionText, 5, static_cast<float>(y));
  text->draw(kKeysHint, static_cast<float>(5 + TextWidth(versionText) + kFootGap), static_cast<float>(y));
  if (text->menuOption("Credits", 745, y, false, false, false, false) == -1) gameState = kScreenCredits;

  if (!profile) return;
  if (!profile->name.empty()) {
    disableButs = 0;
    text->draw("Current Profile: " + profile->name, 400, static_cast<float>(y), true, false);
    return;
  }
  // First start: every button waits for the player's name.
  disableButs = 1;
  if (gameState == kScreenQuit) return;
  const std::string entered = inputName(*profile, menu::nameInputKit());
  if (entered.empty()) return;
  // The name may be that of a profile whose last-profile file was lost:
  // its files are loaded, never written over with an empty game.
  switchProfile(entered == kNameCancelled ? "Default Player" : entered);
  profile->save();
  if (options) options->save("");
}
