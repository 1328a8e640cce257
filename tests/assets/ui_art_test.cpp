// Checks the generated screen art: every picture has the size and frame
// layout the game loads it with, the parts the widgets hit-test are opaque,
// the campaign icons sit in the map's left half, and painting is repeatable
// byte for byte.
#include <gtest/gtest.h>
#include <png.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Png {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgba;  // width * height * 4

  unsigned char alpha(int x, int y) const { return rgba[(static_cast<size_t>(y) * width + x) * 4 + 3]; }
};

// Reads any PNG as 8-bit RGBA; false when the file is missing or broken.
bool readPng(const fs::path& path, Png& out) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_read_update_info(png, info);
  out.width = static_cast<int>(png_get_image_width(png, info));
  out.height = static_cast<int>(png_get_image_height(png, info));
  out.rgba.assign(static_cast<size_t>(out.width) * out.height * 4, 0);
  std::vector<png_bytep> rows(out.height);
  for (int y = 0; y < out.height; ++y) rows[y] = out.rgba.data() + static_cast<size_t>(y) * out.width * 4;
  png_read_image(png, rows.data());
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(f);
  return true;
}

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

const fs::path gfxDir = fs::path(TESMORIA_GAME_DIR) / "gfx";
const fs::path artSources = fs::path(TESMORIA_SOURCE_DIR) / "assets" / "ui_art";

// How the game loads each picture: cell size and frame count (one frame =
// the whole picture), frames read left to right, top to bottom.
struct Expected {
  const char* file;
  int cellW, cellH, frames;
  int columns;  // how this art lays its frames out
};

const Expected pictures[] = {
    {"mouse.png", 40, 48, 2, 2},
    {"gui_buttons.png", 171, 42, 4, 4},
    {"gui_buttons_sml.png", 88, 28, 4, 4},
    {"gui_tickBox.png", 40, 40, 5, 5},
    {"gui_arrows.png", 21, 21, 8, 4},
    {"gui_arrTrack.png", 21, 21, 5, 5},
    {"icon.png", 64, 64, 1, 1},
    {"bg_title.png", 800, 600, 1, 1},
    {"bg_main.png", 800, 600, 1, 1},
    {"bg_complete.png", 800, 600, 1, 1},
    {"bg_map.png", 800, 600, 1, 1},
    {"game_top.png", 800, 95, 1, 1},
    {"game_side.png", 192, 600, 1, 1},
    {"editor_top.png", 800, 96, 1, 1},
    {"editor_side.png", 192, 600, 1, 1},
    {"gui_menuframe.png", 218, 316, 1, 1},
    {"gui_dialogue_sml.png", 360, 240, 1, 1},
    {"gui_dialogue_med.png", 350, 250, 1, 1},
    {"gui_dialogue_lrg.png", 410, 320, 1, 1},
    {"gui_dialogue_mas.png", 680, 400, 1, 1},
    {"map_icons.png", 90, 90, 32, 4},
    {"map_dot.png", 14, 14, 1, 1},
    {"sun_frames.png", 130, 130, 10, 5},
    {"logo_norel.png", 400, 240, 1, 1},
};

// Top-left corner of frame f in a strip of the given layout.
void cellOrigin(const Expected& e, int f, int& x, int& y) {
  x = (f % e.columns) * e.cellW;
  y = (f / e.columns) * e.cellH;
}

int opaqueCount(const Png& img, const Expected& e, int frame) {
  int x0, y0;
  cellOrigin(e, frame, x0, y0);
  int n = 0;
  for (int y = y0; y < y0 + e.cellH; ++y)
    for (int x = x0; x < x0 + e.cellW; ++x)
      if (img.alpha(x, y) >= 128) ++n;
  return n;
}

const Expected& find(const std::string& name) {
  for (const Expected& e : pictures)
    if (name == e.file) return e;
  throw std::runtime_error("no such picture " + name);
}

}  // namespace

TEST(UiArt, EveryPictureHasTheSizeAndFramesTheGameLoads) {
  for (const Expected& e : pictures) {
    SCOPED_TRACE(e.file);
    Png img;
    ASSERT_TRUE(readPng(gfxDir / e.file, img));
    int rows = (e.frames + e.columns - 1) / e.columns;
    EXPECT_EQ(img.width, e.cellW * e.columns);
    EXPECT_EQ(img.height, e.cellH * rows);
    // The game's loader refuses a strip holding fewer cells than frames.
    EXPECT_GE((img.width / e.cellW) * (img.height / e.cellH), e.frames);
    // No frame is left blank.
    for (int f = 0; f < e.frames; ++f) EXPECT_GT(opaqueCount(img, e, f), 0) << "frame " << f;
  }
}

TEST(UiArt, BackgroundsAndPanelsAreFullyOpaque) {
  // Screens draw these first and over each other; a hole would show the
  // previous frame through.
  for (const char* name : {"bg_title.png", "bg_main.png", "bg_complete.png", "bg_map.png",
                           "game_side.png", "editor_side.png", "editor_top.png"}) {
    SCOPED_TRACE(name);
    Png img;
    ASSERT_TRUE(readPng(gfxDir / name, img));
    for (int y = 0; y < img.height; y += 3)
      for (int x = 0; x < img.width; x += 3) ASSERT_EQ(img.alpha(x, y), 255) << x << "," << y;
  }
}

