// The room art is read by the game's logic, not only looked at: the light
// tracer uses the objects' alpha as their shapes, the mouse uses Floor #1 as
// the cell shape, and the shadow map picks soft shadows by position. These
// tests hold the generated pictures to those rules.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "png_frames.h"

namespace {

constexpr int kCell = 50;        // a room cell
constexpr int kObjectCell = 60;  // an object frame, handle at (25, 25)
constexpr int kCentre = 25;      // the cell centre in frame pixels
constexpr int kMargin = 3;       // solid objects stay inside kMargin .. 49 - kMargin
constexpr int kOpaque = 128;     // collisions count pixels with at least this alpha

// Object frames the light tracer tests: gems, sarcophagus, decayed walls,
// scarab, mirror, crate, the turned mirror and the two mirror shapes.
const std::vector<int> kSolidObjects = {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 16, 19, 21, 23, 24};
constexpr int kMirrorShape = 23, kTurnedMirrorShape = 24, kMirror = 16, kTurnedMirror = 21;

// The shade codes of the soft-shadow frames, in frame order.
const std::vector<int> kShadowMasks = {1, 4, 16, 64, 5, 20, 65, 80, 21, 69, 81, 84, 2, 8, 32, 128};

struct TStrip {
  const char* name;
  int cellW, cellH, frames;
};

const std::vector<TStrip> kStrips = {
    {"blocks.png", 50, 50, 25}, {"objects.png", 60, 60, 25}, {"objects_shadows.png", 60, 60, 25},
    {"shadows.png", 50, 50, 16}, {"arrows.png", 50, 50, 8},  {"wall.png", 5, 5, 100},
    {"floor.png", 5, 5, 100},
};

TRgbaPicture Frame(const char* file, int cellW, int cellH, int index) {
  return CutFrame(ReadPng(GfxPath(file)), cellW, cellH, index);
}

std::vector<TRgbaPicture> Frames(const char* file, int cellW, int cellH, int count) {
  TRgbaPicture sheet = ReadPng(GfxPath(file));
  std::vector<TRgbaPicture> out;
  for (int i = 0; i < count; ++i) out.push_back(CutFrame(sheet, cellW, cellH, i));
  return out;
}

// Box of the pixels with alpha >= threshold: {x0, y0, x1, y1}, or x0 = -1 when none.
std::vector<int> AlphaBox(const TRgbaPicture& f, int threshold) {
  int x0 = f.width, y0 = f.height, x1 = -1, y1 = -1;
  for (int y = 0; y < f.height; ++y)
    for (int x = 0; x < f.width; ++x)
      if (f.alpha(x, y) >= threshold) {
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
      }
  if (x1 < 0) return {-1, -1, -1, -1};
  return {x0, y0, x1, y1};
}

double MeanAlpha(const TRgbaPicture& f, int x0, int y0, int x1, int y1) {
  double sum = 0;
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) sum += f.alpha(x, y), ++n;
  return n ? sum / n : 0;
}

// Share of the opaque pixels two frames have in common (intersection over union).
double Overlap(const TRgbaPicture& a, const TRgbaPicture& b, int threshold) {
  int both = 0, either = 0;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x) {
      bool pa = a.alpha(x, y) >= threshold, pb = b.alpha(x, y) >= threshold;
      both += pa && pb;
      either += pa || pb;
    }
  return either ? static_cast<double>(both) / either : 1.0;
}

// Where a beam along the centre row or column, coming from one side of the
// cell, first meets an opaque pixel: the distance in pixels from that side,
// or -1 when it passes through.
int BeamHit(const TRgbaPicture& f, int dx, int dy) {
  int x = dx > 0 ? 0 : dx < 0 ? kCell - 1 : kCentre;
  int y = dy > 0 ? 0 : dy < 0 ? kCell - 1 : kCentre;
  for (int step = 0; step < kCell; ++step, x += dx, y += dy)
    if (f.alpha(x, y) >= kOpaque) return step;
  return -1;
}

}  // namespace

