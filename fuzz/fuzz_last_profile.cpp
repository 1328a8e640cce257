// Fuzzes the reader of "profiles/.cfg": whatever name it yields must be safe
// to put into a path inside the profiles folder.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "data/profile.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream in = inputStream(data, size);
  TProfile p;
  p.name = readLastProfileName(in);
  p.gameType = kGameCampaign;
  for (const std::string& path : {p.gameFilePath(), p.seenTipsPath(), p.exportPath()}) {
    if (p.name.empty() != path.empty()) std::abort();
    if (path.empty()) continue;
    std::string file = path.substr(std::string("profiles/").size());
    if (path.rfind("profiles/", 0) != 0 || file.find('/') != std::string::npos ||
        file.find('\\') != std::string::npos || file == "." || file == "..")
      std::abort();
  }
  return 0;
}
