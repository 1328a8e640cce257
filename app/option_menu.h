#pragma once
// The options menu: profiles (choose or create), audio, video and game
// settings, each page in a dialogue box beside the menu.
#include <memory>
#include <string>
#include <vector>

#include "screens/screen_controller.h"

class TDialogue;
class TListBox;

class TOptionMenu : public TScreenController {
 public:
  static constexpr int buttonX = 598;
  static constexpr int textX = 95, textY = 265, tickOffset = 175;
  static constexpr int diagX = 70, diagY = 240, diagM = 25, diagM2 = 50;
  static constexpr int opt_none = 0, opt_profiles = 1, opt_newProfile = 2, opt_audio = 3, opt_video = 4,
                       opt_game = 5;

  int diagW = 0, diagH = 0;
  int optStatus = opt_none;
  std::unique_ptr<TDialogue> dialogue;
  std::string subTitle;
  std::unique_ptr<TListBox> profileList;
  int disableButs = 0;

  TOptionMenu();
  ~TOptionMenu() override;
  void update() override;
  void setDialogue(const std::string& message);

 private:
  // The profiles in the folder, then "[new profile]".
  void fillProfileList();
  void profilesPage();
  void audioPage();
  void videoPage();
  void gamePage();
  // A labelled tick box of a page; returns 1 ticked, -1 unticked, 0 no change.
  int tickRow(const std::string& label, int labelY, bool ticked);
};
