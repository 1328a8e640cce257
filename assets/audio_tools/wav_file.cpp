#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

uint32_t le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

constexpr int kFormatPcm = 1;
constexpr int kFormatFloat = 3;
constexpr int kFormatExtensible = 0xFFFE;

// Converts one stored sample to float; bytes points at its first byte.
float decodeSample(const uint8_t* bytes, int format, int bits) {
  if (format == kFormatFloat) {
    if (bits == 32) {
      float f;
      std::memcpy(&f, bytes, 4);
      return f;
    }
    double d;
    std::memcpy(&d, bytes, 8);
    return float(d);
  }
  switch (bits) {
    case 8: return (bytes[0] - 128) / 128.0f;
    case 16: return int16_t(le16(bytes)) / 32768.0f;
    case 24: {
      int32_t v = int32_t(bytes[0] << 8 | bytes[1] << 16 | uint32_t(bytes[2]) << 24) >> 8;
      return v / 8388608.0f;
    }
    default: return int32_t(le32(bytes)) / 2147483648.0f;
  }
}

void put16(std::vector<uint8_t>& out, int v) {
  out.push_back(uint8_t(v & 0xFF));
  out.push_back(uint8_t((v >> 8) & 0xFF));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t((v >> (8 * i)) & 0xFF));
}
void putTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

bool ReadWav(const std::string& path, AudioBuffer& out, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (ParseWav(data, out, error)) return true;
  error = path + ": " + error;
  return false;
}

bool ParseWav(const std::vector<uint8_t>& data, AudioBuffer& out, std::string& error) {
  if (data.size() < 12 || std::memcmp(data.data(), "RIFF", 4) != 0 || std::memcmp(data.data() + 8, "WAVE", 4) != 0) {
    error = "not a RIFF WAVE file";
    return false;
  }
  int format = 0, channels = 0, bits = 0;
  uint32_t rate = 0;
  size_t pos = 12;
  while (pos + 8 <= data.size()) {
    const uint8_t* chunk = data.data() + pos;
    size_t size = le32(chunk + 4);
    size_t body = pos + 8;
    size_t available = std::min(size, data.size() - body);
    if (std::memcmp(chunk, "fmt ", 4) == 0 && available >= 16) {
      format = le16(chunk + 8);
      channels = le16(chunk + 10);
      rate = le32(chunk + 12);
      bits = le16(chunk + 22);
      if (format == kFormatExtensible && available >= 26) format = le16(chunk + 32);
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      bool known = (format == kFormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) ||
                   (format == kFormatFloat && (bits == 32 || bits == 64));
      if (!known || channels < 1 || rate == 0) {
        error = "unsupported sample format";
        return false;
      }
      int bytesPerSample = bits / 8;
      size_t count = available / bytesPerSample;
      count -= count % channels;
      out.rate = int(rate);
      out.channels = channels;
      out.samples.resize(count);
      for (size_t i = 0; i < count; ++i) out.samples[i] = decodeSample(chunk + 8 + i * bytesPerSample, format, bits);
      return true;
    }
    pos = body + size + (size & 1);  // chunks are padded to even sizes
  }
  error = "no data chunk";
  return false;
}

bool WriteWav16(const std::string& path, const AudioBuffer& sound) {
  uint32_t dataBytes = uint32_t(sound.samples.size() * 2);
  std::vector<uint8_t> out;
  out.reserve(44 + dataBytes);
  putTag(out, "RIFF");
  put32(out, 36 + dataBytes);
  putTag(out, "WAVE");
  putTag(out, "fmt ");
  put32(out, 16);
  put16(out, kFormatPcm);
  put16(out, sound.channels);
  put32(out, uint32_t(sound.rate));
  put32(out, uint32_t(sound.rate * sound.channels * 2));
  put16(out, sound.channels * 2);
  put16(out, 16);
  putTag(out, "data");
  put32(out, dataBytes);
  for (float s : sound.samples) {
    long v = std::lround(double(s) * 32767.0);
    put16(out, int(std::clamp(v, -32767L, 32767L)));
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
  return bool(file);
}
