#include "audio/sfx_set.h"

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/font_pack.h"
#include "app/globals.h"
#include "app/shell_services.h"
#include "data/pack.h"
#include "platform/image_font.h"
#include "data/pack_tool.h"
#include "data/safe_file.h"
#include "platform/file_system.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_dir.h"

namespace {

// Runs in a fresh folder holding "sfx", as the program's folder would.
class SfxSetTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    ASSERT_TRUE(SetAudioDriver("memory"));
    oldDir_ = CurrentDir();
    ASSERT_TRUE(ChangeDir(dir_.string()));
    ASSERT_TRUE(CreateDir("sfx"));
  }
  void TearDown() override {
    ChangeDir(oldDir_);
    StopAllChannels();
    CloseAudio();
    TempDirTest::TearDown();
  }
  static void writeOgg(const std::string& name, int frames = 3000) {
    ASSERT_TRUE(ReplaceFileAtomically("sfx/" + name + ".ogg", testsound::oggTone(1, 22050, frames)));
  }
  std::string oldDir_;
};

TEST_F(SfxSetTest, CheckWavConvertsOnceAndDrawsTheSetupScreenOnlyWhenAsked) {
  writeOgg("fx_coin", 3000);
  TSfx sfx;
  std::vector<std::string> drawn;
  sfx.drawSetupScreen = [&](const std::string& title, const std::string& detail) {
    drawn.push_back(title + "|" + detail);
  };
  EXPECT_TRUE(sfx.checkWav("fx_coin", 1));
  EXPECT_EQ(drawn, std::vector<std::string>{"Setting Up - Please wait...|Unpacking sound file - fx_coin"});
  EXPECT_FALSE(FileExists("sfx/fx_coin.ogg"));
  auto wav = LoadAudioSample(std::string("sfx/fx_coin.wav"));
  ASSERT_NE(wav, nullptr);
  EXPECT_EQ(wav->length, 3000);
  EXPECT_EQ(wav->hertz, 22050);
  EXPECT_EQ(wav->format, kSampleMono16);
  EXPECT_TRUE(sfx.checkWav("fx_coin", 1));  // already there: nothing drawn
  EXPECT_EQ(drawn.size(), 1u);

  writeOgg("fx_map");
  EXPECT_TRUE(sfx.checkWav("fx_map", 0));
  EXPECT_EQ(drawn.size(), 1u);
}

TEST_F(SfxSetTest, CheckWavNeverWritesASoundItDoesNotHave) {
  TSfx sfx;
  EXPECT_FALSE(sfx.checkWav("nothing_here", 0));
  EXPECT_FALSE(FileExists("sfx/nothing_here.wav"));
  ASSERT_TRUE(ReplaceFileAtomically("sfx/broken.ogg", {'O', 'g', 'g', 'S', 1, 2, 3}));
  EXPECT_FALSE(sfx.checkWav("broken", 0));
  EXPECT_FALSE(FileExists("sfx/broken.wav"));
  EXPECT_TRUE(FileExists("sfx/broken.ogg"));  // kept: it may be mended later
  // An empty WAV left by some earlier failure is made again.
  writeOgg("fx_ankh");
  ASSERT_TRUE(ReplaceFileAtomically("sfx/fx_ankh.wav", {}));
  EXPECT_TRUE(sfx.checkWav("fx_ankh", 0));
  EXPECT_GT(FileSize("sfx/fx_ankh.wav"), 44);
}

TEST_F(SfxSetTest, ADamagedOrEmptyOggIsKeptAndNoShortWavIsMade) {
  TSfx sfx;
  const auto whole = testsound::oggTone(1, 22050, 20000);
  const std::vector<uint8_t> half(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2));
  for (const auto& [name, bytes] : {std::pair{"fx_map", half}, std::pair{"fx_coin", std::vector<uint8_t>{}}}) {
    ASSERT_TRUE(ReplaceFileAtomically(std::string("sfx/") + name + ".ogg", bytes));
    EXPECT_FALSE(sfx.checkWav(name, 0)) << name;
    EXPECT_FALSE(FileExists(std::string("sfx/") + name + ".wav")) << name;
    std::vector<uint8_t> kept;
    ASSERT_TRUE(readWholeFile(std::string("sfx/") + name + ".ogg", kept)) << name;
    EXPECT_EQ(kept, bytes) << name;
  }
}

