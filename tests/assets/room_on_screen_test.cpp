// A room drawn by the engine's own passes with the generated art, on the
// headless display: wall shadows darken the floor beside walls, drop shadows
// fall to the bottom right of objects, and the beam a mirror turns runs down
// the middle of its column. Set TESMORIA_ART_SHOT to a file name to keep the
// picture for a look.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "screens/room_engine.h"
#include "platform/graphics.h"
#include "platform/pixmap.h"
#include "tests/engine/test_host.h"

namespace {

constexpr int kEmitter = 10, kWhiteGlyph = 11, kMirror = 16, kCrate = 19;

int Brightness(const TPixmap& p, int x, int y) {
  const uint8_t* px = p.At(x, y);
  return px[0] + px[1] + px[2];
}

class RoomOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Graphics(800, 600, 0, 0));
    SetBlend(kBlendAlpha);  // the state every screen starts from
    savedDir_ = std::filesystem::current_path();
    std::filesystem::current_path(TESMORIA_GAME_DIR);
    savedGfx_ = gfx;
    art_.load();  // the interface art may be missing here; the room art is not
    ASSERT_TRUE(art_.blockImg && art_.objectImg && art_.objectShadowImg && art_.shadowImg);
    gfx = &art_;
    test_pictures::currentPictures() = roomPicturesFromGfx(gfx);
  }
  void TearDown() override {
    gfx = savedGfx_;
    test_pictures::currentPictures() = TRoomPictures();
    std::filesystem::current_path(savedDir_);
  }

  // Draws the room in the in-game order and reads the picture back.
  TPixmapPtr draw(TEngine& e) {
    Cls();
    e.drawBlocks(1, 1);
    e.drawObjects(0);
    e.drawShadowMap();
    e.drawObjectShadows();
    e.drawBlocks(0, 1);
    e.drawLight();
    e.drawObjects(1);
    return GrabPixmap(0, 0, 800, 600);
  }

  TGfx art_;
  TGfx* savedGfx_ = nullptr;
  std::filesystem::path savedDir_;
  std::shared_ptr<TTestHost> host_ = std::make_shared<TTestHost>();
};

}  // namespace

TEST_F(RoomOnScreen, ShadowsAndBeamsLandWhereTheGameNeedsThem) {
  TRoomBuilder b;
  b.block(2, 3, kEmitter).block(7, 10, kWhiteGlyph).object(7, 3, kMirror).object(4, 7, kCrate);
  auto e = b.live(host_);
  TPixmapPtr shot = draw(*e);
  ASSERT_TRUE(shot);
  if (const char* keep = std::getenv("TESMORIA_ART_SHOT")) SavePixmapPNG(*shot, keep);

  auto cx = [&](int c) { return static_cast<int>(e->centreX(c)); };
  auto cy = [&](int r) { return static_cast<int>(e->centreY(r)); };
  // Floor #1 looks the same in every cell, so the same spot of two cells compares their light:
  // just below the top wall the floor is in shadow, in the open it is not.
  EXPECT_LT(Brightness(*shot, cx(5) + 5, cy(2) - 22), Brightness(*shot, cx(5) + 5, cy(5) - 22) * 3 / 4);
  // The sun is in the top left: a wall on the left shades the floor more than a wall on the right.
  int leftShade = Brightness(*shot, cx(5) - 21, cy(5) + 5) - Brightness(*shot, cx(2) - 21, cy(5) + 5);
  int rightShade = Brightness(*shot, cx(5) + 21, cy(5) + 5) - Brightness(*shot, cx(11) + 21, cy(5) + 5);
  EXPECT_GT(leftShade, rightShade);
  EXPECT_GT(rightShade, 0);
  // The crate's drop shadow falls to its bottom right, onto the floor of its own cell.
  EXPECT_LT(Brightness(*shot, cx(4) + 21, cy(7) + 21), Brightness(*shot, cx(5) + 21, cy(5) + 21) * 3 / 4);
  EXPECT_GE(Brightness(*shot, cx(4) - 23, cy(7) - 23), Brightness(*shot, cx(5) - 23, cy(5) - 23) * 9 / 10);
  // The beam the mirror turns down runs along the middle of column 7, bright white.
  for (int r = 5; r <= 8; ++r) {
    EXPECT_GT(Brightness(*shot, cx(7), cy(r)), 620) << "row " << r;
    EXPECT_LT(Brightness(*shot, cx(7) + 8, cy(r)), 520) << "row " << r << ": the beam is off centre";
  }
}
