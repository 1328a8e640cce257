// Every file the game ships in gfx/ and sfx/, and both data packs, in turn
// missing and cut to half its length: the game, started headless in a copy
// of the game folder, either stops with a message naming the file (a picture
// or the font it cannot do without) or plays on to the main menu (a sound
// plays as silence; the window's icon and the pointer strip have the
// system's stand-ins; the campaign pack is not read before a location is
// played). Never a crash, a hang or a sanitizer report.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kGameDir = TESMORIA_GAME_DIR;
const fs::path kWorkDir = TESMORIA_ASSET_DAMAGE_DIR;

enum class Damage { missing, halved };

struct TDamageCase {
  std::string file;  // relative to the game folder
  Damage damage;
};

bool hasExtension(const std::string& file, const char* ext) {
  return fs::path(file).extension() == ext;
}

// The files under test, read from the built game folder when the tests are
// listed. Each Ogg sound is also tested as the WAV file the first start
// turns it into, which is what every later start reads.
std::vector<std::string> assetFiles() {
  std::vector<std::string> files;
  for (const char* folder : {"gfx", "sfx"}) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(kGameDir / folder, error)) {
      if (!entry.is_regular_file()) continue;
      const std::string file = std::string(folder) + "/" + entry.path().filename().string();
      files.push_back(file);
      if (hasExtension(file, ".ogg")) files.push_back(fs::path(file).replace_extension(".wav").string());
    }
  }
  for (const char* pack : {"data1.dat", "data2.dat"}) {
    if (fs::exists(kGameDir / pack)) files.push_back(pack);
  }
  std::sort(files.begin(), files.end());
  return files;
}

void PrintTo(const TDamageCase& c, std::ostream* out) {
  *out << c.file << (c.damage == Damage::missing ? " missing" : " cut to half");
}

std::vector<TDamageCase> damageCases() {
  std::vector<TDamageCase> cases;
  for (const std::string& file : assetFiles()) {
    cases.push_back({file, Damage::missing});
    cases.push_back({file, Damage::halved});
  }
  return cases;
}

std::string caseName(const ::testing::TestParamInfo<TDamageCase>& info) {
  std::string name = info.param.file;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name + (info.param.damage == Damage::missing ? "_missing" : "_halved");
}

// What a start with the file damaged must come to.
struct TExpected {
  int exitStatus = 0;            // 1: stopped at start-up with a message
  std::vector<std::string> said; // texts the output must hold
};

TExpected expectedFor(const TDamageCase& c) {
  const std::string stem = fs::path(c.file).stem().string();
  if (c.file == "data1.dat") return {1, {"Error: Could not load load fonts.", "data1.dat"}};
  if (c.file == "data2.dat") return {0, {}};
  if (c.file == "gfx/icon.png" || c.file == "gfx/mouse.png") return {0, {c.file}};
  if (c.file.rfind("gfx/", 0) == 0) return {1, {"Error: Could not load " + c.file + "."}};
  // A converted sound cut short keeps the whole frames it holds; anything
  // less than a sound plays as silence, said once in the log.
  if (hasExtension(c.file, ".wav") && c.damage == Damage::halved) return {0, {}};
  return {0, {"sound sfx/" + stem + ".wav could not be loaded"}};
}

// A signature of the game build's files, so the unpacked copy is made again
// when any of them changes.
std::string buildSignature() {
  std::ostringstream out;
  std::vector<std::string> files = assetFiles();
  files.push_back("tesmoria");
  for (const std::string& file : files) {
    std::error_code error;
    const auto time = fs::last_write_time(kGameDir / file, error);
    out << file << ' ' << fs::file_size(kGameDir / file, error) << ' ' << time.time_since_epoch().count() << '\n';
  }
  return out.str();
}

struct TRunResult {
  int status = -1;  // exit status, or -1 when the program did not exit by itself
  std::string output;
};

