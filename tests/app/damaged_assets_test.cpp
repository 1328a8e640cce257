// Every file the game ships in its folder (pictures, sounds, the two data
// packs), deleted and cut to half its length in turn: the game either plays
// on (a sound is silent, a location is missing) or stops at start-up with a
// message naming what it could not load. It never crashes, and the
// sanitizer build of this test runs the sanitizer build of the game.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kGameDir = TESMORIA_GAME_DIR;

enum class TDamage { missing, halved };

struct TDamagedFile {
  std::string file;  // relative to the game folder
  TDamage damage;
};

std::string testName(const ::testing::TestParamInfo<TDamagedFile>& info) {
  std::string name = (info.param.damage == TDamage::missing ? "missing_" : "halved_") + info.param.file;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

// The files a player's copy of the game holds, as the build lays them out.
std::vector<TDamagedFile> shippedFiles() {
  std::vector<std::string> files;
  std::error_code ec;
  for (const char* folder : {"gfx", "sfx"})
    for (const auto& entry : fs::directory_iterator(kGameDir / folder, ec))
      if (entry.is_regular_file()) files.push_back(std::string(folder) + "/" + entry.path().filename().string());
  for (const char* pack : {"data1.dat", "data2.dat"})
    if (fs::exists(kGameDir / pack)) files.push_back(pack);
  std::sort(files.begin(), files.end());
  std::vector<TDamagedFile> cases;
  for (const std::string& f : files)
    for (TDamage d : {TDamage::missing, TDamage::halved}) cases.push_back({f, d});
  return cases;
}

// Intro, main menu with a new name, the campaign map, a room of Abydos, the
// main menu again: the screens that draw most pictures and play most sounds.
constexpr const char* kTour =
    "move 400 300\nclick\nwait 20\ntype Tester\nkey Enter\nwait 10\n"
    "move 598 290\nclick\nwait 60\nmove 160 340\nclick\nwait 80\nkey Escape\nwait 30\n";

int runQuietly(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string readText(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class DamagedAssets : public ::testing::TestWithParam<TDamagedFile> {
 protected:
  // One game folder with its sounds already converted, shared by all runs:
  // each run damages one file in a linked copy of it.
  static void SetUpTestSuite() {
    base_ = fs::temp_directory_path() / ("tesmoria_assets_base_" + std::to_string(getpid()));
    fs::remove_all(base_);
    ASSERT_EQ(runQuietly("cp -al '" + kGameDir.string() + "' '" + base_.string() + "'"), 0);
    ASSERT_EQ(runQuietly("cd '" + base_.string() + "' && ./tesmoria /unpack all >/dev/null 2>&1"), 0);
  }
  static void TearDownTestSuite() { fs::remove_all(base_); }

  static fs::path base_;
};
fs::path DamagedAssets::base_;

TEST_P(DamagedAssets, TheGameRunsOnOrNamesTheFile) {
  const TDamagedFile& c = GetParam();
  const fs::path run = fs::temp_directory_path() / ("tesmoria_assets_" + std::to_string(getpid()) + "_" +
                                                    testName({c, 0}));
  fs::remove_all(run);
  ASSERT_EQ(runQuietly("cp -al '" + base_.string() + "' '" + run.string() + "'"), 0);

  // A damaged sound is met as the player meets it: as the Ogg file a first
  // start converts.
  fs::path target = run / c.file;
  if (fs::path(c.file).extension() == ".ogg") fs::remove(fs::path(target).replace_extension(".wav"));
  fs::remove(target);  // a link: removing it leaves the other copies alone
  if (c.damage == TDamage::halved) {
    const std::string whole = readText(kGameDir / c.file);
    std::ofstream(target, std::ios::binary) << whole.substr(0, whole.size() / 2);
  }
  std::ofstream(run / "tour.txt") << kTour;

  const int status = runQuietly("cd '" + run.string() + "' && ./tesmoria --headless --script tour.txt >out.txt 2>&1");
  const std::string out = readText(run / "out.txt");
  EXPECT_EQ(out.find("Sanitizer"), std::string::npos) << out;
  EXPECT_EQ(out.find("runtime error"), std::string::npos) << out;
  if (status != 0) {
    EXPECT_EQ(status, 1) << out;
    // The font comes out of data1.dat; every other file is named itself.
    const std::string named = c.file == "data1.dat" ? "fonts" : c.file;
    EXPECT_NE(out.find("Error: Could not load"), std::string::npos) << out;
    EXPECT_NE(out.find(named), std::string::npos) << out;
  }
  fs::remove_all(run);
}

INSTANTIATE_TEST_SUITE_P(EveryShippedFile, DamagedAssets, ::testing::ValuesIn(shippedFiles()), testName);

}  // namespace
