// Every shipped room, drawn with its still layer kept (floor, walls and
// their shadows copied from a picture) and drawn in full every frame, gives
// the same pixels: at the start, frame by frame while the first move slides
// (the ground kept under the moving object), and after moves that change
// what the layer shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "engine/room_play.h"
#include "engine/still_host.h"
#include "platform/graphics.h"
#include "platform/random.h"
#include "screens/room_engine.h"
#include "tools/locmake/location_source.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFramesPerStep = 3;  // kept after the second, copied in the third
constexpr int kMoves = 2;
constexpr int kMostSlideFrames = 400;
constexpr int kSlideFramesPerComparison = 4;

class StillLayerRooms : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 0));
    SetBlend(kBlendAlpha);
    savedDir_ = fs::current_path();
    fs::current_path(TESMORIA_GAME_DIR);
    savedGfx_ = gfx;
    art_.load();
    ASSERT_TRUE(art_.blockImg && art_.objectImg && art_.objectShadowImg && art_.shadowImg && art_.sparkBigImg);
    gfx = &art_;
    pictures_ = roomPicturesFromGfx(gfx);
  }
  void TearDown() override {
    KeepStillLayers(true);
    gfx = savedGfx_;
    fs::current_path(savedDir_);
    EndGraphics();
  }

  // Where two pictures differ: the box around the pixels and the largest
  // difference in a channel.
  static std::string differences(const TPixmap& a, const TPixmap& b) {
    int x0 = a.width, y0 = a.height, x1 = -1, y1 = -1, most = 0;
    for (int y = 0; y < a.height; ++y)
      for (int x = 0; x < a.width; ++x)
        for (int c = 0; c < 3; ++c) {
          const int d = std::abs(a.At(x, y)[c] - b.At(x, y)[c]);
          if (d == 0) continue;
          x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
          most = std::max(most, d);
        }
    return "pixels " + std::to_string(x0) + "," + std::to_string(y0) + " to " + std::to_string(x1) + "," +
           std::to_string(y1) + " differ by up to " + std::to_string(most);
  }

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

  // The room's pictures as new images with textures of their own. A picture
  // drawn at one strength twice in a row gets that strength built in, which
  // may round a level differently from the first draw: each copy of the room
  // gets its own pictures, so both draw with the same history.
  static TRoomPictures ownPictures(const TRoomPictures& art) {
    auto own = [](const TImagePtr& image) {
      if (!image) return image;
      auto copy = std::make_shared<TImage>(*image);
      copy->textures.reset();
      return TImagePtr(copy);
    };
    TRoomPictures p;
    p.blockImg = own(art.blockImg), p.objectImg = own(art.objectImg);
    p.objectShadowImg = own(art.objectShadowImg), p.shadowImg = own(art.shadowImg);
    p.arrowImg = own(art.arrowImg), p.sparkBigImg = own(art.sparkBigImg), p.sparkMedImg = own(art.sparkMedImg);
    return p;
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
          if (compared) ASSERT_TRUE(a->pixels == b->pixels) << "sliding, frame " << f << ": " << differences(*a, *b);
        }
      } else if (!playMove(*kept, moves.front()) || !playMove(*full, moves.front())) {
        break;
      }
      frames(m);
    }
  }

  TGfx art_;
  TGfx* savedGfx_ = nullptr;
  TRoomPictures pictures_;
  fs::path savedDir_;
};

TEST_F(StillLayerRooms, KeptAndFullDrawingLookAlikeInEveryShippedRoom) {
  const fs::path source = TESMORIA_SOURCE_DIR;
  int rooms = 0;
  const int64_t reusedBefore = StillLayersReused();
  for (const char* folder : {"assets/locations", "assets/custom_locations"}) {
    for (const auto& entry : fs::directory_iterator(source / folder)) {
      if (entry.path().extension() != ".rooms") continue;
      TLocation location;
      std::string error;
      ASSERT_TRUE(readLocationSource(entry.path().string(), location, error)) << error;
      for (int i = 1; i <= location.roomCount; ++i) {
        SCOPED_TRACE(entry.path().stem().string() + " room " + std::to_string(i));
        compare(location, i);
        ++rooms;
      }
    }
  }
  EXPECT_GT(rooms, 80);
  // The kept layers were used: at least once in every room.
  EXPECT_GE(StillLayersReused() - reusedBefore, rooms);
}

}  // namespace