TEST_F(SfxSetTest, UnpackAllConvertsEveryOggFileAndOneNameJustThatOne) {
  writeOgg("game1");
  writeOgg("end_room");
  writeOgg("fx_glyph");
  ASSERT_TRUE(ReplaceFileAtomically("sfx/readme.txt", {'x'}));
  runUnpackMode({"tesmoria", "/unpack", "fx_glyph"});
  EXPECT_TRUE(FileExists("sfx/fx_glyph.wav"));
  EXPECT_TRUE(FileExists("sfx/game1.ogg"));
  runUnpackMode({"tesmoria", "/unpack", "all"});
  EXPECT_EQ(ReadDir("sfx"), (std::vector<std::string>{"end_room.wav", "fx_glyph.wav", "game1.wav", "readme.txt"}));
  runUnpackMode({"tesmoria", "/unpack", "absent"});
  EXPECT_FALSE(FileExists("sfx/absent.wav"));

}

TEST_F(SfxSetTest, LoadFillsTheSetsAndNamesWhatIsMissing) {
  writeOgg("title_loop");
  writeOgg("fx_coin");
  writeOgg("end_game");
  writeOgg("fx_glyph");
  ASSERT_TRUE(ReplaceFileAtomically("click.wav", testsound::wavFile(testsound::pcm16({1, 2, 3}))));
  std::string error;
  ASSERT_TRUE(buildPack("data1.dat", {"click.wav"}, packKey, true, error)) << error;

  TSfx sfx;
  int screens = 0;
  sfx.drawSetupScreen = [&](const std::string&, const std::string&) { ++screens; };
  auto missing = sfx.load();
  EXPECT_EQ(screens, 14);  // once per sound without a WAV file, converted or not
  EXPECT_EQ(sfx.music->count(), 4);
  EXPECT_EQ(sfx.music->songList[0], "sfx/title_loop.wav");
  EXPECT_EQ(sfx.sounds->count(), 5);
  EXPECT_NE(sfx.sounds->soundList[1].sound, nullptr);   // fx_coin
  EXPECT_EQ(sfx.sounds->soundList[0].sound, nullptr);   // fx_move_loop is missing
  EXPECT_EQ(sfx.endTunes->soundList[2].id, 2);
  EXPECT_NE(sfx.endTunes->soundList[2].sound, nullptr);  // end_game
  EXPECT_NE(sfx.glyphSnd, nullptr);
  ASSERT_EQ(sfx.clicks->count(), 1);
  EXPECT_NE(sfx.clicks->soundList[0].sound, nullptr);
  EXPECT_EQ(missing.size(), 10u);
  EXPECT_NE(std::find(missing.begin(), missing.end(), "sfx/game2.wav"), missing.end());

  sfx.setVolume(0.5f, 0.25f, 1.0f);
  EXPECT_EQ(sfx.music->getVolume(), 0.5f);
  EXPECT_EQ(sfx.endTunes->getVolume(), 0.25f);
  EXPECT_EQ(sfx.sounds->getVolume(), 0.25f);
  EXPECT_EQ(sfx.clicks->getVolume(), 1.0f);

  // A second start finds everything converted and draws nothing.
  TSfx again;
  again.drawSetupScreen = [&](const std::string&, const std::string&) { ++screens; };
  again.load();
  EXPECT_EQ(screens, 14 + 10);  // only the ten still missing
}

