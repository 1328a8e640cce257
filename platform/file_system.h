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
// How much each kind of file may hold before its reader refuses it: far above
// anything the game writes, far below what would exhaust memory.
namespace file_limits {
constexpr int64_t kSmallText = 64 * 1024;          // last-profile and settings files, window place
constexpr int64_t kPlayerFile = 4 * 1024 * 1024;   // game in progress, seen tips, locations, high scores
constexpr int64_t kHistory = 64 * 1024 * 1024;     // undo histories, scripts, tool inputs
constexpr int64_t kAsset = 512 * 1024 * 1024;      // pictures, sounds, data packs
}  // namespace file_limits

// Opens a file for reading only when it is a regular file: a FIFO, a device
// or a socket would block or never end. The open itself never blocks. Returns
// the descriptor (blocking again, ready to read), or -1 with reason (when
// given) saying why in words for the player. A file of more than maxBytes
// is refused too.
int OpenRegularFile(const std::string& path, std::string* reason = nullptr,
                    int64_t maxBytes = file_limits::kAsset);
// Reads a whole file of at most maxBytes bytes; reason (when given) says why
// an existing file could not be read, in words for the player. Only regular
// files are read (see OpenRegularFile).
TFileRead ReadFileContents(const std::string& path, std::vector<uint8_t>& bytes, std::string* reason = nullptr,
                           int64_t maxBytes = file_limits::kPlayerFile);

// ReadFileContents for those that report in one line (the tools, scripts):
// empty when the bytes were read, else "PATH: why".
std::string ReadFileOrWhy(const std::string& path, std::vector<uint8_t>& bytes,
                          int64_t maxBytes = file_limits::kHistory);

// Suffix of the temporary file a replacement is written to before it takes
// the file's place.
constexpr const char* kReplacementSuffix = ".tmp";

// Replaces a file so that it is never left half written: the bytes go to a
// temporary file in the same folder, which is flushed and renamed over the
// old one. The temporary file is always made new: a stale one, or a link in
// its place, is removed and never written through. Missing folders on the
// way are created unless createFolders is false. False on failure, in which
// case the old file is untouched and reason (when given) says why. A write
// beyond the process's file-size limit fails like any other write; it never
// ends the program.
bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string* reason = nullptr,
                           bool createFolders = true);
// Removes the temporary files that replacements interrupted by a crash left
// in a folder, each only when the file it was to replace is there and can be
// read whole (otherwise it may be the only copy and is kept). Returns how
// many were removed.
int RemoveStaleReplacements(const std::string& folder);
