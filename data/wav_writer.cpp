#include "data/wav_writer.h"

#include "platform/file_system.h"
#include "platform/stream.h"

std::vector<uint8_t> encodeWav(const TAudioSample& sample) {
  const int channels = SampleChannels(sample.format);
  if (channels == 0 || sample.length < 0) return {};
  const int bits = Sample16Bit(sample.format) ? 16 : 8;
  const int blockAlign = channels * bits / 8;
  const int64_t dataBytes = int64_t{sample.length} * blockAlign;
  if (dataBytes > static_cast<int64_t>(sample.samples.size()) || dataBytes > INT32_MAX - 36) return {};

  // Big-endian samples become little-endian first: WAV data is always LE.
  TAudioSample littleEndian;
  const TAudioSample* source = &sample;
  if (sample.format == kSampleMono16BE || sample.format == kSampleStereo16BE) {
    littleEndian = sample;
    ConvertToLittleEndian(littleEndian);
    source = &littleEndian;
  }

  TMemoryStream out;
  out.WriteString("RIFF");
  out.WriteInt(static_cast<int32_t>(36 + dataBytes));
  out.WriteString("WAVE");
  out.WriteString("fmt ");
  out.WriteInt(16);
  out.WriteShort(1);  // PCM
  out.WriteShort(channels);
  out.WriteInt(sample.hertz);
  out.WriteInt(sample.hertz * blockAlign);
  out.WriteShort(blockAlign);
  out.WriteShort(bits);
  out.WriteString("data");
  out.WriteInt(static_cast<int32_t>(dataBytes));
  out.WriteBytes(source->samples.data(), dataBytes);
  return std::move(out.Bytes());
}

int writeWav(const TAudioSample& sample, const std::string& path) {
  std::vector<uint8_t> bytes = encodeWav(sample);
  if (bytes.empty()) return 0;
  return ReplaceFileAtomically(path, bytes) ? 1 : 0;
}
