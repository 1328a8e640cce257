#pragma once
// The custom game menu: continue or load a location made with the editor,
// replay the campaign's locations, or open the editor.
#include <memory>
#include <string>

#include "screens/screen_controller.h"

class TLocationPanel;
class TRequestFile;

class TCustomScreen : public TScreenController {
 public:
  static constexpr int buttonX = 598;
  static constexpr int diagX = 70, diagY = 240, diagM = 25;

  std::unique_ptr<TRequestFile> locRequester;
  std::unique_ptr<TLocationPanel> panel;  // the location in play, left of the buttons
  std::string locationText;
  int disableContinue = 0;

  TCustomScreen();
  ~TCustomScreen() override;
  void update() override;
};
