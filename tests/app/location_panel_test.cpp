// The custom game menu's location panel: a picture of the first room made
// by the room renderer, the location's name and size, and the player's
// progress in it; a location that cannot be read says so and shows no
// picture.
#include "app/location_panel.h"

#include <fstream>

#include "data/room_records.h"
#include "tests/app/program_fixture.h"

namespace {

class LocationPanelTest : public ProgramScreenTest {
 protected:
  void SetUp() override {
    ProgramScreenTest::SetUp();
    usePointablePictures();
  }
};

TEST_F(LocationPanelTest, ShowsTheFirstRoomTheSizeAndTheProgress) {
  player->curLoc = kCustomSlot;
  player->curRoom = 2;
  TRoomRecords records;
  records.setPath(player->recordsPath());
  records.solved({TRecordGame::custom, "Test", 1}, 7, 0);
  records.solved({TRecordGame::campaign, "Test", 2}, 7, 0);  // another game's record
  ASSERT_TRUE(records.save());

  TLocationPanel panel("Test");
  EXPECT_EQ(panel.name(), "Test");
  EXPECT_EQ(panel.roomsLine(), "2 rooms");
  EXPECT_EQ(panel.progressLine(), "Solved 1 of 2, next: room 2");

  SetClsColor(0, 0, 0);
  panel.prepare();
  ASSERT_TRUE(panel.hasThumbnail());
  Cls();
  panel.draw();
  // The room's floor pictures fill the picture: not the cleared screen.
  const TPixmapPtr middle = GrabPixmap(TLocationPanel::kCentreX, TLocationPanel::kY + TLocationPanel::kH / 2, 1, 1);
  ASSERT_TRUE(middle);
  const uint8_t* p = middle->At(0, 0);
  EXPECT_GT(p[0] + p[1] + p[2], 0) << "the picture is empty";
}

TEST_F(LocationPanelTest, AnUnreadableLocationSaysSoAndNoLocationShowsHowToChooseOne) {
  std::ofstream("locations/Broken.loc") << "not a location";
  TLocationPanel broken("Broken");
  EXPECT_EQ(broken.roomsLine(), "This location cannot be read");
  EXPECT_EQ(broken.progressLine(), "");
  broken.prepare();
  EXPECT_FALSE(broken.hasThumbnail());
  broken.draw();

  TLocationPanel none("");
  EXPECT_EQ(none.roomsLine(), "");
  none.prepare();
  EXPECT_FALSE(none.hasThumbnail());
  none.draw();
}

}  // namespace
