// Checks the sounds and the font that the build makes: every file is there,
// decodes, has a sensible length and level, never clips, loops join without
// a click, and making them again gives the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "effects.h"
#include "platform/audio_sample.h"
#include "mastering.h"
#include "sound_files.h"
#include "wav_file.h"

#if __has_include("data/pack.h")
#include "data/pack.h"
#define TESMORIA_HAVE_PACKS 1
#endif

namespace fs = std::filesystem;

namespace {

struct ExpectedSound {
  const char* name;
  double minSeconds, maxSeconds;
};

const std::string kGameDir = TESMORIA_GAME_DIR;

// Everything the sound set and the playlist load from "sfx".
const ExpectedSound kSfxFiles[] = {
    {"title_loop", 60, 120}, {"map_loop", 60, 120},   {"game1", 120, 240},        {"game2", 120, 240},
    {"fx_move_loop", 0.5, 3}, {"fx_coin", 0.2, 2},    {"fx_map", 0.3, 2},         {"fx_ankh", 0.5, 3},
    {"fx_explosion", 0.5, 3}, {"fx_glyph", 2.0, 3.0}, {"end_room", 1.5, 15},      {"end_location", 2, 15},
    {"end_game", 3, 15},      {"end_fail", 1.5, 15},
};
// The sounds inside "data1.dat".
const ExpectedSound kPackedSounds[] = {
    {"click", 0.02, 0.3}, {"firework1", 0.5, 3}, {"firework2", 0.5, 3}, {"firework3", 0.5, 3}};
const char* const kMusic[] = {"title_loop", "map_loop", "game1", "game2"};
const char* const kLoops[] = {"title_loop", "map_loop", "fx_move_loop"};

std::string sfxPath(const std::string& name) { return kGameDir + "/sfx/" + name + ".ogg"; }

AudioBuffer loadOrFail(const std::string& path) {
  AudioBuffer sound;
  std::string error;
  EXPECT_TRUE(LoadSound(path, sound, error)) << error;
  return sound;
}

std::vector<uint8_t> fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A packed file's bytes: from "data1.dat" when the pack code is in the tree,
// else from the folder the build packs them from.
std::vector<uint8_t> packedFile(const std::string& entry) {
#ifdef TESMORIA_HAVE_PACKS
  TStreamPtr stream = openPackStream(entry, kGameDir + "/data1.dat", "30571928464017");
  if (!stream) return {};
  std::vector<uint8_t> bytes(size_t(std::max<int64_t>(0, stream->Size())));
  stream->ReadBytes(bytes.data(), int64_t(bytes.size()));
  return bytes;
#else
  return fileBytes(std::string(TESMORIA_SOUND_PACK_WORK) + "/" + entry);
#endif
}

size_t clippedSamples(const AudioBuffer& sound) {
  return size_t(std::count_if(sound.samples.begin(), sound.samples.end(), [](float s) { return std::fabs(s) >= 0.999f; }));
}

void expectHealthy(const std::string& label, const AudioBuffer& sound, const ExpectedSound& expected) {
  EXPECT_EQ(sound.rate, 44100) << label;
  EXPECT_GE(sound.seconds(), expected.minSeconds) << label;
  EXPECT_LE(sound.seconds(), expected.maxSeconds) << label;
  Levels levels = MeasureLevels(sound);
  EXPECT_LT(ToDb(levels.peak), -0.1) << label << " peaks at full scale";
  EXPECT_EQ(clippedSamples(sound), 0u) << label;
  EXPECT_GT(ToDb(levels.loudestRms), -40.0) << label << " is nearly silent";
}

double rmsDb(const AudioBuffer& sound, size_t first, size_t count) {
  double sum = 0;
  for (size_t f = first; f < first + count; ++f)
    for (int c = 0; c < sound.channels; ++c) sum += double(sound.at(f, c)) * sound.at(f, c);
  return ToDb(std::sqrt(sum / double(count * sound.channels)));
}

// A private folder for re-made files, removed afterwards.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& tag)
      : path_(fs::temp_directory_path() / ("tesmoria_" + tag + "_" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
  }
  ~ScratchFolder() { fs::remove_all(path_); }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

int run(const std::string& command) { return std::system(command.c_str()); }

}  // namespace

TEST(SoundFiles, EverySfxFileDecodesWithSaneLengthAndLevel) {
  for (const ExpectedSound& expected : kSfxFiles) {
    std::string path = sfxPath(expected.name);
    ASSERT_TRUE(fs::exists(path)) << path;
    expectHealthy(expected.name, loadOrFail(path), expected);
  }
}

TEST(SoundFiles, PackedSoundsArePlain16BitWav) {
  for (const ExpectedSound& expected : kPackedSounds) {
    std::vector<uint8_t> bytes = packedFile(std::string(expected.name) + ".wav");
    ASSERT_GT(bytes.size(), 44u) << expected.name;
    // The game's WAV loader takes only format tag 1 (PCM) with 8 or 16 bits.
    EXPECT_EQ(bytes[20] | bytes[21] << 8, 1) << expected.name;
    EXPECT_EQ(bytes[34] | bytes[35] << 8, 16) << expected.name;
    AudioBuffer sound;
    std::string error;
    ASSERT_TRUE(ParseWav(bytes, sound, error)) << expected.name << ": " << error;
    expectHealthy(expected.name, sound, expected);
  }
}

TEST(SoundFiles, TheGamesOwnDecodersTakeEveryFile) {
  for (const ExpectedSound& expected : kSfxFiles) {
    std::string name = expected.name;
    TAudioSamplePtr sample = DecodeOggVorbis(fileBytes(sfxPath(name)));
    ASSERT_NE(sample, nullptr) << name;
    AudioBuffer ours = loadOrFail(sfxPath(name));
    EXPECT_EQ(size_t(sample->length), ours.frames()) << name;
    EXPECT_EQ(sample->hertz, 44100) << name;
    bool music = name.rfind("fx_", 0) != 0;
    EXPECT_EQ(sample->format, music ? kSampleStereo16 : kSampleMono16) << name;
  }
  for (const ExpectedSound& expected : kPackedSounds) {
    TAudioSamplePtr sample = DecodeWav(packedFile(std::string(expected.name) + ".wav"));
    ASSERT_NE(sample, nullptr) << expected.name;
    EXPECT_EQ(sample->format, kSampleMono16) << expected.name;
  }
}

TEST(SoundFiles, MusicIsEvenAndSitsUnderTheEffects) {
  std::vector<double> music;
  for (const char* name : kMusic) music.push_back(ToDb(MeasureLevels(loadOrFail(sfxPath(name))).rms));
  auto [quietest, loudest] = std::minmax_element(music.begin(), music.end());
  EXPECT_LT(*loudest - *quietest, 1.0) << "music tracks differ in loudness";

  std::vector<double> effects;
  for (const char* name : {"fx_coin", "fx_map", "fx_ankh", "fx_explosion", "fx_glyph", "fx_move_loop"})
    effects.push_back(ToDb(MeasureLevels(loadOrFail(sfxPath(name))).loudestRms));
  std::sort(effects.begin(), effects.end());
  double median = (effects[2] + effects[3]) / 2;
  EXPECT_LT(*loudest, median - 2.0) << "music would drown the effects";
}

TEST(SoundFiles, LoopsJoinWithoutAClick) {
  for (const char* name : kLoops) {
    AudioBuffer sound = loadOrFail(sfxPath(name));
    ASSERT_GT(sound.frames(), size_t(sound.rate)) << name;
    Seam seam = MeasureSeam(sound);
    // The step from the last frame back to the first is no larger than the
    // ordinary steps of the sound around the seam.
    EXPECT_LT(seam.jump, 2.0 * seam.nearby + 5e-4) << name;
    EXPECT_LT(seam.jump, seam.typical) << name;
    // Nor does the loudness jump across the seam.
    size_t window = size_t(0.05 * sound.rate);
    double end = rmsDb(sound, sound.frames() - window, window), start = rmsDb(sound, 0, window);
    EXPECT_LT(std::fabs(end - start), 6.0) << name;
  }
}

TEST(SoundFiles, EffectsComeOutByteIdenticalWhenMadeAgain) {
  ScratchFolder scratch("effects");
  for (const EffectRecipe& recipe : EffectRecipes()) {
    std::string name = recipe.name;
    bool packed = std::any_of(std::begin(kPackedSounds), std::end(kPackedSounds),
                              [&](const ExpectedSound& s) { return name == s.name; });
    std::string again = scratch / (name + (packed ? ".wav" : ".ogg"));
    ASSERT_EQ(run(std::string(TESMORIA_AUDIO_TOOL) + " effect " + name + " " + again), 0) << name;
    std::vector<uint8_t> built = packed ? packedFile(name + ".wav") : fileBytes(sfxPath(name));
    EXPECT_FALSE(built.empty()) << name;
    EXPECT_TRUE(built == fileBytes(again)) << name << " differs between two runs";
  }
}

TEST(SoundFiles, MusicComesOutByteIdenticalWhenMadeAgain) {
  // A short tune and a loop go through every step: composing, FluidSynth,
  // folding the loop, levelling and encoding.
  ScratchFolder scratch("music");
  for (const std::string name : {"end_room", "map_loop"}) {
    std::string again = scratch / (name + ".ogg");
    std::string command = std::string(TESMORIA_PYTHON) + " " TESMORIA_SOURCE_DIR "/assets/sound/make_music.py --tool " +
                          TESMORIA_AUDIO_TOOL + " --fluidsynth " + TESMORIA_FLUIDSYNTH + " --soundfont " +
                          TESMORIA_SOUNDFONT + " --work " + (scratch / "work") + " " + name + " " + again;
    ASSERT_EQ(run(command), 0) << command;
    EXPECT_TRUE(fileBytes(sfxPath(name)) == fileBytes(again)) << name << " differs between two runs";
  }
}
