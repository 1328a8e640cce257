#include "data/safe_file.h"

#include "platform/file_system.h"

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  TStreamPtr stream = ReadStream(path);
  if (!stream) return false;
  try {
    bytes = stream->ReadAll();
  } catch (const TStreamError&) {
    return false;
  }
  CloseStream(stream);
  return true;
}

bool writeWholeFile(const std::string& path, const std::function<void(TStream&)>& write) {
  TMemoryStream content;
  write(content);
  return ReplaceFileAtomically(path, content.Bytes());
}
