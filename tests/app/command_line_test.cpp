#include "app/command_line.h"

#include <gtest/gtest.h>

#include "audio/sfx_set.h"

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
  // The start-up timing switch, which the desktop measuring script gives.
  TRunSettings timed = parse({"tesmoria", "--first-frame-stamp", "stamp"});
  EXPECT_EQ(timed.action, TRunAction::play);
  EXPECT_EQ(timed.firstFrameStamp, "stamp");
  EXPECT_EQ(timed.words, std::vector<std::string>{"tesmoria"});
  EXPECT_EQ(parse({"tesmoria", "--first-frame-stamp"}).action, TRunAction::badUsage);
}

TEST(CommandLine, HelpVersionAndMistakes) {
  EXPECT_EQ(parse({"tesmoria", "--help"}).action, TRunAction::help);
  EXPECT_EQ(parse({"tesmoria", "-h", "--headless"}).action, TRunAction::help);
  EXPECT_EQ(parse({"tesmoria", "--version"}).action, TRunAction::version);
  // Asked for both, help wins.
  EXPECT_EQ(parse({"tesmoria", "--version", "--help"}).action, TRunAction::help);
  TRunSettings unknown = parse({"tesmoria", "--fullscreen"});
  EXPECT_EQ(unknown.action, TRunAction::badUsage);
  EXPECT_EQ(unknown.error, "unknown option --fullscreen");
  EXPECT_EQ(parse({"tesmoria", "-x"}).action, TRunAction::badUsage);
  EXPECT_EQ(parse({"tesmoria", "--script"}).action, TRunAction::badUsage);
  EXPECT_EQ(parse({"tesmoria"}).action, TRunAction::play);
  EXPECT_NE(versionLine().find("tesmoria 1."), std::string::npos);
  EXPECT_EQ(usageText().rfind("Usage: tesmoria", 0), 0u);
}

TEST(CommandLine, UnpackWordsAreNotOptions) {
  TRunSettings unpack = parse({"tesmoria", "/unpack", "fx_coin"});
  EXPECT_EQ(unpack.action, TRunAction::play);
  EXPECT_EQ(unpackNames(unpack.words), std::vector<std::string>{"fx_coin"});
  // Two words whose first is not /unpack: nothing is converted, and the
  // program says why; a lone "-" is a word, not an option.
  EXPECT_TRUE(unpackNames(parse({"tesmoria", "/other", "all"}).words).empty());
  EXPECT_EQ(parse({"tesmoria", "/other", "all"}).action, TRunAction::badUsage);
  TRunSettings dash = parse({"tesmoria", "-", "x"});
  EXPECT_EQ(dash.action, TRunAction::badUsage);
  EXPECT_EQ(dash.error, "unexpected word \"-\"");
}

// /unpack converts and deletes files: it takes only the game's own sounds,
// never a path, and never starts the game without a word to act on.
TEST(CommandLine, UnpackTakesOnlyTheGamesOwnSounds) {
  for (const char* hostile : {"../../dir/song", "/etc/passwd", "..", "fx_coin/../../x", "unknown_sound"}) {
    TRunSettings run = parse({"tesmoria", "/unpack", hostile});
    EXPECT_EQ(run.action, TRunAction::badUsage) << hostile;
    EXPECT_NE(run.error.find("not one of the game's sounds"), std::string::npos) << hostile;
    EXPECT_TRUE(unpackNames(run.words).empty()) << hostile;
  }
  TRunSettings alone = parse({"tesmoria", "/unpack"});
  EXPECT_EQ(alone.action, TRunAction::badUsage);
  EXPECT_NE(alone.error.find("needs"), std::string::npos);
  EXPECT_EQ(parse({"tesmoria", "foo", "bar"}).action, TRunAction::badUsage);
  EXPECT_EQ(parse({"tesmoria", "foo"}).action, TRunAction::badUsage);
  EXPECT_EQ(parse({"tesmoria", "/unpack", "all", "more"}).action, TRunAction::badUsage);
  // Every sound of the game can be named, and help still wins over words.
  for (const std::string& name : gameSoundNames())
    EXPECT_EQ(parse({"tesmoria", "/unpack", name.c_str()}).action, TRunAction::play) << name;
  EXPECT_EQ(parse({"tesmoria", "--help", "foo"}).action, TRunAction::help);
}

}  // namespace
