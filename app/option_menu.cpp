#include "app/option_menu.h"

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "app/menu_layout.h"
#include "app/screen.h"
#include "app/startup.h"
#include "data/options.h"
#include "data/profile.h"
#include "data/profile_folder.h"
#include "platform/file_system.h"
#include "platform/graphics.h"
#include "widgets/button.h"
#include "widgets/dialogue.h"
#include "widgets/list_box.h"
#include "widgets/text.h"

TOptionMenu::TOptionMenu() {
  musicTrack = kMusicKeep;
  if (gfx && gfx->gui_dialogueLrgImg) {
    diagW = gfx->gui_dialogueLrgImg->width;
    diagH = gfx->gui_dialogueLrgImg->height;
  }
  profileList = TListBox::Create(95, 300, diagW - 50, diagH - 90, mouse, text, 3, 0);
  profileList->addArrows("gfx\\gui_arrows.png", 21, 21, "gfx\\gui_arrTrack.png");
  fillProfileList();
}

void TOptionMenu::fillProfileList() {
  profileList->clearItems();
  for (const std::string& name : profileNamesInFolder("profiles")) profileList->addItem(name);
  profileList->addItem("[new profile]");
}

TOptionMenu::~TOptionMenu() = default;

void TOptionMenu::setDialogue(const std::string& message) {
  dialogue = TDialogue::Create(diagX, diagY, diagM, gfx ? gfx->gui_dialogueLrgImg : nullptr, message, mouse, text,
                               2, 0);
  dialogue->lockMove();
}

void TOptionMenu::update() {
  menu::drawBackground(gfx ? gfx->mainBg : nullptr, true);
  menu::drawTitle("OPTIONS", 58);
  const bool off = disableButs != 0;
  if (menu::columnButton("PROFILES", 0, off)) optStatus = opt_profiles;
  if (menu::columnButton("AUDIO", 1, off)) optStatus = opt_audio;
  if (menu::columnButton("VIDEO", 2, off)) optStatus = opt_video;
  if (menu::columnButton("GAME", 3, off)) optStatus = opt_game;
  if (menu::columnButton("MAIN MENU", 4, off)) gameState = kScreenMainMenu;
  if (!text) return;
  text->setFont(2);
  disableButs = 0;

  if (optStatus == opt_newProfile) {
    disableButs = 1;
    if (!profile) return;
    const std::string name = inputName(*profile, menu::nameInputKit());
    if (name == kNameCancelled) {
      optStatus = opt_none;
    } else if (!name.empty()) {
      switchProfile(name);
      if (profile) profile->save();  // saving the new profile creates its files
      fillProfileList();
      optStatus = opt_none;
    }
    return;
  }
  if (optStatus == opt_none) return;

  if (!dialogue) setDialogue("");
  dialogue->update();
  switch (optStatus) {
    case opt_profiles: profilesPage(); break;
    case opt_audio: audioPage(); break;
    case opt_video: videoPage(); break;
    case opt_game: gamePage(); break;
    default: break;
  }
  text->setFont(1);
  text->draw(subTitle, textX, textY);
  menu::drawStatusLine("Current Profile: ", profile ? profile->name : std::string(), 240, 380, 570);
}

int TOptionMenu::tickRow(const std::string& label, int labelY, bool ticked) {
  text->draw(label, textX, static_cast<float>(labelY));
  return tickBoxes ? tickBoxes->draw(textX + tickOffset, labelY + 10, ticked, 1) : 0;
}

void TOptionMenu::profilesPage() {
  subTitle = "SELECT PROFILE";
  const int n = profileList->update(false);
  if (n == 0) return;
  if (n == profileList->itemCount)
    optStatus = opt_newProfile;
  else
    switchProfile(profileList->getItem(n));
  dialogue.reset();  // rebuilt next frame around the new current profile
}

void TOptionMenu::audioPage() {
  subTitle = "AUDIO SETTINGS";
  if (!options) return;
  bool changed = false;
  auto row = [&](const std::string& label, int y, int& option) {
    const int change = tickRow(label, y, option != 0);
    if (change != 0) {
      option = change == 1 ? 1 : 0;
      changed = true;
    }
  };
  row("Play Music", 315, options->music);
  row("Sound Effects", 365, options->sounds);
  row("Button Clicks", 415, options->clicks);
  if (changed) applyVolumes();
}

void TOptionMenu::videoPage() {
  subTitle = "VIDEO SETTINGS";
  if (!options) return;
  const int full = tickRow("Full Screen", 315, options->screenD != 0);
  if (full != 0) {
    options->screenD = full == 1 ? options->bestDepth : 0;
    if (screen) screen->setRes();
  }
  const int sync = tickRow("Vertical Sync", 365, options->vsync != 0);
  if (sync != 0) options->vsync = sync == 1 ? 1 : 0;
  text->setFont(3);
  text->draw("Disable vertical sync if you have display", textX, 415);
  text->draw("or performance issues.", textX, 435);
}

void TOptionMenu::gamePage() {
  subTitle = "GAME SETTINGS";
  if (!options) return;
  const int tips = tickRow("Show Game Tips?", 315, options->showTips != 0);
  if (tips != 0) options->showTips = tips == 1 ? 1 : 0;
  const bool nothingSeen = !profile || profile->helpItems[0] == 0;
  if (buttons && buttons->draw("RESET TIPS", 270, 375, menu::smallButton, nothingSeen) == kButtonActivated && profile)
    profile->resetHelpTips();
}
