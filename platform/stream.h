#pragma once
// Byte streams with the game's fixed field encodings. Every file the game
// reads or writes goes through these: little-endian integers and floats,
// strings as one byte per character (Latin-1), lines ending in CR LF.
//
// Reading past the end is not an error: numbers read as 0 and strings are
// padded with character 0, so a short file yields zero values. Only a read or
// write that makes no progress before the end raises TStreamError.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class TStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TStream {
 public:
  virtual ~TStream() = default;

  // Primitives.
  virtual bool Eof() = 0;
  virtual int64_t Pos() = 0;   // -1 when the stream cannot tell
  virtual int64_t Size() = 0;  // -1 when unknown
  virtual int64_t Seek(int64_t pos) = 0;
  virtual void Flush() {}
  virtual void Close() {}
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;

  // Built on the primitives.
  int64_t ReadBytes(void* buffer, int64_t count);  // stops silently at the end
  void WriteBytes(const void* buffer, int64_t count);
  int64_t SkipBytes(int64_t count);
  int ReadByte();
  void WriteByte(int value);
  int ReadShort();
  void WriteShort(int value);
  int32_t ReadInt();
  void WriteInt(int32_t value);
  int64_t ReadLong();
  void WriteLong(int64_t value);
  float ReadFloat();
  void WriteFloat(float value);
  double ReadDouble();
  void WriteDouble(double value);
  std::string ReadLine();
  void WriteLine(const std::string& text);
  std::string ReadString(int length);
  void WriteString(const std::string& text);
  void WriteString(const std::u16string& text);  // keeps the low 8 bits of each code
  // Everything from the current position to the end.
  std::vector<uint8_t> ReadAll();
};

using TStreamPtr = std::shared_ptr<TStream>;

// A stream over a file on disk.
class TFileStream : public TStream {
 public:
  TFileStream(std::FILE* file, bool readable, bool writeable);
  ~TFileStream() override;
  bool Eof() override;
  int64_t Pos() override;
  int64_t Size() override;
  int64_t Seek(int64_t pos) override;
  void Flush() override;
  void Close() override;
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;

 private:
  std::FILE* file_;
  bool readable_, writeable_;
};

// A growable stream over bytes in memory; data packs hand out their entries
// as these.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  bool Eof() override { return pos_ >= bytes_.size(); }
  int64_t Pos() override { return static_cast<int64_t>(pos_); }
  int64_t Size() override { return static_cast<int64_t>(bytes_.size()); }
  int64_t Seek(int64_t pos) override;
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  std::vector<uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  size_t pos_ = 0;
};

// Opening files; null when the file cannot be opened. Paths may use "\" or "/".
TStreamPtr OpenStream(const std::string& path, bool readable, bool writeable);
TStreamPtr ReadStream(const std::string& path);   // read only
TStreamPtr WriteStream(const std::string& path);  // created or truncated
// A stream over bytes already in memory.
std::shared_ptr<TMemoryStream> MemoryStream(std::vector<uint8_t> bytes = {});
void CloseStream(const TStreamPtr& stream);
