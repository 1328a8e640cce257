#include "platform/audio_sample.h"

#include <gtest/gtest.h>

#include "tests/support/sound_files.h"

using namespace testsound;

TEST(WavDecoder, AcceptsThePlainPcmKinds) {
  const std::vector<uint8_t> data = {0, 1, 2, 3, 4, 5, 6, 7};
  struct Case { int channels, bits, format, length; };
  for (Case c : {Case{1, 8, kSampleMono8, 8}, Case{2, 8, kSampleStereo8, 4}, Case{1, 16, kSampleMono16, 4},
                 Case{2, 16, kSampleStereo16, 2}}) {
    WavLayout layout;
    layout.channels = c.channels;
    layout.bits = c.bits;
    layout.hertz = 11025;
    auto sample = DecodeWav(wavFile(data, layout));
    ASSERT_NE(sample, nullptr) << c.channels << "ch " << c.bits << " bit";
    EXPECT_EQ(sample->format, c.format);
    EXPECT_EQ(sample->length, c.length);
    EXPECT_EQ(sample->hertz, 11025);
    EXPECT_EQ(sample->samples, data);
  }
}

TEST(WavDecoder, RejectsWhatItCannotPlay) {
  const std::vector<uint8_t> data(12, 1);
  WavLayout deep;
  deep.bits = 24;
  EXPECT_EQ(DecodeWav(wavFile(data, deep)), nullptr);
  WavLayout compressed;
  compressed.formatTag = 2;  // ADPCM
  EXPECT_EQ(DecodeWav(wavFile(data, compressed)), nullptr);
  WavLayout surround;
  surround.channels = 6;
  EXPECT_EQ(DecodeWav(wavFile(data, surround)), nullptr);
  EXPECT_EQ(DecodeWav({}), nullptr);
  auto noData = wavFile(data);
  noData.resize(44 - 8);  // header up to the end of "fmt ", no "data" chunk
  EXPECT_EQ(DecodeWav(noData), nullptr);
  auto notRiff = wavFile(data);
  notRiff[0] = 'X';
  EXPECT_EQ(DecodeWav(notRiff), nullptr);
}

TEST(WavDecoder, SkipsChunksAndExtraFormatBytesBySize) {
  const auto data = pcm16({100, -100, 200});
  WavLayout layout;
  layout.extraFmtBytes = 2;
  layout.chunkBeforeData = "LIST";
  layout.chunkBeforeDataSize = 26;
  auto sample = DecodeWav(wavFile(data, layout));
  ASSERT_NE(sample, nullptr);
  EXPECT_EQ(sample->length, 3);
  EXPECT_EQ(sample->samples, data);
}

TEST(WavDecoder, TruncatedOrOversizedDataKeepsOnlyWholeFrames) {
  auto file = wavFile(pcm16({1, 2, 3, 4}));
  file.resize(file.size() - 3);  // half of the third frame is left
  auto sample = DecodeWav(file);
  ASSERT_NE(sample, nullptr);
  EXPECT_EQ(sample->length, 2);
  // A chunk size far beyond the file before "data" is refused, not followed.
  WavLayout layout;
  layout.chunkBeforeData = "JUNK";
  auto bad = wavFile(pcm16({1}), layout);
  bad[40] = 0xFF;  // the JUNK chunk's size field, claiming nearly 2 GB
  bad[43] = 0x7F;
  EXPECT_EQ(DecodeWav(bad), nullptr);
}

TEST(OggDecoder, DecodesToSixteenBitOfTheRightLengthAndChannels) {
  for (int channels : {1, 2}) {
    auto bytes = oggTone(channels, 22050, 5000);
    ASSERT_FALSE(bytes.empty());
    auto sample = DecodeOggVorbis(bytes);
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->format, channels == 1 ? kSampleMono16 : kSampleStereo16);
    EXPECT_EQ(sample->hertz, 22050);
    EXPECT_EQ(sample->length, 5000);
    // The tone is really there: a peak near half of full scale.
    int peak = 0;
    for (size_t i = 0; i + 1 < sample->samples.size(); i += 2)
      peak = std::max(peak, std::abs(static_cast<int16_t>(sample->samples[i] | sample->samples[i + 1] << 8)));
    EXPECT_GT(peak, 12000);
    EXPECT_LT(peak, 20000);
  }
  EXPECT_EQ(DecodeOggVorbis({'O', 'g', 'g', 'S', 0, 0}), nullptr);
}

