// The game font out of "data1.dat": FreeType must open it from memory, take
// every pixel size the font slots use and draw the text the game shows.
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#if __has_include("data/pack.h")
#include "data/pack.h"
#define TESMORIA_HAVE_PACKS 1
#endif

namespace {

std::vector<uint8_t> fontBytes() {
#ifdef TESMORIA_HAVE_PACKS
  TStreamPtr stream = openPackStream("font.ttf", std::string(TESMORIA_GAME_DIR) + "/data1.dat", "30571928464017");
  if (!stream) return {};
  std::vector<uint8_t> bytes(size_t(std::max<int64_t>(0, stream->Size())));
  stream->ReadBytes(bytes.data(), int64_t(bytes.size()));
  return bytes;
#else
  std::ifstream in(std::string(TESMORIA_SOUND_PACK_WORK) + "/font.ttf", std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
#endif
}

}  // namespace

TEST(GameFont, OpensAndDrawsAtEverySlotSize) {
  std::vector<uint8_t> bytes = fontBytes();
  ASSERT_FALSE(bytes.empty()) << "font.ttf missing from the data pack";
  FT_Library library;
  ASSERT_EQ(FT_Init_FreeType(&library), 0);
  FT_Face face;
  ASSERT_EQ(FT_New_Memory_Face(library, bytes.data(), FT_Long(bytes.size()), 0, &face), 0);
  EXPECT_TRUE(FT_IS_SCALABLE(face));

  // Every character a text of the game may hold: printable ASCII and the
  // Latin-1 letters a player name can take.
  for (unsigned code = 32; code < 256; ++code) {
    if (code >= 127 && code < 0xC0) continue;
    EXPECT_NE(FT_Get_Char_Index(face, code), 0u) << "no glyph for code " << code;
  }
  for (int size = 16; size <= 28; ++size) {
    ASSERT_EQ(FT_Set_Pixel_Sizes(face, 0, FT_UInt(size)), 0) << size;
    int height = int(face->size->metrics.height >> 6);
    EXPECT_GE(height, size) << size;
    EXPECT_LE(height, 2 * size) << size;
    // "Testing" is what the text object measures each slot with.
    int top = 1000, bottom = -1000;
    for (char ch : std::string("Testing")) {
      ASSERT_EQ(FT_Load_Char(face, FT_ULong(ch), FT_LOAD_RENDER), 0);
      FT_GlyphSlot glyph = face->glyph;
      EXPECT_GT(glyph->bitmap.width * glyph->bitmap.rows, 0u) << ch << " at " << size;
      top = std::min(top, -glyph->bitmap_top);
      bottom = std::max(bottom, int(glyph->bitmap.rows) - glyph->bitmap_top);
    }
    // Capitals and descenders together span most of the pixel size.
    EXPECT_GE(bottom - top, size * 6 / 10) << size;
    EXPECT_LE(bottom - top, size * 13 / 10) << size;
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);
}
