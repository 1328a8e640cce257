#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/file_system.h"
#include "platform/graphics.h"
#include "picture_helpers.h"

namespace {

const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class Fonts : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!FileExists(kFontPath)) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    ResetDrawState();
  }
  void TearDown() override { ResetDrawState(); }
};

// What the rasteriser itself says about a character at a pixel size.
struct TRaw {
  long advance26_6;
  int left, top, ascender, height;
};
TRaw Raw(int size, char ch) {
  FT_Library lib;
  FT_Face face;
  EXPECT_EQ(FT_Init_FreeType(&lib), 0);
  EXPECT_EQ(FT_New_Face(lib, kFontPath, 0, &face), 0);
  FT_Set_Pixel_Sizes(face, 0, size);
  FT_Load_Char(face, static_cast<FT_ULong>(ch), FT_LOAD_RENDER);
  TRaw raw{face->glyph->advance.x, face->glyph->bitmap_left, face->glyph->bitmap_top,
           static_cast<int>(face->size->metrics.ascender >> 6), static_cast<int>(face->size->metrics.height >> 6)};
  FT_Done_Face(face);
  FT_Done_FreeType(lib);
  return raw;
}

TEST_F(Fonts, GlyphMetricsFollowTheRasteriser) {
  const auto font = LoadImageFont(kFontPath, 19, 1);
  ASSERT_TRUE(font);
  const TRaw h = Raw(19, 'H');
  const TGlyph* g = font->Glyph('H');
  ASSERT_TRUE(g);
  EXPECT_EQ(g->advance, h.advance26_6 >> 6);
  EXPECT_EQ(g->xOffset, h.left);
  EXPECT_EQ(g->yOffset, h.ascender - h.top);
  EXPECT_EQ(font->Height(), h.height);
  EXPECT_FALSE(g->image->flags & kImageFiltered);
  EXPECT_EQ(font->Glyph(' ')->image, nullptr);
  EXPECT_EQ(font->Glyph(1), nullptr) << "a code the font lacks has no glyph";
}

TEST_F(Fonts, TextWidthSumsWholePixelAdvancesAndSkipsMissingGlyphs) {
  SetImageFont(LoadImageFont(kFontPath, 13, 0));
  const int a = static_cast<int>(Raw(13, 'a').advance26_6 >> 6);
  const int w = static_cast<int>(Raw(13, 'W').advance26_6 >> 6);
  EXPECT_EQ(TextWidth("aWaW"), 2 * a + 2 * w);
  EXPECT_EQ(TextWidth(std::string("a\x01W", 3)), a + w);
  EXPECT_EQ(TextWidth(""), 0);
  EXPECT_EQ(TextHeight(), Raw(13, 'a').height);
  // The built-in font: fixed advances, codes 32..127 only.
  SetImageFont(nullptr);
  EXPECT_EQ(TextWidth("abc"), 3 * 8);
  EXPECT_EQ(TextWidth("a\xe9"), 8);
  EXPECT_EQ(TextHeight(), 12);
}

TEST_F(Fonts, SmoothStyleWidensAndFiltersGlyphs) {
  const auto sharp = LoadImageFont(kFontPath, 20, 0);
  const auto smooth = LoadImageFont(kFontPath, 20, kFontSmooth | 1);
  ASSERT_TRUE(sharp && smooth);
  const TGlyph* a = sharp->Glyph('O');
  const TGlyph* b = smooth->Glyph('O');
  EXPECT_EQ(b->width, a->width + 2);
  EXPECT_EQ(b->height, a->height + 2);
  EXPECT_EQ(b->xOffset, a->xOffset - 1);
  EXPECT_EQ(b->yOffset, a->yOffset - 1);
  EXPECT_EQ(b->advance, a->advance);
  EXPECT_TRUE(b->image->flags & kImageFiltered);
  EXPECT_GT(b->image->pixmaps[0]->Alpha(0, b->height / 2) + b->image->pixmaps[0]->Alpha(1, b->height / 2), 0);
}

TEST_F(Fonts, UnreadableFontsGiveNull) {
  EXPECT_FALSE(LoadImageFont(TempPath("nothing.ttf"), 12, 0));
  EXPECT_FALSE(LoadImageFont(MemoryStream({1, 2, 3, 4}), 12, 0));
  EXPECT_FALSE(LoadImageFont(kFontPath, 0, 0));
}

TEST_F(Fonts, TextIsLaidOutFromItsTopLeftCorner) {
  ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 60));
  const auto font = LoadImageFont(kFontPath, 24, 0);
  SetImageFont(font);
  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(kBlendAlpha);
  DrawText("H", 100, 50);
  const TGlyph* g = font->Glyph('H');
  const auto shot = GrabPixmap(0, 0, 300, 150);
  int minX = 1000, minY = 1000, maxX = -1, maxY = -1;
  for (int y = 0; y < shot->height; ++y)
    for (int x = 0; x < shot->width; ++x)
      if (shot->At(x, y)[0] > 128) {
        minX = std::min(minX, x), minY = std::min(minY, y);
        maxX = std::max(maxX, x), maxY = std::max(maxY, y);
      }
  // 'H' fills its bitmap edge to edge.
  EXPECT_EQ(minX, 100 + g->xOffset);
  EXPECT_EQ(minY, 50 + g->yOffset);
  EXPECT_EQ(maxX, 100 + g->xOffset + g->width - 1);
  EXPECT_EQ(maxY, 50 + g->yOffset + g->height - 1);

  // A second character starts one advance further on.
  Cls();
  DrawText("HH", 100, 50);
  const auto two = GrabPixmap(100 + g->advance + g->xOffset, 50 + g->yOffset, 1, 1);
  EXPECT_GT(two->At(0, 0)[0], 128);
  EndGraphics();
}

// The sizes made from one file share its bytes: a size outliving the others
// still rasterises new glyphs as a size made alone does.
TEST_F(Fonts, ASizeOutlivingTheOthersMadeFromItsFileStillDrawsNewGlyphs) {
  auto small = LoadImageFont(kFontPath, 14, 0);
  auto large = LoadImageFont(kFontPath, 28, 0);
  ASSERT_TRUE(small && large);
  ASSERT_TRUE(small->Glyph('A'));
  small.reset();
  const auto alone = LoadImageFont(kFontPath, 28, 0);
  for (const int code : {int{'Q'}, int{'g'}, 0xE9}) {
    const TGlyph* got = large->Glyph(code);
    const TGlyph* want = alone->Glyph(code);
    ASSERT_TRUE(got && want && got->image && want->image) << code;
    EXPECT_EQ(got->advance, want->advance) << code;
    EXPECT_EQ(got->image->pixmaps[0]->pixels, want->image->pixmaps[0]->pixels) << code;
  }
}

}  // namespace