TEST(AudioSampleLoading, TriesWavThenOggFromAStream) {
  auto wav = LoadAudioSample(MemoryStream(wavFile(pcm16({5, 6}))));
  ASSERT_NE(wav, nullptr);
  EXPECT_EQ(wav->length, 2);
  auto ogg = LoadAudioSample(MemoryStream(oggTone(1, 8000, 800)));
  ASSERT_NE(ogg, nullptr);
  EXPECT_EQ(ogg->length, 800);
  EXPECT_EQ(LoadAudioSample(MemoryStream({1, 2, 3})), nullptr);
  EXPECT_EQ(LoadAudioSample(TStreamPtr()), nullptr);
  EXPECT_EQ(LoadAudioSample(std::string("/no/such/file.wav")), nullptr);
}

TEST(AudioSampleFormats, BigEndianBecomesLittleEndian) {
  auto sample = CreateAudioSample(2, 8000, kSampleStereo16BE);
  ASSERT_NE(sample, nullptr);
  sample->samples = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0};
  ConvertToLittleEndian(*sample);
  EXPECT_EQ(sample->format, kSampleStereo16);
  EXPECT_EQ(sample->samples, (std::vector<uint8_t>{0x34, 0x12, 0x78, 0x56, 0xBC, 0x9A, 0xF0, 0xDE}));
  EXPECT_EQ(CreateAudioSample(10, 8000, 7), nullptr);
  EXPECT_EQ(CreateAudioSample(10, 0, kSampleMono8), nullptr);
}

// Empty and broken sounds never reach memcpy with a null pointer (the
// sanitizer build checks that) and come back as silence or as nothing.
TEST(BrokenSounds, EmptyInputsDecodeSafely) {
  auto empty = DecodeWav(wavFile({}));
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->length, 0);
  EXPECT_EQ(DecodeOggVorbis({}), nullptr);
  EXPECT_EQ(LoadAudioSample(MemoryStream({})), nullptr);
  EXPECT_EQ(OggVorbisFrames({}), -1);
}

TEST(BrokenSounds, AnOggCutShortDecodesToLessThanItDeclaresOrToNothing) {
  const auto whole = oggTone(1, 22050, 20000);
  EXPECT_EQ(OggVorbisFrames(whole), 20000);
  for (size_t keep : {whole.size() / 2, whole.size() - 100, size_t{200}}) {
    const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep));
    auto sample = DecodeOggVorbis(cut);
    const int64_t declared = OggVorbisFrames(cut);
    // Either nothing decodes, or the decoded part falls short of the
    // declared length, or the declaration itself is gone.
    if (sample && declared >= 0) {
      EXPECT_LT(sample->length, 20000) << keep;
    }
  }
}

TEST(BrokenSounds, OnlyAWholeOggEndsItsStream) {
  const auto whole = oggTone(1, 22050, 20000);
  EXPECT_TRUE(OggStreamEnds(whole));
  // Cut anywhere, before the last page too, the end-of-stream page is gone.
  const std::string text(whole.begin(), whole.end());
  const size_t lastPage = text.rfind("OggS");
  ASSERT_GT(lastPage, 0u);
  for (size_t keep : {size_t{0}, size_t{27}, whole.size() / 2, lastPage, whole.size() - 1}) {
    EXPECT_FALSE(OggStreamEnds(std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep))))
        << keep;
  }
  // A WAV is no Ogg stream.
  EXPECT_FALSE(OggStreamEnds(std::vector<uint8_t>{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}));
}
