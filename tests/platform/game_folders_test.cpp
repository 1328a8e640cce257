#include "platform/game_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/file_system.h"
#include "platform/stream.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

void writeText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string readText(const std::string& path) {
  TStreamPtr in = ReadStream(path);
  if (!in) return "<none>";
  std::vector<uint8_t> bytes = in->ReadAll();
  return std::string(bytes.begin(), bytes.end());
}

class GameFoldersTest : public TempDirTest {};

TEST_F(GameFoldersTest, AGameFolderOfItsOwnKeepsThePlayersFilesBesideTheProgram) {
  writeText(dir_ / "game/data1.dat", "pack");
  const TGameFolders f = FindGameFolders(path("game"), path("home"));
  EXPECT_EQ(f.data, path("game"));
  EXPECT_EQ(f.player, path("game"));
  EXPECT_TRUE(f.shared());
}

TEST_F(GameFoldersTest, AnInstalledProgramReadsShareAndWritesTheHomeFolderEvenWithAWritableBin) {
  writeText(dir_ / "usr/share/tesmoria/data1.dat", "pack");
  fs::create_directories(dir_ / "usr/bin");
  ASSERT_TRUE(FolderWritable(path("usr/bin")));
  const TGameFolders f = FindGameFolders(path("usr/bin"), path("home"));
  EXPECT_EQ(f.data, fs::weakly_canonical(dir_ / "usr/share/tesmoria").string());
  EXPECT_EQ(f.player, path("home"));
  EXPECT_FALSE(f.shared());
  // Tools kept in PREFIX/lib/tesmoria find the same data.
  fs::create_directories(dir_ / "usr/lib/tesmoria");
  EXPECT_EQ(FindGameFolders(path("usr/lib/tesmoria"), path("home")).data, f.data);
}

TEST_F(GameFoldersTest, AFolderWithoutDataAnywhereIsStillTheGameFolder) {
  // A build that has not made its packs yet: the program's folder serves,
  // and the missing font is reported by the game itself.
  fs::create_directories(dir_ / "bare");
  const TGameFolders f = FindGameFolders(path("bare"), path("home"));
  EXPECT_EQ(f.data, path("bare"));
  EXPECT_EQ(f.player, path("bare"));
  EXPECT_FALSE(FolderWritable(path("missing")));
}

TEST_F(GameFoldersTest, PlayerDataHomeFollowsXdgDataHomeAndFallsBackOnHome) {
  const char* oldXdg = std::getenv("XDG_DATA_HOME");
  const std::string savedXdg = oldXdg ? oldXdg : "";
  const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("HOME", "/home/ann", 1);
  setenv("XDG_DATA_HOME", "/data/ann", 1);
  EXPECT_EQ(PlayerDataHome(), "/data/ann/tesmoria");
  // Relative values are not valid there and count as unset, as does empty.
  setenv("XDG_DATA_HOME", "data", 1);
  EXPECT_EQ(PlayerDataHome(), "/home/ann/.local/share/tesmoria");
  setenv("XDG_DATA_HOME", "", 1);
  EXPECT_EQ(PlayerDataHome(), "/home/ann/.local/share/tesmoria");
  setenv("HOME", savedHome.c_str(), 1);
  if (oldXdg) setenv("XDG_DATA_HOME", savedXdg.c_str(), 1);
  else unsetenv("XDG_DATA_HOME");
}

// The player's folder is the current one; the installed data sits elsewhere.
class InstalledReadsTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    fs::create_directories(dir_ / "player");
    writeText(dir_ / "share/gfx/icon.png", "installed icon");
    writeText(dir_ / "share/sfx/a.ogg", "installed a");
    writeText(dir_ / "share/sfx/b.ogg", "installed b");
    writeText(dir_ / "share/data1.dat", "installed pack");
    previous_ = CurrentDir();
    ASSERT_TRUE(ChangeDir(path("player")));
    SetInstalledDataFolder(path("share"));
  }
  void TearDown() override {
    SetInstalledDataFolder("");
    ChangeDir(previous_);
    TempDirTest::TearDown();
  }
  std::string previous_;
};

TEST_F(InstalledReadsTest, ReadsTakeThePlayersCopyFirstThenTheInstalledOne) {
  EXPECT_EQ(readText("gfx/icon.png"), "installed icon");
  EXPECT_EQ(readText("gfx\\icon.png"), "installed icon");
  writeText(dir_ / "player/gfx/icon.png", "player icon");
  EXPECT_EQ(readText("gfx/icon.png"), "player icon");
  EXPECT_EQ(FileSize("data1.dat"), 14);
  EXPECT_TRUE(FileExists("sfx/a.ogg"));
  EXPECT_TRUE(IsDirectory("sfx"));
  EXPECT_EQ(FileSize("sfx/none.ogg"), -1);
  std::vector<uint8_t> whole;
  ASSERT_EQ(ReadFileContents("sfx/b.ogg", whole), TFileRead::read);
  EXPECT_EQ(std::string(whole.begin(), whole.end()), "installed b");
  // Absolute paths mean exactly what they say.
  EXPECT_EQ(readText(path("player/data1.dat")), "<none>");
}

TEST_F(InstalledReadsTest, WritesAndDeletesNeverReachTheInstalledData) {
  TStreamPtr out = WriteStream("data1.dat");
  ASSERT_TRUE(out);
  out->WriteString("player pack");
  out->Close();
  EXPECT_EQ(readText(path("share/data1.dat")), "installed pack");
  EXPECT_EQ(readText("data1.dat"), "player pack");
  // The first start's sound conversion deletes the OGG it converted: only
  // ever the player's copy.
  EXPECT_FALSE(DeleteFile("sfx/a.ogg"));
  EXPECT_TRUE(fs::exists(dir_ / "share/sfx/a.ogg"));
  ASSERT_TRUE(ReplaceFileAtomically("sfx/a.wav", {1, 2, 3}));
  EXPECT_TRUE(fs::exists(dir_ / "player/sfx/a.wav"));
  EXPECT_FALSE(fs::exists(dir_ / "share/sfx/a.wav"));
}

TEST_F(InstalledReadsTest, ListingsShowBothFoldersOnce) {
  writeText(dir_ / "player/sfx/a.wav", "converted");
  writeText(dir_ / "player/sfx/a.ogg", "player a");
  EXPECT_EQ(ReadDir("sfx"), (std::vector<std::string>{"a.ogg", "a.wav", "b.ogg"}));
  EXPECT_EQ(ReadDir(path("share/sfx")), (std::vector<std::string>{"a.ogg", "b.ogg"}));
  EXPECT_TRUE(ReadDir("nowhere").empty());
}

}  // namespace
