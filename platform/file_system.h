#pragma once
// File and folder operations. The game writes its paths with "\"; both "\"
// and "/" are accepted everywhere and mapped to "/".
#include <cstdint>
#include <string>
#include <vector>

std::string NormalizePath(const std::string& path);    // "\" -> "/"
int64_t FileSize(const std::string& path);              // -1 when missing
bool FileExists(const std::string& path);
bool IsDirectory(const std::string& path);
bool DeleteFile(const std::string& path);
bool CreateDir(const std::string& path);                // true if it exists afterwards
// Names in a folder, sorted; "." and ".." left out when skipDots.
std::vector<std::string> ReadDir(const std::string& path, bool skipDots = true);
std::string StripDir(const std::string& path);          // text after the last separator
std::string ExtractExt(const std::string& path);        // text after the last "." of the name
std::string StripExt(const std::string& path);
std::string CurrentDir();
bool ChangeDir(const std::string& path);
// The folder holding the running program.
std::string ProgramDir();

// What reading a whole file found.
enum class TFileRead {
  read,        // the bytes are the file's content
  missing,     // there is no file (nor anything else) under that name
  unreadable,  // something is there but cannot be read: permissions, a
               // folder, an I/O error
};
// Reads a whole file; reason (when given) says why an existing file could not
// be read, in words for the player.
TFileRead ReadFileContents(const std::string& path, std::vector<uint8_t>& bytes, std::string* reason = nullptr);

// Suffix of the temporary file a replacement is written to before it takes
// the file's place.
constexpr const char* kReplacementSuffix = ".tmp";

// Replaces a file so that it is never left half written: the bytes go to a
// temporary file in the same folder, which is flushed and renamed over the
// old one. Missing folders on the way are created. False on failure, in which
// case the old file is untouched and reason (when given) says why. A write
// beyond the process's file-size limit fails like any other write; it never
// ends the program.
bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string* reason = nullptr);
// Removes the temporary files that replacements interrupted by a crash left
// in a folder, each only when the file it was to replace is there and can be
// read whole (otherwise it may be the only copy and is kept). Returns how
// many were removed.
int RemoveStaleReplacements(const std::string& folder);