TEST(UiArt, WidgetsAreOpaqueWhereTheGameHitTestsThem) {
  // Buttons, tick boxes and dialogues answer the pointer only over opaque
  // pixels of their picture, so their middles must be solid.
  for (const char* name : {"gui_buttons.png", "gui_buttons_sml.png", "gui_tickBox.png",
                           "gui_arrows.png"}) {
    SCOPED_TRACE(name);
    const Expected& e = find(name);
    Png img;
    ASSERT_TRUE(readPng(gfxDir / name, img));
    for (int f = 0; f < 4; ++f) {
      int x0, y0;
      cellOrigin(e, f, x0, y0);
      EXPECT_GE(img.alpha(x0 + e.cellW / 2, y0 + e.cellH / 2), 128) << "frame " << f;
      EXPECT_GE(img.alpha(x0 + e.cellW / 4, y0 + e.cellH / 2), 128) << "frame " << f;
    }
  }
  for (const char* name : {"gui_menuframe.png", "gui_dialogue_sml.png", "gui_dialogue_med.png",
                           "gui_dialogue_lrg.png", "gui_dialogue_mas.png"}) {
    SCOPED_TRACE(name);
    Png img;
    ASSERT_TRUE(readPng(gfxDir / name, img));
    EXPECT_GE(img.alpha(img.width / 2, img.height / 2), 128);
    EXPECT_GE(img.alpha(30, img.height / 2), 128);
  }
}

TEST(UiArt, PointerTipsSitOnTheHotSpot) {
  // The mouse is drawn with its handle at (3, 3): both pointers must put
  // their tip there, or clicks land beside what the player aims at.
  Png img;
  ASSERT_TRUE(readPng(gfxDir / "mouse.png", img));
  for (int f = 0; f < 2; ++f) {
    int cx = f * 40;
    EXPECT_GT(img.alpha(cx + 3, 3), 0) << "frame " << f;
    // Nothing drawn up or left of the tip beyond the pointer's outline.
    int stray = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 40; ++x)
        if ((x < 1 || y < 1) && img.alpha(cx + x, y) >= 128) ++stray;
    EXPECT_EQ(stray, 0) << "frame " << f;
  }
}

TEST(UiArt, ScrollTrackStretchesEvenly) {
  // The list box stretches track cell 0 vertically: every row must match.
  Png img;
  ASSERT_TRUE(readPng(gfxDir / "gui_arrTrack.png", img));
  for (int y = 1; y < 21; ++y)
    for (int x = 0; x < 21; ++x)
      for (int c = 0; c < 4; ++c)
        ASSERT_EQ(img.rgba[(static_cast<size_t>(y) * img.width + x) * 4 + c], img.rgba[x * 4 + c])
            << x << "," << y;
}

TEST(UiArt, MapIconsLieInTheLeftHalfOfTheMap) {
  // The map picture keeps its right half for the instructions at x 460, so
  // every location icon (90 x 90, centred) and its name below must lie left
  // of the middle. The positions come from the painter's copy of the
  // campaign table.
  std::istringstream source(readBytes(artSources / "layout.py"));
  std::vector<int> iconsSeen;
  int count = 0;
  std::string line;
  while (std::getline(source, line)) {
    // Entries read: ("Name", icon, x, y),
    size_t open = line.find("(\"");
    size_t close = open == std::string::npos ? open : line.find('"', open + 2);
    if (close == std::string::npos) continue;
    int icon, x, y;
    if (std::sscanf(line.c_str() + close + 1, ", %d, %d, %d)", &icon, &x, &y) != 3) continue;
    SCOPED_TRACE(line.substr(open + 2, close - open - 2));
    EXPECT_LE(x + 45, 400);
    EXPECT_GE(x - 45, 0);
    EXPECT_GE(y - 45, 80);  // below the title
    EXPECT_LE(y + 30 + 24, 600);
    EXPECT_EQ(icon % 4, 0);
    EXPECT_LT(icon + 3, 32);
    iconsSeen.push_back(icon);
    ++count;
  }
  EXPECT_EQ(count, 8);
  std::sort(iconsSeen.begin(), iconsSeen.end());
  EXPECT_EQ(std::adjacent_find(iconsSeen.begin(), iconsSeen.end()), iconsSeen.end());
}

TEST(UiArt, PaintingTwiceGivesTheSameBytes) {
  // Paint everything again into a scratch folder and compare with the
  // build's copy: the art must not depend on time or chance.
  fs::path scratch = fs::temp_directory_path() / ("tesmoria_ui_art_" + std::to_string(::getpid()));
  fs::remove_all(scratch);
  std::ostringstream cmd;
  cmd << '"' << TESMORIA_PYTHON << "\" \"" << (artSources / "make_ui_art.py").string() << "\" \""
      << scratch.string() << "\" widgets frames backgrounds panels map sun logo";
  ASSERT_EQ(std::system(cmd.str().c_str()), 0) << cmd.str();
  for (const Expected& e : pictures) {
    SCOPED_TRACE(e.file);
    std::string again = readBytes(scratch / e.file);
    ASSERT_FALSE(again.empty());
    EXPECT_TRUE(again == readBytes(gfxDir / e.file));
  }
  fs::remove_all(scratch);
}