TEST(RoomArt, EveryPictureHasItsSizeAndFrames) {
  for (const TStrip& s : kStrips) {
    TRgbaPicture p = ReadPng(GfxPath(s.name));
    ASSERT_FALSE(p.empty()) << s.name << " is missing or unreadable";
    EXPECT_EQ(p.width % s.cellW, 0) << s.name;
    EXPECT_EQ(p.height % s.cellH, 0) << s.name;
    EXPECT_GE(CellCount(p, s.cellW, s.cellH), s.frames) << s.name;
    EXPECT_LT(CellCount(p, s.cellW, s.cellH), s.frames + p.width / s.cellW) << s.name << " has a spare row";
  }
  TRgbaPicture wall = ReadPng(GfxPath("wall.png")), floor = ReadPng(GfxPath("floor.png"));
  EXPECT_TRUE(wall.width == 50 && wall.height == 50);
  EXPECT_TRUE(floor.width == 50 && floor.height == 50);
  for (const char* single : {"sparkle.png", "spark_big.png", "spark_med.png", "spark.png", "arrow.png"}) {
    TRgbaPicture p = ReadPng(GfxPath(single));
    ASSERT_FALSE(p.empty()) << single;
    EXPECT_NE(AlphaBox(p, kOpaque)[0], -1) << single << " is blank";
    // Centre-handled sprites that rotate must be centred: their visible part is symmetric enough
    // that the box of opaque pixels is not pushed into one corner (the tutorial arrow excepted).
    if (std::string(single) != "arrow.png") {
      std::vector<int> box = AlphaBox(p, 1);
      EXPECT_NEAR((box[0] + box[2]) / 2.0, p.width / 2.0, 2.0) << single;
      EXPECT_NEAR((box[1] + box[3]) / 2.0, p.height / 2.0, 2.0) << single;
    }
  }
}

TEST(RoomArt, SolidObjectsStayInsideTheirCellWithAMargin) {
  std::vector<TRgbaPicture> objects = Frames("objects.png", kObjectCell, kObjectCell, 25);
  for (int k : kSolidObjects) {
    std::vector<int> box = AlphaBox(objects[k], 1);
    ASSERT_NE(box[0], -1) << "solid object " << k << " is blank";
    EXPECT_GE(box[0], kMargin) << "object " << k;
    EXPECT_GE(box[1], kMargin) << "object " << k;
    EXPECT_LE(box[2], kCell - 1 - kMargin) << "object " << k;
    EXPECT_LE(box[3], kCell - 1 - kMargin) << "object " << k;
  }
}

