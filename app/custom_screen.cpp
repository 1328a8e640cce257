#include "app/custom_screen.h"

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "app/location_panel.h"
#include "app/program_kit.h"
#include "screens/location_requester.h"
#include "app/menu_layout.h"
#include "data/location.h"
#include "data/profile.h"
#include "platform/graphics.h"
#include "widgets/text.h"

TCustomScreen::TCustomScreen() {
  musicTrack = 0;
  SetColor(255, 255, 255);
  if (text) text->setFont(7);
  if (profile && profile->curLoc != 0) {
    locationText = profile->locs[kCustomSlot].name;
  } else {
    disableContinue = 1;
    locationText = "None";
  }
  panel = std::make_unique<TLocationPanel>(disableContinue ? std::string() : locationText);
}

TCustomScreen::~TCustomScreen() = default;

void TCustomScreen::update() {
  if (panel) panel->prepare();
  menu::drawBackground(gfx ? gfx->mainBg : nullptr, true);
  if (panel && !locRequester) panel->draw();
  menu::drawTitle("CUSTOM GAME", 58);
  if (menu::columnButton("CONTINUE GAME", 0, disableContinue != 0)) gameState = kScreenGame;
  if (menu::columnButton("LOAD LOCATION", 1)) locRequester = createLocationRequester(programScreenKit(), "SELECT LOCATION", "", diagX, diagY, 1);
  if (menu::columnButton("MAP LOCATIONS", 2)) {
    customMapMode = 1;
    gameState = kScreenMap;
  }
  if (menu::columnButton("EDITOR", 3)) gameState = kScreenEditor;
  if (menu::columnButton("MAIN MENU", 4)) gameState = kScreenMainMenu;

  if (text) {
    text->setFont(1);
    menu::drawStatusLine("Current Location: ", locationText, 220, 380, 570);
  }

  if (!locRequester) return;
  const int result = locRequester->update();
  TLocation chosen;
  const std::string problem =
      result == 1 && !locRequester->filename.empty() ? loadWholeLocation(locRequester->filename, chosen) : "";
  if (!problem.empty()) {
    // A file that cannot be read whole is named in the requester, not played.
    locRequester->setMessage(problem);
  } else if (result == 1 && !locRequester->filename.empty() && profile) {
    // The chosen location starts at once, as a new custom game.
    profile->reset();
    profile->newLocation(kCustomSlot);
    profile->locs[kCustomSlot].name = locRequester->filename;
    gameState = kScreenGame;
  } else if (result == 2) {
    locRequester.reset();
    textInputActive = 0;
  }
}
