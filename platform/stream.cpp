#include "platform/stream.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

#include <unistd.h>

#include "platform/file_system.h"
#include "platform/game_folders.h"

// ---- Field encodings ---------------------------------------------------------

int64_t TStream::ReadBytes(void* buffer, int64_t count) {
  auto* out = static_cast<uint8_t*>(buffer);
  int64_t done = 0;
  while (done < count && !Eof()) {
    int64_t n = Read(out + done, count - done);
    if (n <= 0) {
      if (Eof()) break;
      throw TStreamError("Error reading from stream");
    }
    done += n;
  }
  return done;
}

void TStream::WriteBytes(const void* buffer, int64_t count) {
  const auto* in = static_cast<const uint8_t*>(buffer);
  int64_t done = 0;
  while (done < count) {
    int64_t n = Write(in + done, count - done);
    if (n <= 0) throw TStreamError("Error writing to stream");
    done += n;
  }
}

int64_t TStream::SkipBytes(int64_t count) {
  uint8_t scratch[4096];
  int64_t done = 0;
  while (done < count && !Eof()) {
    int64_t n = ReadBytes(scratch, std::min<int64_t>(count - done, sizeof scratch));
    if (n == 0) break;
    done += n;
  }
  return done;
}

namespace {
// Reads a little-endian field into a zero-filled buffer: at the end of the
// stream the missing bytes stay zero.
template <typename T>
T readField(TStream& s) {
  uint8_t bytes[sizeof(T)] = {};
  s.ReadBytes(bytes, sizeof(T));
  T value;
  std::memcpy(&value, bytes, sizeof(T));
  return value;
}

template <typename T>
void writeField(TStream& s, T value) {
  uint8_t bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  s.WriteBytes(bytes, sizeof(T));
}
}  // namespace

static_assert(std::endian::native == std::endian::little, "the file formats are little-endian");

int TStream::ReadByte() { return readField<uint8_t>(*this); }
void TStream::WriteByte(int value) { writeField<uint8_t>(*this, static_cast<uint8_t>(value)); }
int TStream::ReadShort() { return readField<uint16_t>(*this); }
void TStream::WriteShort(int value) { writeField<uint16_t>(*this, static_cast<uint16_t>(value)); }
int32_t TStream::ReadInt() { return readField<int32_t>(*this); }
void TStream::WriteInt(int32_t value) { writeField<int32_t>(*this, value); }
int64_t TStream::ReadLong() { return readField<int64_t>(*this); }
void TStream::WriteLong(int64_t value) { writeField<int64_t>(*this, value); }
float TStream::ReadFloat() { return readField<float>(*this); }
void TStream::WriteFloat(float value) { writeField<float>(*this, value); }
double TStream::ReadDouble() { return readField<double>(*this); }
void TStream::WriteDouble(double value) { writeField<double>(*this, value); }

std::string TStream::ReadLine() {
  std::string line;
  while (!Eof()) {
    uint8_t ch = 0;
    if (ReadBytes(&ch, 1) == 0) break;
    if (ch == 10 || ch == 0) break;
    if (ch != 13) line.push_back(static_cast<char>(ch));
  }
  return line;
}

void TStream::WriteLine(const std::string& text) {
  WriteString(text);
  const uint8_t crlf[2] = {13, 10};
  WriteBytes(crlf, 2);
}

std::string TStream::ReadString(int length) {
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length), '\0');
  ReadBytes(text.data(), length);
  return text;
}

void TStream::WriteString(const std::string& text) { WriteBytes(text.data(), static_cast<int64_t>(text.size())); }

void TStream::WriteString(const std::u16string& text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (char16_t ch : text) bytes.push_back(static_cast<char>(ch & 0xFF));
  WriteString(bytes);
}