// The WAV file cannot be written (a read-only folder; here a folder stands
// where its temporary file goes): the whole OGG file plays as it is instead
// of leaving the game silent, and stays for a later start to convert.
TEST_F(SfxSetTest, ASoundThatCannotBeConvertedPlaysFromItsOggFile) {
  writeOgg("fx_coin");
  writeOgg("title_loop");
  ASSERT_TRUE(CreateDir("sfx/fx_coin.wav.tmp"));
  ASSERT_TRUE(CreateDir("sfx/title_loop.wav.tmp"));
  TSfx sfx;
  const std::vector<std::string> missing = sfx.load();
  EXPECT_NE(sfx.sounds->soundList[1].sound, nullptr);  // fx_coin
  EXPECT_EQ(sfx.music->songList[0], "sfx/title_loop.ogg");
  EXPECT_EQ(std::find(missing.begin(), missing.end(), "sfx/fx_coin.wav"), missing.end());
  EXPECT_TRUE(FileExists("sfx/fx_coin.ogg"));
  EXPECT_FALSE(FileExists("sfx/fx_coin.wav"));
}

TEST_F(SfxSetTest, FontComesFromDataPackOne) {
  EXPECT_EQ(openFontStream(), nullptr);
  const std::vector<uint8_t> font = {0, 1, 0, 0, 'f', 'o', 'n', 't'};
  ASSERT_TRUE(ReplaceFileAtomically("font.ttf", font));
  std::string error;
  ASSERT_TRUE(buildPack("data1.dat", {"font.ttf"}, packKey, true, error)) << error;
  auto stream = openFontStream();
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(stream->ReadAll(), font);
}

TEST_F(SfxSetTest, ARealFontLoadsFromThePackAtEverySizeAfterRewinding) {
  const std::string dejavu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  ASSERT_TRUE(FileExists(dejavu)) << "fonts-dejavu-core is in the set-up list";
  ASSERT_TRUE(ReplaceFileAtomically("font.ttf", ReadStream(dejavu)->ReadAll()));
  std::string error;
  ASSERT_TRUE(buildPack("data1.dat", {"font.ttf"}, packKey, true, error)) << error;
  auto stream = openFontStream();
  ASSERT_NE(stream, nullptr);
  for (int size : {12, 24}) {
    stream->Seek(0);
    auto font = LoadImageFont(stream, size, 1);
    ASSERT_NE(font, nullptr) << size;
    EXPECT_NE(font->Glyph('A'), nullptr);
  }
}

}  // namespace

namespace {

// The main loop's calls into the sound set, before and after it exists.
TEST_F(SfxSetTest, ShellCallsWaitForTheSoundSetAndThenDriveIt) {
  ASSERT_EQ(sfx, nullptr);
  shellUpdateMusic();
  shellPlayMusic(2);
  shellPauseAllSound();
  shellResumeAllSound(true);
  shellSetVolumes(1, 1, 1);

  writeOgg("game1", 30000);
  writeOgg("game2", 30000);
  shellLoadSounds();  // no display: converts without drawing
  EXPECT_TRUE(FileExists("sfx/game1.wav"));
  shellSetVolumes(0.5f, 0.25f, 1.0f);
  shellPlayMusic(2);
  EXPECT_TRUE(ChannelPlaying(sfx->music->songChannel));
  shellPauseMusicUnless(2);  // the wanted track already plays: left alone
  EXPECT_EQ(sfx->music->musicStopped, 0);
  shellPauseAllSound();  // focus lost: silent, and still silent after frames
  shellUpdateMusic();
  shellUpdateMusic();
  EXPECT_EQ(sfx->music->currentSong, 2);
  EXPECT_FALSE(ChannelPlaying(sfx->music->songChannel));
  shellResumeAllSound(true);
  EXPECT_TRUE(ChannelPlaying(sfx->music->songChannel));
  shellPauseMusicUnless(0);
  EXPECT_EQ(sfx->music->musicStopped, 1);
  delete sfx;
  sfx = nullptr;
}

}  // namespace
