#include "platform/audio_sample.h"

#include <algorithm>
#include <cstring>

int SampleChannels(int format) {
  switch (format) {
    case kSampleMono8: case kSampleMono16: case kSampleMono16BE: return 1;
    case kSampleStereo8: case kSampleStereo16: case kSampleStereo16BE: return 2;
    default: return 0;
  }
}

bool Sample16Bit(int format) { return format != kSampleMono8 && format != kSampleStereo8 && SampleChannels(format); }

int SampleBytesPerFrame(int format) { return SampleChannels(format) * (Sample16Bit(format) ? 2 : 1); }

TAudioSamplePtr CreateAudioSample(int length, int hertz, int format) {
  if (length < 0 || hertz <= 0 || SampleChannels(format) == 0) return nullptr;
  auto sample = std::make_shared<TAudioSample>();
  sample->length = length;
  sample->hertz = hertz;
  sample->format = format;
  sample->samples.assign(static_cast<size_t>(length) * static_cast<size_t>(SampleBytesPerFrame(format)), 0);
  sample->capacity = static_cast<int>(sample->samples.size());
  return sample;
}

void ConvertToLittleEndian(TAudioSample& sample) {
  if (sample.format != kSampleMono16BE && sample.format != kSampleStereo16BE) return;
  for (size_t i = 0; i + 1 < sample.samples.size(); i += 2) std::swap(sample.samples[i], sample.samples[i + 1]);
  sample.format = sample.format == kSampleMono16BE ? kSampleMono16 : kSampleStereo16;
}

namespace {

// Little-endian fields over a byte buffer; reads past the end fail.
class TByteReader {
 public:
  explicit TByteReader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
  bool Tag(const char* tag) {
    if (Left() < 4 || std::memcmp(bytes_.data() + pos_, tag, 4) != 0) return false;
    pos_ += 4;
    return true;
  }
  bool U32(uint32_t& value) { return Field(value, 4); }
  bool U16(uint32_t& value) { return Field(value, 2); }
  bool Skip(uint64_t count) {
    if (count > Left()) return false;
    pos_ += static_cast<size_t>(count);
    return true;
  }
  size_t Left() const { return bytes_.size() - pos_; }
  size_t Pos() const { return pos_; }

 private:
  bool Field(uint32_t& value, int size) {
    if (Left() < static_cast<size_t>(size)) return false;
    value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes_[pos_ + static_cast<size_t>(i)];
    pos_ += static_cast<size_t>(size);
    return true;
  }
  const std::vector<uint8_t>& bytes_;
  size_t pos_ = 0;
};

int wavFormat(uint32_t channels, uint32_t bits) {
  if (bits == 8) return channels == 1 ? kSampleMono8 : channels == 2 ? kSampleStereo8 : 0;
  if (bits == 16) return channels == 1 ? kSampleMono16 : channels == 2 ? kSampleStereo16 : 0;
  return 0;
}

}  // namespace

TAudioSamplePtr DecodeWav(const std::vector<uint8_t>& bytes) {
  TByteReader in(bytes);
  uint32_t riffSize = 0;
  if (!in.Tag("RIFF") || !in.U32(riffSize) || !in.Tag("WAVE")) return nullptr;
  // Chunks before "fmt " (rare, but some editors write them) are skipped too.
  uint32_t size = 0;
  while (!in.Tag("fmt ")) {
    if (!in.Skip(4) || !in.U32(size) || !in.Skip(size)) return nullptr;
  }
  uint32_t tag = 0, channels = 0, hertz = 0, byteRate = 0, blockAlign = 0, bits = 0;
  if (!in.U32(size) || size < 16 || !in.U16(tag) || !in.U16(channels) || !in.U32(hertz) || !in.U32(byteRate) ||
      !in.U16(blockAlign) || !in.U16(bits) || !in.Skip(size - 16))
    return nullptr;
  const int format = wavFormat(channels, bits);
  if (tag != 1 || format == 0 || hertz == 0 || hertz > 1000000) return nullptr;
  // Everything up to "data" is skipped by its size.
  while (!in.Tag("data")) {
    if (!in.Skip(4) || !in.U32(size) || !in.Skip(size)) return nullptr;
  }
  if (!in.U32(size)) return nullptr;
  // A file cut short keeps the whole frames it still holds.
  const size_t frameBytes = static_cast<size_t>(SampleBytesPerFrame(format));
  const size_t frames = std::min<size_t>(size, in.Left()) / frameBytes;
  auto sample = CreateAudioSample(static_cast<int>(std::min<size_t>(frames, INT32_MAX / 4)), static_cast<int>(hertz),
                                  format);
  // An empty data chunk is a silent sound of no frames.
  if (!sample->samples.empty()) std::memcpy(sample->samples.data(), bytes.data() + in.Pos(), sample->samples.size());
  return sample;
}

TAudioSamplePtr LoadAudioSample(const TStreamPtr& stream) {
  if (!stream) return nullptr;
  std::vector<uint8_t> bytes;
  try {
    bytes = stream->ReadAll();
  } catch (const TStreamError&) {
    return nullptr;
  }
  if (auto sample = DecodeWav(bytes)) return sample;
  return DecodeOggVorbis(bytes);
}

TAudioSamplePtr LoadAudioSample(const std::string& path) { return LoadAudioSample(ReadStream(path)); }