std::vector<uint8_t> TStream::ReadAll() {
  std::vector<uint8_t> bytes;
  int64_t size = Size(), pos = Pos();
  if (size >= 0 && pos >= 0 && size >= pos) {
    bytes.resize(static_cast<size_t>(size - pos));
    bytes.resize(static_cast<size_t>(ReadBytes(bytes.data(), static_cast<int64_t>(bytes.size()))));
    return bytes;
  }
  uint8_t chunk[8192];
  for (;;) {
    int64_t n = ReadBytes(chunk, sizeof chunk);
    if (n <= 0) break;
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  return bytes;
}

// ---- Files -------------------------------------------------------------------

TFileStream::TFileStream(std::FILE* file, bool readable, bool writeable)
    : file_(file), readable_(readable), writeable_(writeable) {}

TFileStream::~TFileStream() { Close(); }

bool TFileStream::Eof() {
  if (!file_) return true;
  if (!readable_) return false;
  int ch = std::fgetc(file_);
  if (ch == EOF) return true;
  std::ungetc(ch, file_);
  return false;
}

int64_t TFileStream::Pos() { return file_ ? static_cast<int64_t>(std::ftell(file_)) : -1; }

int64_t TFileStream::Size() {
  if (!file_) return -1;
  long here = std::ftell(file_);
  std::fseek(file_, 0, SEEK_END);
  long size = std::ftell(file_);
  std::fseek(file_, here, SEEK_SET);
  return size;
}

int64_t TFileStream::Seek(int64_t pos) {
  if (!file_) return -1;
  std::fseek(file_, static_cast<long>(pos), SEEK_SET);
  return Pos();
}

void TFileStream::Flush() {
  if (file_) std::fflush(file_);
}

void TFileStream::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (!file_ || !readable_ || count <= 0) return 0;
  return static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (!file_ || !writeable_ || count <= 0) return 0;
  return static_cast<int64_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_));
}

// ---- Memory ------------------------------------------------------------------

int64_t TMemoryStream::Seek(int64_t pos) {
  pos_ = static_cast<size_t>(std::clamp<int64_t>(pos, 0, static_cast<int64_t>(bytes_.size())));
  return Pos();
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  if (count <= 0 || pos_ >= bytes_.size()) return 0;
  size_t n = std::min(static_cast<size_t>(count), bytes_.size() - pos_);
  std::memcpy(buffer, bytes_.data() + pos_, n);
  pos_ += n;
  return static_cast<int64_t>(n);
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  size_t n = static_cast<size_t>(count);
  if (pos_ + n > bytes_.size()) bytes_.resize(pos_ + n);
  std::memcpy(bytes_.data() + pos_, buffer, n);
  pos_ += n;
  return count;
}

// ---- Opening -------------------------------------------------------------------

TStreamPtr OpenStream(const std::string& path, bool readable, bool writeable) {
  if (!readable && !writeable) return nullptr;
  // Reading falls back on the installed game data; writing never does.
  std::string p = readable && !writeable ? FindReadablePath(path) : NormalizePath(path);
  if (IsDirectory(p)) return nullptr;
  if (readable && !writeable) {
    // Only regular files: a FIFO or a device would hang or never end.
    const int fd = OpenRegularFile(path);
    std::FILE* f = fd >= 0 ? ::fdopen(fd, "rb") : nullptr;
    if (!f) {
      if (fd >= 0) ::close(fd);
      return nullptr;
    }
    return std::make_shared<TFileStream>(f, true, false);
  }
  const char* mode = readable && writeable ? "r+b" : "wb";
  std::FILE* f = std::fopen(p.c_str(), mode);
  if (!f && readable && writeable) f = std::fopen(p.c_str(), "w+b");
  if (!f) return nullptr;
  return std::make_shared<TFileStream>(f, readable, writeable);
}

TStreamPtr ReadStream(const std::string& path) { return OpenStream(path, true, false); }
TStreamPtr WriteStream(const std::string& path) { return OpenStream(path, false, true); }

std::shared_ptr<TMemoryStream> MemoryStream(std::vector<uint8_t> bytes) {
  return std::make_shared<TMemoryStream>(std::move(bytes));
}

void CloseStream(const TStreamPtr& stream) {
  if (stream) stream->Close();
}
