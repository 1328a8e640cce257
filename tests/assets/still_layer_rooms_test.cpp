// Every shipped room, drawn with its still layer kept (floor, walls and
// their shadows copied from a picture) and drawn in full every frame, gives
// the same pixels: at the start, frame by frame while the first move slides
// (the ground kept under the moving object), and after moves that change
// what the layer shows.
#include "engine/still_host.h"
#include "platform/random.h"
#include "tests/assets/shipped_room_fixture.h"

namespace {

constexpr int kFramesPerStep = 3;  // kept after the second, copied in the third
constexpr int kMoves = 2;
constexpr int kMostSlideFrames = 400;
constexpr int kSlideFramesPerComparison = 4;

class StillLayerRooms : public ShippedRoomTest {
 protected:
  // One frame of the room, read back whole unless told not to.
  static TPixmapPtr frame(TEngine& e, bool keep, bool readBack = true) {
    KeepStillLayers(keep);
    Cls();
    e.drawRoom();
    e.updateObjects();
    TPixmapPtr shot = readBack ? GrabPixmap(0, 0, kViewWidth, kViewHeight) : nullptr;
    Flip(0);
    return shot;
  }

  // The room played from its start twice side by side, one frame of each
  // in turn: one copy keeps its still layer, the other draws it in full.
  // A few frames, then after each of the first moves on offer a few more;
  // the pictures must be the same.
  void compare(const TLocation& location, int index) {
    SeedRnd(kDefaultSeed);  // the same sparks both times
    TEnginePtr kept = startRoom(location, index, std::make_shared<TStillHost>(), ownPictures(pictures_));
    SeedRnd(kDefaultSeed);
    TEnginePtr full = startRoom(location, index, std::make_shared<TStillHost>(), ownPictures(pictures_));
    auto frames = [&](int step) {
      for (int f = 0; f < kFramesPerStep; ++f) {
        const TPixmapPtr a = frame(*kept, true), b = frame(*full, false);
        EXPECT_TRUE(a->pixels == b->pixels) << "after move " << step << ", frame " << f << ": " << differences(*a, *b);
      }
    };
    frames(0);
    for (int m = 1; m <= kMoves; ++m) {
      const TMoveList moves = legalMoves(*kept);
      if (moves.empty()) break;
      if (m == 1) {
        // The first move drawn frame by frame as it plays out, and compared
        // every few frames (reading back is the slow part).
        if (!startMove(*kept, moves.front()) || !startMove(*full, moves.front())) break;
        for (int f = 0; f < kMostSlideFrames && !roomAtRest(*kept); ++f) {
          const bool compared = f % kSlideFramesPerComparison == 1;
          const TPixmapPtr a = frame(*kept, true, compared), b = frame(*full, false, compared);
          if (compared) {
            ASSERT_TRUE(a->pixels == b->pixels) << "sliding, frame " << f << ": " << differences(*a, *b);
          }
        }
      } else if (!playMove(*kept, moves.front()) || !playMove(*full, moves.front())) {
        break;
      }
      frames(m);
    }
  }
};

TEST_F(StillLayerRooms, KeptAndFullDrawingLookAlikeInEveryShippedRoom) {
  const int64_t reusedBefore = StillLayersReused();
  const int rooms = forEachShippedRoom(1, [&](const TLocation& location, int index, const std::string& name) {
    SCOPED_TRACE(name + " room " + std::to_string(index));
    compare(location, index);
  });
  EXPECT_GT(rooms, 80 / TRoomSample().step());
  // The kept layers were used: at least once in every room.
  EXPECT_GE(StillLayersReused() - reusedBefore, rooms);
}

}  // namespace
