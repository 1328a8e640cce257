#include "source_text.h"

#include <cctype>
#include <vector>

#include "platform/file_system.h"

bool readTextFile(const std::string& path, std::string& text, std::string& error) {
  std::vector<uint8_t> bytes;
  if (std::string why = ReadFileOrWhy(path, bytes); !why.empty()) {
    error = "cannot read " + why;
    return false;
  }
  text.assign(bytes.begin(), bytes.end());
  return true;
}
