#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/screen.h"
#include "app/startup.h"
#include "data/options.h"
#include "data/profile.h"
#include "platform/file_system.h"
#include "platform/graphics.h"
#include "tests/data/game_folder.h"

namespace {

// Switching from Ann to Bob saves Ann's settings, loads Bob's, and reopens
// the display only when the display settings differ.
class SwitchProfileTest : public GameFolderTest {
 protected:
  void SetUp() override {
    GameFolderTest::SetUp();
    CreateDir("profiles");
    profile = new TProfile();
    profile->name = "Ann";
    options = TOptions::create("Ann");
    options->screenD = 0;
    screen = new TScreen();
    screen->setRes();
  }
  void TearDown() override {
    delete screen;
    delete options;
    delete profile;
    screen = nullptr;
    options = nullptr;
    profile = nullptr;
    EndGraphics();
    GameFolderTest::TearDown();
  }
  static void writeSettings(const std::string& name, const std::string& text) {
    writeBytes("profiles/" + name + ".cfg", std::vector<uint8_t>(text.begin(), text.end()));
  }
};

TEST_F(SwitchProfileTest, SavesTheOldSettingsAndLoadsTheNew) {
  options->vsync = 0;
  writeSettings("Bob", "gfxDepth:\t0\r\nvsync:\t1\r\nmusic:\t0\r\n");
  const int generation = GraphicsGeneration();
  switchProfile("Bob");
  EXPECT_EQ(profile->name, "Bob");
  EXPECT_EQ(options->fileName, "profiles\\Bob.cfg");
  EXPECT_EQ(options->vsync, 1);
  EXPECT_EQ(options->music, 0);
  EXPECT_FLOAT_EQ(options->musicVol, 0.0f);
  // Ann's settings went to her file before the switch.
  std::unique_ptr<TOptions> ann(TOptions::create("Ann"));
  ann->vsync = 1;
  ann->load();
  EXPECT_EQ(ann->vsync, 0);
  // Same display mode: the display stays open as it was.
  EXPECT_EQ(GraphicsGeneration(), generation);
}

TEST_F(SwitchProfileTest, AnotherDisplayModeReopensTheDisplay) {
  writeSettings("Bob", "gfxDepth:\t32\r\n");
  const int generation = GraphicsGeneration();
  switchProfile("Bob");
  EXPECT_EQ(options->screenD, 32);
  EXPECT_GT(GraphicsGeneration(), generation);
  EXPECT_TRUE(GraphicsOpen());
}

}  // namespace
