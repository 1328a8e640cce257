#pragma once
// The location sources shipped in a folder of the source tree (.rooms files),
// in name order, so a location added there is checked without a list to keep
// up to date, and checks that take every few rooms take the same ones on
// every machine.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

inline std::vector<std::filesystem::path> roomSourcesIn(const std::string& folder) {
  std::vector<std::filesystem::path> sources;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(TESMORIA_SOURCE_DIR) / folder))
    if (entry.path().extension() == ".rooms") sources.push_back(entry.path());
  std::sort(sources.begin(), sources.end());
  return sources;
}
