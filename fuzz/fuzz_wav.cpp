// Fuzzes the WAV decoder, and checks that a sample it accepts is written by
// the game's WAV writer into a file that decodes to the same sample.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "data/wav_writer.h"
#include "platform/audio_sample.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  TAudioSamplePtr sample = DecodeWav(bytes);
  if (!sample) return 0;
  const size_t expected = static_cast<size_t>(sample->length) * static_cast<size_t>(SampleBytesPerFrame(sample->format));
  if (sample->length < 0 || sample->samples.size() != expected) std::abort();
  const std::vector<uint8_t> written = encodeWav(*sample);
  TAudioSamplePtr back = DecodeWav(written);
  if (!back || back->length != sample->length || back->samples != sample->samples) std::abort();
  return 0;
}
