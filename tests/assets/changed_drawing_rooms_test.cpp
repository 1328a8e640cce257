// Shipped rooms drawn only where they change look, frame for frame, as the
// same frames drawn whole, in the back buffer and in the window: at rest
// under turning sparks and pulsing beams, and while the first move slides.
// Every sixteenth room by default; TESMORIA_EVERY_ROOM=1 draws them all.
#include <cstdlib>

#include "engine/still_host.h"
#include "platform/random.h"
#include "tests/assets/shipped_room_fixture.h"

namespace {

constexpr int kRestFrames = 60;           // long enough for a beam's pulse to change its pixels
constexpr int kMostSlideFrames = 60;
constexpr int kFramesPerWindowCheck = 15;  // reading the window back is the slow part

class ChangedDrawingRooms : public ShippedRoomTest {
 protected:
  void SetUp() override {
    ShippedRoomTest::SetUp();
    CheckChangedDrawing(true);
  }
  void TearDown() override {
    CheckChangedDrawing(false);
    ShippedRoomTest::TearDown();
  }

  // One frame; every few frames the window must show the back buffer.
  void frame(TEngine& e, int number) {
    Cls();
    e.drawRoom();
    e.updateObjects();
    Flip(0);
    if (number % kFramesPerWindowCheck != 0) return;
    const TPixmapPtr shown = GrabShownPixmap(), drawn = GrabPixmap(0, 0, kViewWidth, kViewHeight);
    ASSERT_TRUE(shown && shown->width == kViewWidth && shown->height == kViewHeight);
    EXPECT_TRUE(shown->pixels == drawn->pixels) << "frame " << number << ": " << differences(*shown, *drawn);
  }

  void play(const TLocation& location, int index) {
    SeedRnd(kDefaultSeed);
    TEnginePtr room = startRoom(location, index, std::make_shared<TStillHost>(), ownPictures(pictures_));
    int number = 0;
    for (int f = 0; f < kRestFrames; ++f) frame(*room, number++);
    const TMoveList moves = legalMoves(*room);
    if (moves.empty() || !startMove(*room, moves.front())) return;
    for (int f = 0; f < kMostSlideFrames && !roomAtRest(*room); ++f) frame(*room, number++);
    for (int f = 0; f < kFramesPerWindowCheck; ++f) frame(*room, number++);
  }
};

TEST_F(ChangedDrawingRooms, DrawnWhereTheyChangeTheyLookAsDrawnWhole) {
  const int64_t partsBefore = FramesDrawnInParts(), unlikeBefore = ChangedDrawingMismatches();
  const int rooms = forEachShippedRoom(16, [&](const TLocation& location, int index, const std::string& name) {
    SCOPED_TRACE(name + " room " + std::to_string(index));
    const int64_t unlike = ChangedDrawingMismatches();
    play(location, index);
    EXPECT_EQ(ChangedDrawingMismatches(), unlike);
  });
  EXPECT_GT(rooms, 80 / TRoomSample(16).step());
  EXPECT_EQ(ChangedDrawingMismatches(), unlikeBefore);
  // Most frames of a room at rest were drawn in parts.
  EXPECT_GT(FramesDrawnInParts() - partsBefore, rooms * kRestFrames / 2);
}

}  // namespace
