#include "app/command_line.h"

#include <gtest/gtest.h>

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

}  // namespace
