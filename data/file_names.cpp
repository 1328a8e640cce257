#include "data/file_names.h"

#include <algorithm>

std::string fileNameProblem(const std::string& name, size_t maxLength) {
  if (name.empty()) return "Please type a name.";
  if (name.size() > maxLength) return "That name is too long.";
  const bool control = std::any_of(name.begin(), name.end(), [](char ch) {
    const auto code = static_cast<unsigned char>(ch);
    return code < 32 || code == 127;
  });
  if (control) return "A name cannot hold control characters.";
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
    return "A name cannot hold / or \\.";
  // "." and ".." are folders, and names starting with a full stop are hidden.
  if (name[0] == '.') return "A name cannot start with a full stop.";
  return {};
}
