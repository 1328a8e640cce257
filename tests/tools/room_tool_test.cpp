// tesmoria-room on small test locations, with pictures made in code.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/pixmap.h"
#include "tests/engine/test_pictures.h"

namespace {

namespace fs = std::filesystem;

const std::string kTool = std::string(TESMORIA_GAME_DIR) + "/tesmoria-room";
const std::string kData = std::string(TESMORIA_SOURCE_DIR) + "/tests/engine/data/";

// Writes an image's frames side by side as one PNG strip.
void saveStrip(const TImagePtr& image, const fs::path& path) {
  TPixmap strip(image->width * image->FrameCount(), image->height);
  for (int f = 0; f < image->FrameCount(); ++f)
    for (int y = 0; y < image->height; ++y)
      for (int x = 0; x < image->width; ++x)
        std::copy_n(image->pixmaps[f]->At(x, y), 4, strip.At(f * image->width + x, y));
  ASSERT_TRUE(SavePixmapPNG(strip, path.string()));
}

class RoomTool : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tesmoria_room_tool_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "gfx");
  }
  void TearDown() override { fs::remove_all(dir_); }

  void writePictures(bool all) {
    test_pictures::TTestGfx pictures;
    saveStrip(pictures.set.objectImg, dir_ / "gfx/objects.png");
    if (!all) return;
    saveStrip(pictures.set.objectShadowImg, dir_ / "gfx/objects_shadows.png");
    saveStrip(pictures.set.blockImg, dir_ / "gfx/blocks.png");
    saveStrip(pictures.set.shadowImg, dir_ / "gfx/shadows.png");
    saveStrip(pictures.set.arrowImg, dir_ / "gfx/arrows.png");
    saveStrip(pictures.set.sparkBigImg, dir_ / "gfx/spark_big.png");
    saveStrip(pictures.set.sparkMedImg, dir_ / "gfx/spark_med.png");
  }

  // Runs the tool; returns its exit code, with its output in out and err.
  int run(const std::string& args) {
    const fs::path outFile = dir_ / "out.txt", errFile = dir_ / "err.txt";
    const std::string cmd = "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " + kTool + " " + args + " >" +
                            outFile.string() + " 2>" + errFile.string();
    const int status = std::system(cmd.c_str());
    out = slurp(outFile);
    err = slurp(errFile);
    return WEXITSTATUS(status);
  }
  static std::string slurp(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir_;
  std::string out, err;
};

TEST_F(RoomTool, LitPlaysEachRoomUntouched) {
  writePictures(false);
  ASSERT_EQ(run("lit --game " + dir_.string() + " " + kData + "trials.loc"), 0) << err;
  EXPECT_EQ(out,
            "room 1: 1 of 1 glyphs lit\n"
            "room 2: 1 of 2 glyphs lit\n"
            "room 3: 1 of 1 glyphs lit\n"
            "room 4: 1 of 1 glyphs lit\n"
            "room 5: 0 of 0 glyphs lit\n"
            "room 6: 0 of 1 glyphs lit\n");
}

TEST_F(RoomTool, ShowPrintsCellsObjectsAndALegend) {
  ASSERT_EQ(run("show " + kData + "trials.loc"), 0) << err;
  EXPECT_NE(out.find("location trials: 6 rooms"), std::string::npos);
  EXPECT_NE(out.find("room 3: Mirror"), std::string::npos);
  // Room 2, row 5: emitter, floor, ruby glyph at the far end; the ruby at column 5.
  EXPECT_NE(out.find("  |#*.........R|  |    r       |\n"), std::string::npos);
  EXPECT_NE(out.find("'\\' 16 Mirror"), std::string::npos);
}

TEST_F(RoomTool, DamagedOrMissingLocationsFailClearly) {
  EXPECT_EQ(run("show " + kData + "damaged.loc"), 1);
  EXPECT_NE(err.find("damaged: file ends early"), std::string::npos);
  EXPECT_EQ(run("show " + kData + "bad_ids.loc"), 1);
  EXPECT_NE(err.find("block id 77"), std::string::npos);
  EXPECT_EQ(run("show " + (dir_ / "missing.loc").string()), 1);
  EXPECT_NE(err.find("cannot open"), std::string::npos);
  EXPECT_EQ(run("show NoSuchPlace"), 1);
  EXPECT_NE(err.find("no location named NoSuchPlace"), std::string::npos);
  EXPECT_EQ(run("lit --game " + dir_.string() + " " + kData + "trials.loc"), 1);
  EXPECT_NE(err.find("objects.png"), std::string::npos);
  EXPECT_EQ(run("frobnicate"), 1);
  EXPECT_EQ(run("--help"), 0);
  EXPECT_NE(out.find("tesmoria-room render"), std::string::npos);
}

TEST_F(RoomTool, RenderDrawsTheRoom) {
  writePictures(true);
  const fs::path png = dir_ / "room3.png";
  ASSERT_EQ(run("render --game " + dir_.string() + " --frames 3 " + kData + "trials.loc 3 " + png.string()), 0)
      << err;
  const TPixmapPtr p = LoadPixmap(png.string());
  ASSERT_TRUE(p);
  EXPECT_EQ(p->width, 600);
  EXPECT_EQ(p->height, 500);
  // Floor (block frame 1) at cell (4, 3); the wall ring (frame 7) at (1, 1).
  EXPECT_EQ(p->At(3 * 50 + 25, 2 * 50 + 10)[0], 10);
  EXPECT_EQ(p->At(25, 25)[0], 70);
  EXPECT_EQ(run("render --game " + dir_.string() + " " + kData + "trials.loc 9 " + png.string()), 1);
}

}  // namespace
