#pragma once
// The map of Egypt: in the campaign the player picks the next location and a
// dotted path is drawn to it; in replay mode any location completed before
// can be played again as a custom game.
#include <array>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "data/map_location.h"
#include "screens/screen_controller.h"
#include "screens/screen_kit.h"
#include "widgets/tooltip.h"

struct TMapDot {
  int x = 0, y = 0;
  int visible = 0;
};

class TMapScreen : public TScreenController, protected TScreenKit {
 public:
  static constexpr int dotSize = 30;

  int tempStatus = 0;   // 0 choosing; 11 once a destination is chosen
  int selectedLoc = 0;
  std::list<TMapDot> dotList;
  int dotTimer = 0;

  explicit TMapScreen(const TScreenKit& kit);
  ~TMapScreen() override;
  void update() override;
  // What a locked place needs: "Finish <the place that opens it> to open
  // this place" in the campaign, or a hint to play it there first.
  std::string lockedHint(int slot) const;
  // The path of dots from location slot `from` to slot `to`.
  void buildPath(int from, int to);
  // The locked places' hints (tests look at the box drawn last).
  const TToolTip* lockedTips() const { return lockedTip.get(); }

 private:
  void replayMode();
  void campaignMode();
  void drawDots();
  // A locked place tells why it does not react: a tooltip while hovered,
  // a floating text when clicked.
  void explainLocked(const std::vector<int>& lockedSlots);
  // A place the player can go to: hovered by the pointer or holding the
  // keyboard's focus it lights up (frame 1), and a click or Enter chooses it.
  bool chosen(const TMapLocation& loc, int& frame);

  std::unique_ptr<TToolTip> lockedTip;
  // Campaign slots whose every room the player has solved at par.
  std::array<bool, 9> allAtPar_{};
  void findLocationsAtPar();
};