TEST(RoomArt, SolidObjectsStopBeamsFromEverySide) {
  // A beam along the centre line must meet every obstacle inside its cell, from all four sides,
  // and never before the margin (so a beam in the next cell cannot graze it).
  std::vector<TRgbaPicture> objects = Frames("objects.png", kObjectCell, kObjectCell, 25);
  for (int k : kSolidObjects) {
    for (auto [dx, dy] : std::vector<std::pair<int, int>>{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      int hit = BeamHit(objects[k], dx, dy);
      EXPECT_GE(hit, kMargin) << "object " << k << " direction " << dx << "," << dy;
      EXPECT_LE(hit, kCentre) << "object " << k << " direction " << dx << "," << dy;
    }
  }
}

TEST(RoomArt, DropShadowsLiveOnlyInTheShadowPicture) {
  std::vector<TRgbaPicture> objects = Frames("objects.png", kObjectCell, kObjectCell, 25);
  std::vector<TRgbaPicture> shadows = Frames("objects_shadows.png", kObjectCell, kObjectCell, 25);
  for (int k = 0; k < 25; ++k) {
    // Nothing of an object reaches the ten shadow pixels beyond its cell.
    for (int y = 0; y < kObjectCell; ++y)
      for (int x = 0; x < kObjectCell; ++x)
        if (x >= kCell || y >= kCell) {
          ASSERT_EQ(objects[k].alpha(x, y), 0) << "object " << k << " at " << x << "," << y;
        }
    // Shadows are dark and never fully opaque.
    for (int y = 0; y < kObjectCell; ++y)
      for (int x = 0; x < kObjectCell; ++x) {
        const uint8_t* p = shadows[k].at(x, y);
        if (p[3] == 0) continue;
        ASSERT_LT(p[0] + p[1] + p[2], 120) << "shadow " << k << " is not dark at " << x << "," << y;
        ASSERT_LT(p[3], 255) << "shadow " << k;
      }
  }
  // The objects drawn with a drop shadow have one, and it falls to the bottom right.
  for (int k : {1, 2, 3, 4, 5, 16, 19, 21}) {
    std::vector<int> body = AlphaBox(objects[k], kOpaque), shade = AlphaBox(shadows[k], 40);
    ASSERT_NE(shade[0], -1) << "object " << k << " has no drop shadow";
    EXPECT_GT(shade[2], body[2]) << "object " << k;
    EXPECT_GT(shade[3], body[3]) << "object " << k;
  }
}

TEST(RoomArt, MirrorShapesAreOnePixelDiagonalsThroughTheCentre) {
  for (int frame : {kMirrorShape, kTurnedMirrorShape}) {
    TRgbaPicture f = Frame("objects.png", kObjectCell, kObjectCell, frame);
    bool turned = frame == kTurnedMirrorShape;
    int count = 0;
    for (int y = 0; y < kObjectCell; ++y)
      for (int x = 0; x < kObjectCell; ++x) {
        if (f.alpha(x, y) == 0) continue;
        ++count;
        EXPECT_EQ(f.alpha(x, y), 255) << "frame " << frame << " has a soft pixel at " << x << "," << y;
        EXPECT_EQ(turned ? x + y : x - y, turned ? 2 * kCentre : 0) << "frame " << frame << " off its diagonal";
      }
    EXPECT_GE(count, 30) << "frame " << frame;
    // A beam along the centre row or column, from any side, meets it exactly at the centre, so the
    // reflected beam runs along the centre line of the crossing column or row.
    EXPECT_EQ(BeamHit(f, 1, 0), kCentre);
    EXPECT_EQ(BeamHit(f, 0, 1), kCentre);
    EXPECT_EQ(BeamHit(f, -1, 0), kCell - 1 - kCentre);
    EXPECT_EQ(BeamHit(f, 0, -1), kCell - 1 - kCentre);
  }
}

TEST(RoomArt, DrawnMirrorsLieAlongTheirShapes) {
  // The mirror at angle 0 (frame 16) runs from top left to bottom right like shape 23; turned
  // (frame 21) from bottom left to top right like shape 24. Both cover the cell centre.
  for (auto [drawn, turned] : std::vector<std::pair<int, bool>>{{kMirror, false}, {kTurnedMirror, true}}) {
    TRgbaPicture f = Frame("objects.png", kObjectCell, kObjectCell, drawn);
    double sx = 0, sy = 0, sxy = 0, n = 0;
    for (int y = 0; y < kCell; ++y)
      for (int x = 0; x < kCell; ++x)
        if (f.alpha(x, y) >= kOpaque) {
          double u = x - kCentre, v = y - kCentre;
          sx += u, sy += v, sxy += u * v, n += 1;
        }
    ASSERT_GT(n, 0);
    EXPECT_NEAR(sx / n, 0.0, 1.5) << "frame " << drawn << " is not centred";
    EXPECT_NEAR(sy / n, 0.0, 1.5) << "frame " << drawn << " is not centred";
    if (turned)
      EXPECT_LT(sxy / n, -50.0) << "frame " << drawn << " should rise to the right";
    else
      EXPECT_GT(sxy / n, 50.0) << "frame " << drawn << " should fall to the right";
    EXPECT_GE(f.alpha(kCentre, kCentre), kOpaque);
  }
}

TEST(RoomArt, BlocksCoverTheirCellsAndFloorOneIsTheCellShape) {
  std::vector<TRgbaPicture> blocks = Frames("blocks.png", kCell, kCell, 25);
  // Floor #1 is the mouse's cell shape: every pixel counts.
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) ASSERT_EQ(blocks[1].alpha(x, y), 255) << x << "," << y;
  // Every catalogue block (1-18) and the fog tile fill their cell, so nothing shows through.
  for (int k = 1; k <= 20; ++k) {
    if (k == 19) continue;
    EXPECT_EQ(MeanAlpha(blocks[k], 0, 0, kCell - 1, kCell - 1), 255.0) << "block " << k;
  }
  // Frame 0 is an outline: drawn on the border, clear in the middle.
  EXPECT_GT(MeanAlpha(blocks[0], 0, 0, kCell - 1, 0), 60.0);
  EXPECT_EQ(MeanAlpha(blocks[0], 5, 5, kCell - 6, kCell - 6), 0.0);
  // The lit glyph overlays are partly transparent, and each glows where its glyph's symbol is.
  for (int k = 21; k <= 24; ++k) {
    EXPECT_GT(AlphaBox(blocks[k], 200)[0], 0) << "overlay " << k << " has no bright symbol";
    EXPECT_LT(MeanAlpha(blocks[k], 0, 0, kCell - 1, kCell - 1), 200.0) << "overlay " << k;
  }
}

