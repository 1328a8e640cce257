#pragma once
// The map of Egypt: in the campaign the player picks the next location and a
// dotted path is drawn to it; in replay mode any location completed before
// can be played again as a custom game.
#include <list>

#include "app/screen_controller.h"

struct TMapDot {
  int x = 0, y = 0;
  int visible = 0;
};

class TMapScreen : public TScreenController {
 public:
  static constexpr int dotSize = 30;

  int tempStatus = 0;   // 0 choosing; 11 once a destination is chosen
  int selectedLoc = 0;
  std::list<TMapDot> dotList;
  int dotTimer = 0;

  TMapScreen();
  void update() override;
  // The path of dots from location slot `from` to slot `to`.
  void buildPath(int from, int to);

 private:
  void replayMode();
  void campaignMode();
  void drawDots();
};
