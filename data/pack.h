#pragma once
// Data packs: single files beside the program holding many named files one
// after another. A pack starts with a compression flag byte (0 = entries
// stored as they are, anything else = every entry is a zlib stream); then
// each entry is its name as a line, its unpacked size and its stored size as
// 64-bit longs, and its stored bytes. With a key the stored bytes are also
// scrambled. There is no directory: opening an entry scans the pack.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/stream.h"

// The key every pack of the game is scrambled with.
extern const std::string packKey;

// Entries are below 2 GB (only the low 32 bits of the sizes count), and an
// entry that claims to unpack to more than this is treated as corrupt rather
// than allocated.
constexpr int64_t kMaxPackEntrySize = int64_t{256} << 20;

// One entry's header, as met while scanning a pack.
struct TPackEntry {
  std::string name;
  int64_t unpackedSize = 0;
  int64_t storedSize = 0;
};

// The named entry of a pack as a memory stream at position 0, or null when
// the pack cannot be opened, holds no such entry (names match without regard
// to letter case), or the entry is damaged (its bytes run past the end of the
// pack or it claims an absurd size). A wrongly keyed entry is not detected.
TStreamPtr openPackStream(const std::string& name, const std::string& pack, const std::string& key);
// The same, out of a pack already open as a stream at its first byte.
TStreamPtr openPackEntry(TStream& pack, const std::string& name, const std::string& key);

// Walks the entry headers of an open pack stream positioned after the flag
// byte, calling visit for each; when visit returns true the stream is left at
// the start of that entry's stored bytes and the walk stops with true. False
// when the walk reached the end, or met an entry whose size fields are
// impossible (in which case corrupt is set when given).
bool scanPack(TStream& pack, const std::function<bool(const TPackEntry&)>& visit, bool* corrupt = nullptr);

// Scrambles or unscrambles a buffer in place (its own inverse). The first
// byte is never changed.
void scrambleBank(std::vector<uint8_t>& buffer, const std::string& key);
// Scrambles or unscrambles a text with packKey, every character included.
std::string scrambleText(const std::string& text);
std::u16string scrambleText(const std::u16string& text);

// A zlib stream of the buffer at the given level (9 for packs); empty when
// zlib fails.
std::vector<uint8_t> compressBank(const std::vector<uint8_t>& buffer, int level);
// Exactly unpackedSize bytes inflated from a zlib stream; whatever the stream
// does not supply stays 0. Empty when unpackedSize is negative or above
// kMaxPackEntrySize.
std::vector<uint8_t> uncompressBank(const std::vector<uint8_t>& buffer, int64_t unpackedSize);
