#include "platform/audio_stream.h"

#include <algorithm>
#include <cstring>

namespace {

uint32_t littleEndian(const uint8_t* p, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | p[i];
  return value;
}

bool readExactly(TStream& in, uint8_t* buffer, int64_t count) {
  try {
    return in.Read(buffer, count) == count;
  } catch (const TStreamError&) {
    return false;
  }
}

// The next chunk's name and size.
bool chunkHeader(TStream& in, char name[4], uint32_t& size) {
  uint8_t header[8];
  if (!readExactly(in, header, 8)) return false;
  std::memcpy(name, header, 4);
  size = littleEndian(header + 4, 4);
  return true;
}

}  // namespace

std::shared_ptr<TSoundStream> TSoundStream::OpenWav(const std::string& path) {
  TStreamPtr in = ReadStream(path);
  if (!in) return nullptr;
  uint8_t riff[12];
  if (!readExactly(*in, riff, 12) || std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
    return nullptr;
  // Walk the chunks: "fmt " must come before "data"; others are skipped.
  int format = 0;
  uint32_t hertz = 0;
  char name[4];
  uint32_t size = 0;
  while (chunkHeader(*in, name, size)) {
    const int64_t body = in->Pos();
    if (std::memcmp(name, "fmt ", 4) == 0) {
      uint8_t fmt[16];
      if (size < 16 || !readExactly(*in, fmt, 16)) return nullptr;
      const uint32_t tag = littleEndian(fmt, 2), channels = littleEndian(fmt + 2, 2), bits = littleEndian(fmt + 14, 2);
      hertz = littleEndian(fmt + 4, 4);
      if (tag != 1 || (channels != 1 && channels != 2) || (bits != 8 && bits != 16) || hertz == 0 || hertz > 1000000)
        return nullptr;
      format = bits == 8 ? (channels == 1 ? kSampleMono8 : kSampleStereo8)
                         : (channels == 1 ? kSampleMono16 : kSampleStereo16);
    } else if (std::memcmp(name, "data", 4) == 0) {
      if (format == 0) return nullptr;
      // A file cut short plays the whole frames it still holds.
      const int64_t fileSize = in->Size();
      const int64_t available = fileSize >= 0 ? std::min<int64_t>(size, fileSize - body) : size;
      const int64_t frames = available / SampleBytesPerFrame(format);
      if (frames <= 0) return nullptr;
      auto stream = std::shared_ptr<TSoundStream>(new TSoundStream());
      stream->file_ = in;
      stream->dataOffset_ = body;
      stream->info_.length = static_cast<int>(std::min<int64_t>(frames, INT32_MAX / 4));
      stream->info_.hertz = static_cast<int>(hertz);
      stream->info_.format = format;
      stream->window_.hertz = stream->info_.hertz;
      stream->window_.format = format;
      return stream;
    }
    if (in->Seek(body + size) < 0) return nullptr;
  }
  return nullptr;
}

const TAudioSample& TSoundStream::Window(int index) {
  if (windowStart_ >= 0 && index >= windowStart_ && index < windowStart_ + window_.length) return window_;
  const int bytesPerFrame = SampleBytesPerFrame(info_.format);
  const int frames = std::clamp(info_.length - index, 0, kWindowFrames);
  window_.samples.assign(static_cast<size_t>(frames) * static_cast<size_t>(bytesPerFrame), 0);
  window_.length = frames;
  window_.capacity = static_cast<int>(window_.samples.size());
  windowStart_ = index;
  if (frames == 0) return window_;
  const bool read = file_->Seek(dataOffset_ + static_cast<int64_t>(index) * bytesPerFrame) >= 0 &&
                    readExactly(*file_, window_.samples.data(), static_cast<int64_t>(window_.samples.size()));
  // A failed read is heard as silence, which for 8 bits is the middle value.
  if (!read) std::fill(window_.samples.begin(), window_.samples.end(), Sample16Bit(info_.format) ? 0 : 128);
  return window_;
}
