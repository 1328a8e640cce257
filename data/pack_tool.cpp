#include "data/pack_tool.h"

#include "data/pack.h"
#include "platform/file_system.h"
#include "platform/stream.h"

bool buildPack(const std::string& output, const std::vector<std::string>& files, const std::string& key,
               bool compress, std::string& error) {
  TMemoryStream pack;
  pack.WriteByte(compress ? 1 : 0);
  for (const std::string& path : files) {
    std::vector<uint8_t> buffer;
    if (std::string why = ReadFileOrWhy(path, buffer, file_limits::kAsset); !why.empty()) {
      error = "Cannot read input file " + why;
      return false;
    }
    const int64_t unpackedSize = static_cast<int64_t>(buffer.size());
    if (unpackedSize > kMaxPackEntrySize) {
      error = "Input file \"" + path + "\" is too large for a pack";
      return false;
    }
    pack.WriteLine(StripDir(NormalizePath(path)));
    pack.WriteLong(unpackedSize);
    if (compress) {
      buffer = compressBank(buffer, 9);
      if (buffer.empty()) {
        error = "Cannot compress \"" + path + "\"";
        return false;
      }
    }
    pack.WriteLong(static_cast<int64_t>(buffer.size()));
    scrambleBank(buffer, key);
    pack.WriteBytes(buffer.data(), static_cast<int64_t>(buffer.size()));
  }
  // A tool writes where it is told, and makes no folders on the way.
  if (!ReplaceFileAtomically(output, pack.Bytes(), nullptr, false)) {
    error = "Cannot write pack \"" + output + "\"";
    return false;
  }
  return true;
}

bool listPack(const std::string& pack, std::ostream& out, std::string& error) {
  TStreamPtr file = ReadStream(pack);
  if (!file) {
    error = "Cannot open pack \"" + pack + "\"";
    return false;
  }
  bool corrupt = false;
  try {
    file->ReadByte();
    out << "Listing file contents:\n";
    scanPack(*file, [&](const TPackEntry& entry) {
      out << entry.name << ": " << entry.unpackedSize << "\n";
      return false;
    }, &corrupt);
  } catch (const TStreamError& e) {
    error = std::string("Cannot read pack \"") + pack + "\": " + e.what();
    return false;
  }
  if (corrupt) {
    error = "Pack \"" + pack + "\" is damaged: an entry runs past the end of the file";
    return false;
  }
  return true;
}

bool extractPackEntry(const std::string& name, const std::string& pack, const std::string& key,
                      const std::string& output, std::string& error) {
  if (!FileExists(pack)) {
    error = "Cannot open pack \"" + pack + "\"";
    return false;
  }
  TStreamPtr entry = openPackStream(name, pack, key);
  if (!entry) {
    error = "Pack \"" + pack + "\" holds no readable entry \"" + name + "\"";
    return false;
  }
  if (!ReplaceFileAtomically(output, entry->ReadAll(), nullptr, false)) {
    error = "Cannot write \"" + output + "\"";
    return false;
  }
  return true;
}
