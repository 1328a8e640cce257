// Ogg Vorbis decoding through libvorbisfile, from bytes already in memory,
// into 16-bit little-endian samples.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

#include "platform/audio_sample.h"

namespace {

struct TMemorySource {
  const std::vector<uint8_t>* bytes;
  size_t pos = 0;
};

size_t readSource(void* out, size_t size, size_t count, void* data) {
  auto* src = static_cast<TMemorySource*>(data);
  if (size == 0) return 0;
  size_t n = std::min(count, (src->bytes->size() - src->pos) / size);
  if (n == 0) return 0;  // also keeps an empty input from reaching memcpy
  std::memcpy(out, src->bytes->data() + src->pos, n * size);
  src->pos += n * size;
  return n;
}

int seekSource(void* data, ogg_int64_t offset, int whence) {
  auto* src = static_cast<TMemorySource*>(data);
  const auto size = static_cast<ogg_int64_t>(src->bytes->size());
  ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<ogg_int64_t>(src->pos) : size;
  ogg_int64_t target = base + offset;
  if (target < 0 || target > size) return -1;
  src->pos = static_cast<size_t>(target);
  return 0;
}

long tellSource(void* data) { return static_cast<long>(static_cast<TMemorySource*>(data)->pos); }

// Longest sound accepted: an hour of stereo at 48 kHz, far beyond any track.
constexpr int64_t kMaxFrames = int64_t{48000} * 3600;

}  // namespace

TAudioSamplePtr DecodeOggVorbis(const std::vector<uint8_t>& bytes) {
  TMemorySource source{&bytes};
  OggVorbis_File file;
  ov_callbacks callbacks{readSource, seekSource, nullptr, tellSource};
  if (ov_open_callbacks(&source, &file, nullptr, 0, callbacks) != 0) return nullptr;
  const vorbis_info* info = ov_info(&file, -1);
  if (!info || (info->channels != 1 && info->channels != 2) || info->rate <= 0) {
    ov_clear(&file);
    return nullptr;
  }
  const int format = info->channels == 1 ? kSampleMono16 : kSampleStereo16;
  const size_t frameBytes = static_cast<size_t>(SampleBytesPerFrame(format));
  const int hertz = static_cast<int>(info->rate);
  std::vector<uint8_t> pcm;
  ogg_int64_t expected = ov_pcm_total(&file, -1);
  if (expected > 0 && expected <= kMaxFrames) pcm.reserve(static_cast<size_t>(expected) * frameBytes);
  char buffer[16384];
  int section = 0;
  for (;;) {
    long n = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section);
    if (n == OV_HOLE) continue;  // a gap in the data: carry on with what follows
    if (n <= 0) break;           // end, or damage we cannot read past
    // A chained stream with another channel count cannot join this sample.
    const vorbis_info* now = ov_info(&file, section);
    if (!now || now->channels != info->channels) break;
    pcm.insert(pcm.end(), buffer, buffer + n);
    if (pcm.size() / frameBytes > static_cast<size_t>(kMaxFrames)) break;
  }
  ov_clear(&file);
  // Nothing decodable: a broken file, not a sound.
  if (pcm.size() < frameBytes) return nullptr;
  auto sample = CreateAudioSample(static_cast<int>(pcm.size() / frameBytes), hertz, format);
  std::memcpy(sample->samples.data(), pcm.data(), sample->samples.size());
  return sample;
}

int64_t OggVorbisFrames(const std::vector<uint8_t>& bytes) {
  TMemorySource source{&bytes};
  OggVorbis_File file;
  ov_callbacks callbacks{readSource, seekSource, nullptr, tellSource};
  if (ov_open_callbacks(&source, &file, nullptr, 0, callbacks) != 0) return -1;
  const ogg_int64_t frames = ov_pcm_total(&file, -1);
  ov_clear(&file);
  return frames < 0 ? -1 : static_cast<int64_t>(frames);
}

bool OggStreamEnds(const std::vector<uint8_t>& bytes) {
  // Page header: "OggS", version, flags, granule (8), serial (4), sequence
  // (4), checksum (4), segment count, then one length byte per segment.
  constexpr size_t kHeader = 27;
  constexpr uint8_t kEndOfStream = 0x04;
  size_t pos = 0;
  bool ended = false;
  while (bytes.size() - pos >= kHeader && std::memcmp(bytes.data() + pos, "OggS", 4) == 0) {
    const size_t segments = bytes[pos + 26];
    if (bytes.size() - pos - kHeader < segments) break;
    size_t body = 0;
    for (size_t i = 0; i < segments; ++i) body += bytes[pos + kHeader + i];
    const size_t page = kHeader + segments + body;
    if (bytes.size() - pos < page) break;  // the page is cut short
    ended = (bytes[pos + 5] & kEndOfStream) != 0;
    pos += page;
  }
  return ended;
}
