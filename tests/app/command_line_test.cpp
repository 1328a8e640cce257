#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/file_system.h"

namespace {

TRunSettings parse(std::vector<std::string> words) {
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  return parseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, OwnSwitchesAreTakenOut) {
  TRunSettings run = parse({"tesmoria", "--headless", "--script", "run.txt"});
  EXPECT_TRUE(run.headless);
  EXPECT_EQ(run.scriptPath, "run.txt");
  // What is left is the game's own word list, so a scripted run is not
  // mistaken for the unpacking mode.
  EXPECT_EQ(run.words, std::vector<std::string>{"tesmoria"});
  EXPECT_TRUE(run.error.empty());
  EXPECT_FALSE(parse({"tesmoria", "--script"}).error.empty());
  TRunSettings unpack = parse({"tesmoria", "/unpack", "all"});
  EXPECT_EQ(unpack.words.size(), 3u);
  EXPECT_FALSE(unpack.headless);
}

TEST(CommandLine, UnpackNames) {
  std::string pattern = (std::filesystem::temp_directory_path() / "tesmoria-unpack-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  std::string previous = CurrentDir();
  ASSERT_TRUE(ChangeDir(pattern));
  CreateDir("sfx");
  for (const char* name : {"game1.ogg", "fx_coin.ogg", "loud.OGG", "notes.ogg.txt", "title_loop.wav"})
    std::ofstream(std::string("sfx/") + name) << "x";

  // Only files ending exactly in ".ogg" count.
  EXPECT_EQ(unpackNames({"tesmoria", "/unpack", "all"}), (std::vector<std::string>{"fx_coin", "game1"}));
  EXPECT_EQ(unpackNames({"tesmoria", "/unpack", "game2"}), std::vector<std::string>{"game2"});
  // Any other second word does nothing at all.
  EXPECT_TRUE(unpackNames({"tesmoria", "/pack", "all"}).empty());
  EXPECT_TRUE(unpackNames({"tesmoria", "/unpack"}).empty());

  ChangeDir(previous);
  std::filesystem::remove_all(pattern);
}

}  // namespace
