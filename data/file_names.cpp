#include "data/file_names.h"

#include <algorithm>
#include <cctype>

#include "data/campaign.h"

namespace {

bool sameLetters(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string typedNameProblem(const std::string& name, size_t maxLength) {
  if (name.empty()) return "Please type a name.";
  if (name.find_first_not_of(' ') == std::string::npos) return "A name cannot be only spaces.";
  if (name.size() > maxLength) return "That name is too long.";
  const bool control = std::any_of(name.begin(), name.end(), [](char ch) {
    const auto code = static_cast<unsigned char>(ch);
    return code < 32 || code == 127;
  });
  if (control) return "A name cannot hold control characters.";
  return {};
}

std::string fileNameProblem(const std::string& name, size_t maxLength) {
  if (std::string problem = typedNameProblem(name, maxLength); !problem.empty()) return problem;
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
    return "A name cannot hold / or \\.";
  // "." and ".." are folders, and names starting with a full stop are hidden.
  if (name[0] == '.') return "A name cannot start with a full stop.";
  return {};
}

std::string locationNameProblem(const std::string& name) {
  std::string problem = fileNameProblem(name);
  if (!problem.empty()) return problem;
  // Loose files take the place of packed ones, and letter case may not tell
  // them apart on every system.
  const TMapLocations map = campaignLocations();
  for (int slot = kFirstCampaignSlot; slot <= kLastCampaignSlot; ++slot) {
    const std::string& campaign = map[slot].name;
    if (sameLetters(name, campaign)) return campaign + " is a campaign location: please choose another name.";
  }
  return {};
}

bool isListableName(const std::string& name) { return fileNameProblem(name).empty(); }
