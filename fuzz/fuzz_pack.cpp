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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Every name the walk meets is looked up, as the game looks up its own.
  std::vector<std::string> names;
  {
    TMemoryStream scan = inputStream(data, size);
    if (scan.ReadByte(), !scan.Eof())
      scanPack(scan, [&](const TPackEntry& e) {
        names.push_back(e.name);
        return names.size() >= 8;
      });
  }
  names.push_back("click.wav");
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
