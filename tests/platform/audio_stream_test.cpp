// Music streamed from its wave file must sound exactly as the same file
// loaded whole, across the stream's reading windows and loop seams.
#include "platform/audio_stream.h"

#include <gtest/gtest.h>

#include <fstream>

#include "picture_helpers.h"
#include "platform/audio.h"
#include "tests/support/sound_files.h"

namespace {

std::string writeFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = TempPath(name);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
  return path;
}

// A sound long enough to need several windows, with no two frames alike.
std::vector<uint8_t> noisyData(int frames, int channels, int bits) {
  std::vector<uint8_t> data;
  uint32_t x = 12345;
  for (int i = 0; i < frames * channels; ++i) {
    x = x * 1103515245u + 12345u;
    if (bits == 8) {
      data.push_back(static_cast<uint8_t>(x >> 24));
    } else {
      testsound::put16(data, x >> 16);
    }
  }
  return data;
}

std::vector<int16_t> play(const TSoundPtr& sound, int frames) {
  auto channel = PlaySound(sound);
  SetChannelVolume(channel, 0.7f);
  std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
  EXPECT_TRUE(RenderAudioMix(out.data(), frames));
  StopChannel(channel);
  return out;
}

class SoundStreamTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SetAudioDriver("memory")); }
  void TearDown() override {
    StopAllChannels();
    CloseAudio();
  }
};

TEST_F(SoundStreamTest, StreamedSoundsMatchLoadedOnesInEveryFormatAndLoop) {
  struct TCase {
    int channels, bits, hertz, frames;
    bool loop;
  };
  for (const TCase c : {TCase{2, 16, 44100, 40000, false}, TCase{1, 8, 22050, 30000, true},
                        TCase{2, 8, 32000, 17000, true}, TCase{1, 16, 44100, 50000, false}}) {
    testsound::WavLayout layout;
    layout.channels = c.channels;
    layout.bits = c.bits;
    layout.hertz = c.hertz;
    layout.extraFmtBytes = 2;
    layout.chunkBeforeData = "LIST";
    layout.chunkBeforeDataSize = 7;
    const std::string path = writeFile("stream.wav", testsound::wavFile(noisyData(c.frames, c.channels, c.bits), layout));
    const int flags = c.loop ? kSoundLoop : 0;
    const TSoundPtr streamed = StreamSound(path, flags), loaded = LoadSound(path, flags);
    ASSERT_NE(streamed, nullptr);
    ASSERT_NE(loaded, nullptr);
    EXPECT_NE(streamed->stream, nullptr);
    EXPECT_EQ(streamed->sample->length, loaded->sample->length);
    // Twice the sound's length: a loop goes round, a one-shot ends in silence.
    const int frames = static_cast<int>(2LL * c.frames * 44100 / c.hertz) + 100;
    EXPECT_EQ(play(streamed, frames), play(loaded, frames)) << c.channels << " channels, " << c.bits << " bits";
  }
}

TEST_F(SoundStreamTest, FilesTheDecoderRefusesAreRefusedAndOthersLoadWhole) {
  testsound::WavLayout compressed;
  compressed.formatTag = 3;
  const auto data = noisyData(100, 1, 16);
  EXPECT_EQ(TSoundStream::OpenWav(writeFile("float.wav", testsound::wavFile(data, compressed))), nullptr);
  EXPECT_EQ(StreamSound(TempPath("float.wav"), 0), nullptr);
  EXPECT_EQ(StreamSound(TempPath("missing.wav"), 0), nullptr);
  // No frames at all.
  EXPECT_EQ(TSoundStream::OpenWav(writeFile("empty.wav", testsound::wavFile({}))), nullptr);
  // A file cut short plays the whole frames it still holds: 2000 bytes of
  // mono 16-bit frames less 403 leave 798 whole ones.
  auto cut = testsound::wavFile(noisyData(1000, 1, 16));
  cut.resize(cut.size() - 403);
  auto stream = TSoundStream::OpenWav(writeFile("cut.wav", cut));
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(stream->Info().length, 798);
  // Not a wave file at all: loaded whole by the other decoder, or refused.
  EXPECT_EQ(StreamSound(writeFile("text.wav", {'h', 'e', 'l', 'l', 'o'}), 0), nullptr);
}

}  // namespace