TEST(RoomArt, ColoursAreAlsoToldApartByShape) {
  // Exit glyphs (their lit overlays show the bare symbols), gems and decayed walls of different
  // colours must not share one silhouette.
  std::vector<TRgbaPicture> blocks = Frames("blocks.png", kCell, kCell, 25);
  std::vector<TRgbaPicture> objects = Frames("objects.png", kObjectCell, kObjectCell, 25);
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b) {
      EXPECT_LT(Overlap(blocks[21 + a], blocks[21 + b], 220), 0.6) << "glyph symbols " << a << " and " << b;
      EXPECT_LT(Overlap(objects[1 + a], objects[1 + b], kOpaque), 0.8) << "gems " << a << " and " << b;
    }
  // Decayed walls share their outline; their symbols differ. Compare where each is much brighter
  // or darker than the others' average stone: that is the symbol.
  auto symbolMask = [&](const TRgbaPicture& f) {
    TRgbaPicture m = f;
    for (int y = 0; y < f.height; ++y)
      for (int x = 0; x < f.width; ++x) {
        const uint8_t* p = f.at(x, y);
        int r = p[0], g = p[1], bl = p[2];
        int spread = std::max({r, g, bl}) - std::min({r, g, bl});
        bool central = x >= 13 && x <= 37 && y >= 13 && y <= 37;  // the symbol, not the sunlit rim
        bool symbol = central && p[3] > 200 && (spread > 70 || (r > 236 && g > 232 && bl > 220));
        m.pixels[(static_cast<size_t>(y) * f.width + x) * 4 + 3] = symbol ? 255 : 0;
      }
    return m;
  };
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b)
      EXPECT_LT(Overlap(symbolMask(objects[6 + a]), symbolMask(objects[6 + b]), 128), 0.5)
          << "decayed walls " << 6 + a << " and " << 6 + b;
}

TEST(RoomArt, SoftShadowsShadeTheSidesOfTheirCodes) {
  std::vector<TRgbaPicture> shadows = Frames("shadows.png", kCell, kCell, 16);
  struct TSide {
    int bit, x0, y0, x1, y1;
  };
  // Strips three pixels deep along the middle of each side, and 4 x 4 corners.
  const std::vector<TSide> sides = {{1, 18, 0, 31, 2},  {4, 47, 18, 49, 31}, {16, 18, 47, 31, 49}, {64, 0, 18, 2, 31},
                                    {2, 46, 0, 49, 3},  {8, 46, 46, 49, 49}, {32, 0, 46, 3, 49},  {128, 0, 0, 3, 3}};
  for (size_t k = 0; k < kShadowMasks.size(); ++k) {
    int code = kShadowMasks[k];
    for (const TSide& s : sides) {
      double a = MeanAlpha(shadows[k], s.x0, s.y0, s.x1, s.y1);
      bool shaded = (code & s.bit) != 0;
      if (s.bit == 2) shaded = shaded || (code & (1 | 4));
      if (s.bit == 8) shaded = shaded || (code & (4 | 16));
      if (s.bit == 32) shaded = shaded || (code & (16 | 64));
      if (s.bit == 128) shaded = shaded || (code & (1 | 64));
      if (shaded)
        EXPECT_GT(a, 50.0) << "frame " << k << " (code " << code << ") side " << s.bit;
      else
        EXPECT_LT(a, 10.0) << "frame " << k << " (code " << code << ") side " << s.bit;
    }
    EXPECT_LT(shadows[k].alpha(kCentre, kCentre), 10) << "frame " << k << " darkens the middle of the floor";
  }
}

