// Fuzzes the Ogg Vorbis path of the game's sounds: decoding, the declared
// length the first-start conversion compares against, and loading through
// the stream loader that tries WAV first.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/audio_sample.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  TAudioSamplePtr sample = DecodeOggVorbis(bytes);
  OggVorbisFrames(bytes);
  if (sample) {
    const size_t expected =
        static_cast<size_t>(sample->length) * static_cast<size_t>(SampleBytesPerFrame(sample->format));
    if (sample->length <= 0 || sample->samples.size() != expected) std::abort();
  }
  LoadAudioSample(MemoryStream(bytes));
  return 0;
}
