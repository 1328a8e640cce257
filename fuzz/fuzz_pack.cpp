// Fuzzes the data-pack reader: entry lookup with and without the key,
// compressed or not, then the loaders that take pack entries (sounds and
// locations) on what comes out.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/location.h"
#include "data/pack.h"
#include "fuzz/fuzz_support.h"
#include "platform/audio_sample.h"

namespace {
// Entries the game ships are well below this; larger ones (the reader takes
// up to kMaxPackEntrySize) only make the runs slow, not the reading different.
constexpr int64_t kLargestEntryTried = int64_t{1} << 20;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Every name the walk meets is looked up, as the game looks up its own.
  std::vector<std::string> names;
  bool large = false;
  {
    TMemoryStream scan = inputStream(data, size);
    scan.ReadByte();
    if (!scan.Eof())
      scanPack(scan, [&](const TPackEntry& e) {
        large = large || e.unpackedSize > kLargestEntryTried || e.storedSize > kLargestEntryTried;
        names.push_back(e.name);
        return names.size() >= 8;
      });
  }
  if (large) names.clear();  // a lookup could land on the large entry
  for (const std::string& name : names) {
    for (const std::string& key : {packKey, std::string()}) {
      TMemoryStream pack = inputStream(data, size);
      TStreamPtr entry = openPackEntry(pack, name, key);
      if (!entry) continue;
      if (entry->Size() < 0 || entry->Size() > kMaxPackEntrySize) std::abort();
      LoadAudioSample(entry);
      entry->Seek(0);
      TLocation loc;
      loc.read(*entry);
    }
  }
  return 0;
}
