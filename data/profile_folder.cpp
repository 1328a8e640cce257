#include "data/profile_folder.h"

#include <set>

#include "data/profile.h"
#include "platform/file_system.h"

namespace {
// ".cam" and ".cus" games, ".dat" seen tips, ".cfg" settings, ".txt" export.
constexpr const char* kProfileExtensions[] = {"cam", "cus", "dat", "cfg", "txt"};

bool isProfileExtension(const std::string& ext) {
  for (const char* known : kProfileExtensions)
    if (ext == known) return true;
  return false;
}
}  // namespace

std::vector<std::string> profileNamesInFolder(const std::string& folder) {
  std::set<std::string> names;
  for (const std::string& entry : ReadDir(folder, true)) {
    if (!isProfileExtension(ExtractExt(entry))) continue;
    const std::string name = StripExt(entry);
    if (isSafeProfileName(name)) names.insert(name);
  }
  return {names.begin(), names.end()};
}
