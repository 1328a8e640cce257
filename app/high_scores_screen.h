#pragma once
// The high-score screen (code 4) runs the global high-score tables; leaving
// it saves them. Until the tables draw themselves it shows the background.
#include "app/placeholder_screen.h"

class THighScoresScreen : public TPlaceholderScreen {
 public:
  THighScoresScreen();
  void leave() override;
};
