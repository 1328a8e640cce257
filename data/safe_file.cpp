#include "data/safe_file.h"

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, int64_t maxBytes) {
  return ReadFileContents(path, bytes, nullptr, maxBytes) == TFileRead::read;
}

bool writeWholeFile(const std::string& path, const std::function<void(TStream&)>& write, std::string* reason) {
  TMemoryStream content;
  write(content);
  return ReplaceFileAtomically(path, content.Bytes(), reason);
}