TEST(RoomArt, ArrowsPointTheirWayAndHighlightsStandOut) {
  std::vector<TRgbaPicture> arrows = Frames("arrows.png", kCell, kCell, 8);
  const int dirX[4] = {0, 1, 0, -1}, dirY[4] = {-1, 0, 1, 0};  // up, right, down, left
  for (int d = 0; d < 4; ++d) {
    // The broad head lies on the side the arrow points to: across the arrow, six pixels from the
    // centre towards the point it is wider than six pixels towards the tail.
    auto width = [&](int along) {
      int n = 0;
      for (int across = -24; across <= 24; ++across) {
        int x = kCentre + dirX[d] * along + dirY[d] * across, y = kCentre + dirY[d] * along + dirX[d] * across;
        n += arrows[d].alpha(x, y) >= kOpaque;
      }
      return n;
    };
    EXPECT_GT(width(6), width(-6) + 4) << "arrow " << d;
    EXPECT_GT(MeanAlpha(arrows[d + 4], 0, 0, kCell - 1, kCell - 1), MeanAlpha(arrows[d], 0, 0, kCell - 1, kCell - 1))
        << "highlighted arrow " << d + 4;
  }
}

TEST(RoomArt, GeneratorIsReproducible) {
  // Drawing the art again gives byte-identical files.
  namespace fs = std::filesystem;
  fs::path out = fs::temp_directory_path() / ("tesmoria_room_art_" + std::to_string(::getpid()));
  fs::remove_all(out);
  std::string cmd = std::string("RSVG_CONVERT='") + TESMORIA_RSVG_CONVERT + "' '" + TESMORIA_PYTHON + "' -B '" +
                    TESMORIA_SOURCE_DIR + "/assets/gfx/make_pieces.py' '" + out.string() + "'";
  ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  for (const char* name : {"blocks.png", "objects.png", "objects_shadows.png", "shadows.png", "arrows.png", "wall.png",
                           "floor.png", "sparkle.png", "spark_big.png", "spark_med.png", "spark.png", "arrow.png"}) {
    std::vector<char> built = ReadBytes(GfxPath(name)), again = ReadBytes((out / name).string());
    ASSERT_FALSE(built.empty()) << name;
    EXPECT_TRUE(built == again) << name << " differs between two runs";
  }
  fs::remove_all(out);
}

TEST(RoomArt, SparklesLandOnTheirTreasures) {
  // The catalogue places each treasure's sparkle at an offset from the cell centre; the picture
  // must have the treasure there (within a few pixels), or the glint hangs in the air.
  std::vector<TRgbaPicture> objects = Frames("objects.png", kObjectCell, kObjectCell, 25);
  TObjectCatalogue catalogue = makeObjectCatalogue();
  int sparkling = 0;
  for (size_t id = 1; id < catalogue.size(); ++id) {
    const TObjectPtr& o = catalogue[id];
    if (!o || o->sx == 0) continue;
    ++sparkling;
    const int px = kCentre + o->sx, py = kCentre + o->sy;
    int nearest = 1000;
    for (int y = 0; y < kCell; ++y)
      for (int x = 0; x < kCell; ++x)
        if (objects[id].alpha(x, y) >= kOpaque)
          nearest = std::min(nearest, std::max(std::abs(x - px), std::abs(y - py)));
    EXPECT_LE(nearest, 5) << o->name << ": sparkle at " << px << "," << py;
  }
  EXPECT_EQ(sparkling, 6);  // coins, Ra disc, scarab, vase, bracelet, ankh
}
