#pragma once
// Sound samples decoded into memory, and their decoders. Every sound effect
// is decoded whole before it plays; music streams (platform/audio_stream.h).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/stream.h"

// Sample formats, as the bytes lie in `samples`.
enum : int {
  kSampleMono8 = 1,        // unsigned
  kSampleMono16 = 2,       // little-endian
  kSampleMono16BE = 3,     // big-endian, converted to kSampleMono16 before mixing
  kSampleStereo8 = 4,      // unsigned, left then right
  kSampleStereo16 = 5,     // little-endian, left then right
  kSampleStereo16BE = 6,   // big-endian, converted to kSampleStereo16 before mixing
};

struct TAudioSample {
  std::vector<uint8_t> samples;  // raw bytes, length frames of the format
  int length = 0;                // sample frames
  int hertz = 0;                 // frames per second
  int format = 0;
  int capacity = 0;              // bytes held in samples
};

using TAudioSamplePtr = std::shared_ptr<TAudioSample>;

int SampleChannels(int format);       // 1 or 2; 0 for an unknown format
int SampleBytesPerFrame(int format);  // 1, 2 or 4; 0 for an unknown format
bool Sample16Bit(int format);

// A silent sample of the given size; null for an unknown format or a size
// that is negative or zero hertz.
TAudioSamplePtr CreateAudioSample(int length, int hertz, int format);
// Turns the big-endian formats into their little-endian ones in place.
void ConvertToLittleEndian(TAudioSample& sample);

// Decoders; null when the bytes are not a sound they accept. A WAV file must
// be plain PCM of 8 or 16 bits with 1 or 2 channels.
TAudioSamplePtr DecodeWav(const std::vector<uint8_t>& bytes);
TAudioSamplePtr DecodeOggVorbis(const std::vector<uint8_t>& bytes);
// The length in frames an Ogg Vorbis file declares (from its last page), or
// -1 when the bytes are not one. A damaged file decodes to fewer frames.
int64_t OggVorbisFrames(const std::vector<uint8_t>& bytes);
// True when the bytes are Ogg pages up to a whole page that ends the stream.
// A file cut short mostly still declares what its last whole page reaches,
// so only its missing end-of-stream page tells it from a short sound.
bool OggStreamEnds(const std::vector<uint8_t>& bytes);

// Loads a WAV or Ogg Vorbis sound from a file or from the rest of a stream
// (such as a data-pack entry); null when neither decoder accepts it.
TAudioSamplePtr LoadAudioSample(const std::string& path);
TAudioSamplePtr LoadAudioSample(const TStreamPtr& stream);
