// The tesmoria-pack command line, run as the asset build runs it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "data/pack.h"
#include "platform/file_system.h"
#include "tests/support/temp_dir.h"

namespace {

struct TRun {
  int status = -1;
  std::string output;  // standard output and standard error together
};

class PackCliTest : public TempDirTest {
 protected:
  TRun run(const std::string& args) {
    const std::string tool = std::string(TESMORIA_GAME_DIR) + "/tesmoria-pack";
    TRun result;
    std::FILE* pipe = popen(("cd '" + dir_.string() + "' && '" + tool + "' " + args + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    std::array<char, 256> chunk;
    size_t n;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) result.output.append(chunk.data(), n);
    int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
  }
  void SetUp() override {
    TempDirTest::SetUp();
    ASSERT_TRUE(FileExists(std::string(TESMORIA_GAME_DIR) + "/tesmoria-pack")) << "build tesmoria-pack first";
    ASSERT_TRUE(CreateDir(path("in")));
    ASSERT_TRUE(ReplaceFileAtomically(path("in/click.wav"), {'c', 'l', 'i', 'c', 'k'}));
    ASSERT_TRUE(ReplaceFileAtomically(path("in/font.ttf"), std::vector<uint8_t>(700, 'f')));
  }
};

TEST_F(PackCliTest, BuildListExtractRoundTrip) {
  TRun build = run("build --key 30571928464017 --compress data1.dat in/click.wav in/font.ttf");
  ASSERT_EQ(build.status, 0) << build.output;
  EXPECT_EQ(build.output, "");
  auto entry = openPackStream("font.ttf", path("data1.dat"), packKey);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->ReadAll(), std::vector<uint8_t>(700, 'f'));

  TRun list = run("list data1.dat");
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.output, "Listing file contents:\nclick.wav: 5\nfont.ttf: 700\n");

  TRun extract = run("extract --key 30571928464017 data1.dat CLICK.WAV out.wav");
  ASSERT_EQ(extract.status, 0) << extract.output;
  EXPECT_EQ(ReadStream(path("out.wav"))->ReadAll(), (std::vector<uint8_t>{'c', 'l', 'i', 'c', 'k'}));
}

TEST_F(PackCliTest, HelpAndFailuresAreClear) {
  TRun help = run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("tesmoria-pack build [--key KEY] [--compress] OUT FILE..."), std::string::npos);

  for (const char* args : {"", "build only.dat", "build --key", "list", "extract a b", "frobnicate x",
                           "build --level 3 x.dat in/click.wav", "list missing.dat",
                           "build x.dat in/missing.wav", "extract --key 1 missing.dat a b"}) {
    TRun bad = run(args);
    EXPECT_NE(bad.status, 0) << args;
    EXPECT_NE(bad.output.find("tesmoria-pack: "), std::string::npos) << args << ": " << bad.output;
  }
  EXPECT_FALSE(FileExists(path("x.dat")));

  ASSERT_EQ(run("build plain.dat in/click.wav").status, 0);
  TRun noEntry = run("extract plain.dat font.ttf out.ttf");
  EXPECT_NE(noEntry.status, 0);
  EXPECT_NE(noEntry.output.find("font.ttf"), std::string::npos);
}

}  // namespace
