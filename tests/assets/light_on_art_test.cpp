// The light tracer on the real object pictures: the pictures' alpha is what
// beams hit, so these rooms check that mirrors send beams along the centre of
// the crossing row or column, and that obstacles stop beams inside their own
// cell, whatever side the beam comes from.
#include <gtest/gtest.h>

#include <vector>

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "screens/room_engine.h"
#include "platform/image.h"
#include "png_frames.h"
#include "tests/engine/test_host.h"

namespace {

constexpr int kEmitter = 10, kMirror = 16, kRuby = 2, kCrate = 19;
constexpr int kMargin = 3;

class LightOnArt : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = gfx;
    art_.objectImg = LoadAnimImage(GfxPath("objects.png"), 60, 60, 0, 25);
    ASSERT_TRUE(art_.objectImg) << "objects.png did not load";
    SetImageHandle(art_.objectImg, 25, 25);
    gfx = &art_;
    test_pictures::currentPictures() = roomPicturesFromGfx(gfx);
  }
  void TearDown() override { gfx = saved_;
    test_pictures::currentPictures() = TRoomPictures(); }

  // A room with an emitter and one object, traced once.
  std::shared_ptr<TEngine> trace(int ec, int er, int oc, int orow, int id, int angle = 0) {
    TRoomBuilder b;
    b.block(ec, er, kEmitter).object(oc, orow, id);
    engine_ = b.live(host_);
    engine_->object(1)->angle = angle;
    engine_->createRays();
    return engine_;
  }

  // The first segment travelling (dx, dy), or null.
  const TLightRay* segment(int dx, int dy, int skip = 0) const {
    for (const TLightRay& s : engine_->lightList)
      if (s.dx == dx && s.dy == dy && skip-- == 0) return &s;
    return nullptr;
  }

  // The segment a mirror sent off travelling (dx, dy): one that did not start on the emitter's
  // own row or column.
  const TLightRay* reflected(int dx, int dy, int ec, int er) const {
    for (const TLightRay& s : engine_->lightList)
      if (s.dx == dx && s.dy == dy && (dx == 0 ? s.x1 != cx(ec) : s.y1 != cy(er))) return &s;
    return nullptr;
  }

  int cx(int c) const { return static_cast<int>(engine_->centreX(c)); }
  int cy(int r) const { return static_cast<int>(engine_->centreY(r)); }

  TGfx art_;
  TGfx* saved_ = nullptr;
  std::shared_ptr<TTestHost> host_ = std::make_shared<TTestHost>();
  std::shared_ptr<TEngine> engine_;
};

}  // namespace

TEST_F(LightOnArt, MirrorsTurnBeamsOntoTheCentreLine) {
  // A beam along row 3 meets the mirror in (7, 3); one down column 3 meets the mirror in (3, 7).
  // Angle 0 turns right-going light down and down-going light right; angle 90 turns them up and left.
  struct TCase {
    int ec, er, mc, mr, angle, dx, dy;
  } cases[] = {{2, 3, 7, 3, 0, 0, 1}, {2, 3, 7, 3, 90, 0, -1}, {3, 2, 3, 7, 0, 1, 0}, {3, 2, 3, 7, 90, -1, 0}};
  for (const TCase& k : cases) {
    trace(k.ec, k.er, k.mc, k.mr, kMirror, k.angle);
    const TLightRay* out = reflected(k.dx, k.dy, k.ec, k.er);
    ASSERT_NE(out, nullptr) << "mirror at angle " << k.angle << " sent nothing " << k.dx << "," << k.dy;
    // The new beam runs exactly along the centre line and starts one pixel from the cell centre.
    if (k.dx == 0) {
      EXPECT_EQ(out->x1, cx(k.mc));
      EXPECT_EQ(out->x2, cx(k.mc));
      EXPECT_EQ(out->y1, cy(k.mr) + k.dy);
    } else {
      EXPECT_EQ(out->y1, cy(k.mr));
      EXPECT_EQ(out->y2, cy(k.mr));
      EXPECT_EQ(out->x1, cx(k.mc) + k.dx);
    }
  }
}

TEST_F(LightOnArt, GemsPassColouredLightOnAlongTheSameLine) {
  trace(2, 3, 7, 3, kRuby);
  const TLightRay* in = segment(1, 0);
  const TLightRay* out = segment(1, 0, 1);
  ASSERT_NE(in, nullptr);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(in->x2, out->x1 - 1);
  EXPECT_GE(in->x2, cx(7) - 25 + kMargin) << "the ruby is hit before its own cell";
  EXPECT_LE(in->x2, cx(7));
  EXPECT_EQ(out->y1, cy(3));
  EXPECT_EQ(out->lr, 255);
  EXPECT_EQ(out->lg, 0);
  EXPECT_EQ(out->lb, 0);
}

TEST_F(LightOnArt, ObstaclesStopBeamsInsideTheirOwnCell) {
  // Every solid catalogue object, approached from each of the four sides.
  for (int id : {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 16, 19}) {
    struct TApproach {
      int ec, er, dx, dy;
    } approaches[] = {{2, 5, 1, 0}, {11, 5, -1, 0}, {6, 2, 0, 1}, {6, 9, 0, -1}};
    for (const TApproach& a : approaches) {
      trace(a.ec, a.er, 6, 5, id);
      const TLightRay* s = nullptr;
      for (const TLightRay& seg : engine_->lightList)
        if (seg.dx == a.dx && seg.dy == a.dy && (a.dx ? seg.y1 == cy(5) : seg.x1 == cx(6))) {
          s = &seg;
          break;
        }
      ASSERT_NE(s, nullptr) << "object " << id;
      // Distance from the side of the object's cell the beam entered by, to where it stopped.
      const int edge = a.dx > 0 ? cx(6) - 25 : a.dx < 0 ? cx(6) + 24 : a.dy > 0 ? cy(5) - 25 : cy(5) + 24;
      const int reached = a.dx ? (s->x2 - edge) * a.dx : (s->y2 - edge) * a.dy;
      EXPECT_GE(reached, kMargin - 1) << "object " << id << " from " << a.dx << "," << a.dy;
      EXPECT_LE(reached, 25) << "object " << id << " from " << a.dx << "," << a.dy;
    }
  }
  // A crate stops light for good: nothing goes on past it.
  trace(2, 3, 7, 3, kCrate);
  for (const TLightRay& s : engine_->lightList) EXPECT_LE(std::max(s.x1, s.x2), cx(7)) << "a beam passed the crate";
}