TRunResult runIn(const fs::path& folder, const std::string& command) {
  TRunResult result;
  const std::string line = "cd '" + folder.string() + "' && " + command + " 2>&1";
  std::FILE* pipe = popen(line.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> chunk;
  size_t n;
  while ((n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) result.output.append(chunk.data(), n);
  const int raw = pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The game folder with every sound already converted, made once per build
// and shared by every case (and by the test programs ctest runs side by
// side, hence the lock), so a case converts at most its own sound.
fs::path unpackedGame() {
  const fs::path game = kWorkDir / "unpacked";
  fs::create_directories(kWorkDir);
  const int lock = open((kWorkDir / "lock").c_str(), O_CREAT | O_RDWR, 0644);
  if (lock < 0 || flock(lock, LOCK_EX) != 0) return {};
  const std::string signature = buildSignature();
  const fs::path stamp = kWorkDir / "unpacked.stamp";
  if (!fs::exists(stamp) || readText(stamp) != signature) {
    fs::remove(stamp);
    fs::remove_all(game);
    fs::create_directories(game);
    for (const char* item : {"tesmoria", "gfx", "sfx", "data1.dat", "data2.dat"})
      fs::copy(kGameDir / item, game / item, fs::copy_options::recursive);
    const TRunResult unpack = runIn(game, "./tesmoria /unpack all");
    if (unpack.status == 0) std::ofstream(stamp, std::ios::binary) << signature;
  }
  const bool ready = fs::exists(stamp);
  close(lock);
  return ready ? game : fs::path();
}

class AssetDamageTest : public ::testing::TestWithParam<TDamageCase> {
 protected:
  void SetUp() override {
    game_ = unpackedGame();
    ASSERT_FALSE(game_.empty()) << "could not convert the sounds of a copy of " << kGameDir;
    folder_ = kWorkDir / ("case-" + std::to_string(getpid()));
    fs::remove_all(folder_);
    // Linked, not copied: a case writes only its profile and, for a sound,
    // the file under test, which is never a link.
    fs::copy(game_, folder_, fs::copy_options::recursive | fs::copy_options::create_hard_links);
    fs::create_directories(folder_ / "profiles");
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Damages the file in the copy, and remembers where a halved file's bytes
  // come from: what is left must come through the run unchanged.
  void damage(const TDamageCase& c) {
    const fs::path target = folder_ / c.file;
    fs::remove(target);
    // A first start: the Ogg file as shipped and no WAV made from it yet.
    if (hasExtension(c.file, ".ogg")) fs::remove(fs::path(target).replace_extension(".wav"));
    if (c.damage == Damage::missing) return;
    source_ = (hasExtension(c.file, ".ogg") ? kGameDir : game_) / c.file;
    fs::copy_file(source_, target);
    fs::resize_file(target, fs::file_size(source_) / 2);
  }

  // True when the file holds exactly the first half of its source.
  bool keptAsCut(const std::string& file) const {
    const uintmax_t half = fs::file_size(source_) / 2;
    std::error_code error;
    if (fs::file_size(folder_ / file, error) != half) return false;
    std::ifstream kept(folder_ / file, std::ios::binary), original(source_, std::ios::binary);
    std::vector<char> a(1 << 16), b(1 << 16);
    for (uintmax_t left = half; left > 0;) {
      const auto n = static_cast<std::streamsize>(std::min<uintmax_t>(left, a.size()));
      if (!kept.read(a.data(), n) || !original.read(b.data(), n) || !std::equal(a.begin(), a.begin() + n, b.begin()))
        return false;
      left -= static_cast<uintmax_t>(n);
    }
    return true;
  }

  fs::path game_, folder_, source_;
};

TEST_P(AssetDamageTest, StopsNamingItOrPlaysOn) {
  const TDamageCase& c = GetParam();
  damage(c);
  std::ofstream(folder_ / "run.txt") << "move 400 300\nclick\nwaitscreen 1 200\n";
  const TRunResult run = runIn(folder_, "timeout 300 ./tesmoria --headless --script run.txt");
  const TExpected expected = expectedFor(c);

  EXPECT_EQ(run.status, expected.exitStatus) << run.output;
  for (const std::string& text : expected.said) EXPECT_NE(run.output.find(text), std::string::npos) << text;
  for (const char* report : {"Sanitizer", "runtime error", "Segmentation"})
    EXPECT_EQ(run.output.find(report), std::string::npos) << run.output;
  if (c.damage == Damage::halved) {
    // What is left of a damaged file is kept as it was, never replaced.
    EXPECT_TRUE(keptAsCut(c.file)) << c.file << " was changed";
    if (hasExtension(c.file, ".ogg")) {
      EXPECT_FALSE(fs::exists(fs::path(folder_ / c.file).replace_extension(".wav")));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryFile, AssetDamageTest, ::testing::ValuesIn(damageCases()), caseName);

// An empty listing would pass every case by having none.
TEST(AssetDamageList, HoldsEveryKindOfFile) {
  const std::vector<std::string> files = assetFiles();
  auto has = [&](const std::string& file) { return std::find(files.begin(), files.end(), file) != files.end(); };
  EXPECT_TRUE(has("gfx/bg_main.png"));
  EXPECT_TRUE(has("sfx/fx_coin.ogg"));
  EXPECT_TRUE(has("sfx/fx_coin.wav"));
  EXPECT_TRUE(has("data1.dat"));
  EXPECT_TRUE(has("data2.dat"));
}

}  // namespace
