#include "data/options.h"

#include <gtest/gtest.h>

#include "data/text_number.h"
#include "game_folder.h"
#include "platform/file_system.h"

namespace {

TFileOption split(const std::string& line) {
  TFileOption o;
  o.getFileOption(line);
  return o;
}

TEST(FileOption, KeyColonTabValue) {
  TFileOption o = split("vsync:\t1");
  EXPECT_EQ(o.identifier, "vsync");
  EXPECT_EQ(o.value, "1");
}

TEST(FileOption, CharacterAfterTheColonIsAlwaysSkipped) {
  // Without the TAB the "1" is taken for the separator and the value is empty.
  EXPECT_EQ(split("vsync:1").value, "");
  EXPECT_EQ(split("vsync:12").value, "2");
  EXPECT_EQ(split("vsync:").value, "");
  EXPECT_EQ(split("vsync:").identifier, "vsync");
}

TEST(FileOption, CommentsAndTrimming) {
  EXPECT_EQ(split("music:\t1 ; loud please").value, "1");
  EXPECT_EQ(split("music:\t  7  ").value, "7");
  TFileOption commented = split(";gfxDepth:\t16");
  EXPECT_EQ(commented.identifier, "");
  EXPECT_EQ(commented.value, "");
  TFileOption noColon = split("just some words");
  EXPECT_EQ(noColon.identifier, "");
  EXPECT_EQ(noColon.value, "");
  EXPECT_EQ(split("").identifier, "");
  // Only the first colon separates.
  TFileOption twoColons = split("a:\tb:c");
  EXPECT_EQ(twoColons.identifier, "a");
  EXPECT_EQ(twoColons.value, "b:c");
}

TEST(TextToInt, DecimalHexBinaryAndJunk) {
  EXPECT_EQ(textToInt("42"), 42);
  EXPECT_EQ(textToInt("  -17x"), -17);
  EXPECT_EQ(textToInt("+5"), 5);
  EXPECT_EQ(textToInt("$1F"), 31);
  EXPECT_EQ(textToInt("%101"), 5);
  EXPECT_EQ(textToInt("-$10"), -16);
  EXPECT_EQ(textToInt("abc"), 0);
  EXPECT_EQ(textToInt(""), 0);
  EXPECT_EQ(textToInt("-"), 0);
  // Far too many digits wrap like a 32-bit integer instead of failing.
  EXPECT_EQ(textToInt("4294967297"), 1);
}

// Each test runs in its own empty folder standing in for the program's.
class SettingsFileTest : public GameFolderTest {
 protected:
  void SetUp() override {
    GameFolderTest::SetUp();
    CreateDir("profiles");
  }
  static void write(const std::string& path, const std::string& text) {
    writeBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
  }
  static std::string read(const std::string& path) {
    std::vector<uint8_t> bytes = fileBytes(path);
    return std::string(bytes.begin(), bytes.end());
  }
  // Settings of profile `name` loaded from a file holding text.
  static std::unique_ptr<TOptions> loaded(const std::string& name, const std::string& text) {
    write("profiles/" + name + ".cfg", text);
    std::unique_ptr<TOptions> o(TOptions::create(name));
    o->load();
    return o;
  }
};

TEST_F(SettingsFileTest, NewSettingsHoldTheDefaults) {
  std::unique_ptr<TOptions> o(TOptions::create("Ann"));
  EXPECT_EQ(o->fileName, "profiles\\Ann.cfg");
  EXPECT_EQ(o->ogl, 0);
  EXPECT_EQ(o->screenD, 0);
  EXPECT_EQ(o->bestDepth, 32);
  EXPECT_EQ(o->vsync, 1);
  EXPECT_EQ(o->music + o->sounds + o->clicks + o->showTips, 4);
  EXPECT_EQ(o->played, 0);
  EXPECT_FLOAT_EQ(o->musicVol, 0.75f);
  std::unique_ptr<TOptions> nameless(TOptions::create(""));
  EXPECT_EQ(nameless->fileName, "");
  // A name that would lead out of the profiles folder gives no file at all.
  for (const char* bad : {"../evil", "a/b", "..", "a\\b"}) {
    std::unique_ptr<TOptions> o2(TOptions::create(bad));
    EXPECT_EQ(o2->fileName, "") << bad;
    EXPECT_FALSE(o2->save(""));
  }
}

TEST_F(SettingsFileTest, SaveWritesTheTenLinesAndLoadReadsThemBack) {
  std::unique_ptr<TOptions> o(TOptions::create("Ann"));
  o->screenD = 32;
  o->vsync = 0;
  o->music = 0;
  o->played = 1;
  ASSERT_TRUE(o->save(""));
  EXPECT_EQ(read("profiles/Ann.cfg"),
            "glDriver:\t0\r\ngfxDepth:\t32\r\nvsync:\t0\r\n\r\nmusic:\t0\r\nsounds:\t1\r\nclicks:\t1\r\n\r\n"
            "showTips:\t1\r\nplayed:\t1\r\n");
  std::unique_ptr<TOptions> back(TOptions::create("Ann"));
  back->load();
  EXPECT_EQ(back->screenD, 32);
  EXPECT_EQ(back->vsync, 0);
  EXPECT_EQ(back->music, 0);
  EXPECT_EQ(back->played, 1);
  EXPECT_FLOAT_EQ(back->musicVol, 0.0f);
  EXPECT_FLOAT_EQ(back->soundVol, 0.75f);
  // No temporary file is left behind.
  EXPECT_EQ(ReadDir("profiles").size(), 1u);
}

TEST_F(SettingsFileTest, LoaderQuirks) {
  write("profiles/Bob.cfg",
        ";gfxDepth:\t16\r\n"         // commented out: not taken
        "vsync:0\r\n"                 // no TAB: the value is empty, so 0
        "music:\t1 ; on\r\n"          // trailing comment
        "sounds:\t$0\r\n"             // hexadecimal
        "Clicks:\t0\r\n"              // keys are case sensitive: ignored
        "x:\t0\r\n"                   // one-letter keys are skipped
        "showTips:\tno\r\n"           // not a number: 0
        "played:\t%1\r\n"             // binary
        "unknown:\t5\r\n");
  std::unique_ptr<TOptions> o(TOptions::create("Bob"));
  o->music = 0;
  o->load();
  EXPECT_EQ(o->screenD, 0);
  EXPECT_EQ(o->vsync, 0);
  EXPECT_EQ(o->music, 1);
  EXPECT_EQ(o->sounds, 0);
  EXPECT_EQ(o->clicks, 1);
  EXPECT_EQ(o->showTips, 0);
  EXPECT_EQ(o->played, 1);
  EXPECT_FLOAT_EQ(o->musicVol, 0.75f);
  EXPECT_FLOAT_EQ(o->soundVol, 0.0f);
}

TEST_F(SettingsFileTest, VolumesFollowTheFlagsWhateverTheFileHolds) {
  auto o = loaded("Cy", "music:\t7\r\nsounds:\t-3\r\nclicks:\t0\r\n");
  EXPECT_FLOAT_EQ(o->musicVol, 0.75f);
  EXPECT_FLOAT_EQ(o->soundVol, 0.75f);
  EXPECT_FLOAT_EQ(o->clickVol, 0.0f);
}

TEST_F(SettingsFileTest, DepthsFullScreenCannotShowBecomeTheBestDepth) {
  EXPECT_EQ(loaded("Di", "gfxDepth:\t7\r\n")->screenD, 32);
  EXPECT_EQ(loaded("Di", "gfxDepth:\t0\r\n")->screenD, 0);
  EXPECT_EQ(loaded("Di", "gfxDepth:\t32\r\n")->screenD, 32);
}

TEST_F(SettingsFileTest, MissingFileOrNameChangesNothing) {
  std::unique_ptr<TOptions> o(TOptions::create("Nobody"));
  o->vsync = 0;
  o->load();
  EXPECT_EQ(o->vsync, 0);
  o->setFileName("");
  EXPECT_FALSE(o->save(""));
  EXPECT_TRUE(ReadDir("profiles").empty());
  // Saving under a name fixes the file name first.
  EXPECT_TRUE(o->save("Eve"));
  EXPECT_EQ(o->fileName, "profiles\\Eve.cfg");
  EXPECT_TRUE(FileExists("profiles/Eve.cfg"));
}

TEST_F(SettingsFileTest, TruncatedFileKeepsWhatWasRead) {
  auto o = loaded("Fay", "vsync:\t0\r\nmusic:\t");
  EXPECT_EQ(o->vsync, 0);
  EXPECT_EQ(o->music, 0);
}

}  // namespace
