// The map's tooltips stay readable: the hint of every locked place, hovered,
// is drawn whole on screen and over everything else of the frame, wherever
// on the map the place stands (near the edges and the side panel too).
#include "data/map_location.h"
#include "game_fixture.h"
#include "screens/map_screen.h"
#include "tip_checks.h"

namespace {

class MapTooltipsTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    pictures->mapIconsImg = solidStrip(90, 90, 32);
    MidHandleImage(pictures->mapIconsImg);
    player->gameType = kGameCampaign;
    gameState = kScreenMap;
  }
  void frame(TMapScreen& map) {
    Cls();
    map.update();
    mouseObj->update();
    AdvanceVirtualClock(25);
  }
};

TEST_F(MapTooltipsTest, EveryLockedPlacesHintIsDrawnWholeOnTop) {
  for (int slot = 2; slot <= 8; ++slot) player->locs[static_cast<size_t>(slot)].status = kLocationLocked;
  TMapScreen map(kit);
  frame(map);
  int checked = 0;
  for (int slot = 2; slot <= 8; ++slot) {
    const TMapLocation& loc = player->locs[static_cast<size_t>(slot)];
    PostEvent(kEventMouseMove, 0, loc.x, loc.y);
    for (int i = 0; i < 40; ++i) frame(map);
    ASSERT_NE(map.lockedTips(), nullptr);
    const TToolTip::TBox& box = map.lockedTips()->lastDrawn();
    expectWholeOnTop(box, loc.name.c_str());
    ++checked;
  }
  EXPECT_EQ(checked, 7);
}

}  // namespace
