#include "data/wav_writer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

uint32_t field32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint32_t field16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }

TEST(WavWriter, MonoSixteenBitThousandFramesIsA2044ByteFile) {
  auto sample = CreateAudioSample(1000, 22050, kSampleMono16);
  for (size_t i = 0; i < sample->samples.size(); ++i) sample->samples[i] = static_cast<uint8_t>(i * 3);
  auto bytes = encodeWav(*sample);
  ASSERT_EQ(bytes.size(), 2044u);
  EXPECT_EQ(std::memcmp(bytes.data(), "RIFF", 4), 0);
  EXPECT_EQ(field32(bytes, 4), 2036u);
  EXPECT_EQ(std::memcmp(bytes.data() + 8, "WAVEfmt ", 8), 0);
  EXPECT_EQ(field32(bytes, 16), 16u);
  EXPECT_EQ(field16(bytes, 20), 1u);      // PCM
  EXPECT_EQ(field16(bytes, 22), 1u);      // channels
  EXPECT_EQ(field32(bytes, 24), 22050u);  // rate
  EXPECT_EQ(field32(bytes, 28), 44100u);  // byte rate
  EXPECT_EQ(field16(bytes, 32), 2u);      // block align
  EXPECT_EQ(field16(bytes, 34), 16u);     // bits
  EXPECT_EQ(std::memcmp(bytes.data() + 36, "data", 4), 0);
  EXPECT_EQ(field32(bytes, 40), 2000u);
  EXPECT_TRUE(std::equal(sample->samples.begin(), sample->samples.end(), bytes.begin() + 44));
}

TEST(WavWriter, EveryFormatReadsBackAsTheSameSound) {
  for (int format = kSampleMono8; format <= kSampleStereo16BE; ++format) {
    SCOPED_TRACE(format);
    auto sample = CreateAudioSample(7, 8000, format);
    for (size_t i = 0; i < sample->samples.size(); ++i) sample->samples[i] = static_cast<uint8_t>(i * 11 + 1);
    auto back = DecodeWav(encodeWav(*sample));
    ASSERT_NE(back, nullptr);
    ConvertToLittleEndian(*sample);  // big-endian samples are written as little-endian
    EXPECT_EQ(back->format, sample->format);
    EXPECT_EQ(back->length, 7);
    EXPECT_EQ(back->samples, sample->samples);
  }
}

TEST(WavWriter, RefusesWhatItCannotWrite) {
  TAudioSample unknown;
  unknown.format = 9;
  EXPECT_TRUE(encodeWav(unknown).empty());
  auto shortBytes = CreateAudioSample(10, 8000, kSampleStereo16);
  shortBytes->samples.resize(12);  // claims more frames than it holds
  EXPECT_TRUE(encodeWav(*shortBytes).empty());
  EXPECT_EQ(writeWav(*CreateAudioSample(1, 8000, kSampleMono8), "/proc/no_such_dir/x.wav"), 0);
}

}  // namespace
