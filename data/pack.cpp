#include "data/pack.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>

const std::string packKey = "30571928464017";

namespace {

std::string lowerCase(std::string text) {
  for (char& ch : text) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return text;
}

// Only the low 32 bits of a size field count.
int64_t sizeField(TStream& stream) { return static_cast<int32_t>(static_cast<uint32_t>(stream.ReadLong())); }

// Bytes left in a stream, or kMaxPackEntrySize when it cannot tell.
int64_t bytesLeft(TStream& stream) {
  int64_t size = stream.Size(), pos = stream.Pos();
  if (size < 0 || pos < 0) return kMaxPackEntrySize;
  return std::max<int64_t>(0, size - pos);
}

}  // namespace

bool scanPack(TStream& pack, const std::function<bool(const TPackEntry&)>& visit, bool* corrupt) {
  if (corrupt) *corrupt = false;
  while (!pack.Eof()) {
    TPackEntry entry;
    entry.name = pack.ReadLine();
    entry.unpackedSize = sizeField(pack);
    entry.storedSize = sizeField(pack);
    // A negative size or one running past the end can only come from a
    // damaged pack; walking on would read garbage or loop backwards.
    if (entry.storedSize < 0 || entry.unpackedSize < 0 || entry.storedSize > bytesLeft(pack)) {
      if (corrupt) *corrupt = true;
      return false;
    }
    if (visit(entry)) return true;
    pack.Seek(pack.Pos() + entry.storedSize);
  }
  return false;
}

TStreamPtr openPackStream(const std::string& name, const std::string& pack, const std::string& key) {
  TStreamPtr file = ReadStream(pack);
  if (!file) return nullptr;
  TStreamPtr entry = openPackEntry(*file, name, key);
  file->Close();
  return entry;
}

TStreamPtr openPackEntry(TStream& pack, const std::string& name, const std::string& key) {
  const std::string wanted = lowerCase(name);
  std::vector<uint8_t> buffer;
  bool compressed = false;
  TPackEntry found;
  try {
    compressed = pack.ReadByte() != 0;
    bool hit = scanPack(pack, [&](const TPackEntry& entry) {
      if (lowerCase(entry.name) != wanted) return false;
      found = entry;
      return true;
    });
    if (!hit) return nullptr;
    buffer.resize(static_cast<size_t>(found.storedSize));
    if (pack.ReadBytes(buffer.data(), found.storedSize) != found.storedSize) return nullptr;
  } catch (const TStreamError&) {
    return nullptr;
  }
  if (!key.empty()) scrambleBank(buffer, key);
  if (compressed) {
    if (found.unpackedSize > kMaxPackEntrySize) return nullptr;
    buffer = uncompressBank(buffer, found.unpackedSize);
  }
  return MemoryStream(std::move(buffer));
}

void scrambleBank(std::vector<uint8_t>& buffer, const std::string& key) {
  if (key.empty()) return;
  size_t k = 0;
  for (size_t i = 1; i < buffer.size(); ++i) {
    buffer[i] = static_cast<uint8_t>(buffer[i] ^ static_cast<uint8_t>(key[k]));
    if (++k == key.size()) k = 0;
  }
}

namespace {
template <typename Text>
Text scrambleWithPackKey(const Text& text) {
  Text result = text;
  size_t k = 0;
  for (auto& ch : result) {
    ch = static_cast<typename Text::value_type>(ch ^ static_cast<unsigned char>(packKey[k]));
    if (++k == packKey.size()) k = 0;
  }
  return result;
}
}  // namespace

std::string scrambleText(const std::string& text) { return scrambleWithPackKey(text); }
std::u16string scrambleText(const std::u16string& text) { return scrambleWithPackKey(text); }

std::vector<uint8_t> compressBank(const std::vector<uint8_t>& buffer, int level) {
  // Room for the worst case: the classic estimate, or zlib's own bound when
  // that is larger (tiny inputs), so deflate can never run out of space.
  uLong capacity = static_cast<uLong>(std::ceil(static_cast<double>(buffer.size()) * 1.001)) + 12;
  capacity = std::max(capacity, compressBound(static_cast<uLong>(buffer.size())));
  std::vector<uint8_t> out(capacity);
  uLongf length = capacity;
  if (compress2(out.data(), &length, buffer.data(), static_cast<uLong>(buffer.size()), level) != Z_OK) return {};
  out.resize(length);
  return out;
}

std::vector<uint8_t> uncompressBank(const std::vector<uint8_t>& buffer, int64_t unpackedSize) {
  if (unpackedSize < 0 || unpackedSize > kMaxPackEntrySize) return {};
  std::vector<uint8_t> out(static_cast<size_t>(unpackedSize), 0);
  if (out.empty() || buffer.empty()) return out;
  // A damaged or wrongly keyed stream inflates as far as it goes; the rest
  // stays zero and the buffer keeps its size.
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK) return out;
  zs.next_in = const_cast<Bytef*>(buffer.data());
  zs.avail_in = static_cast<uInt>(buffer.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  inflate(&zs, Z_FINISH);
  inflateEnd(&zs);
  return out;
}
