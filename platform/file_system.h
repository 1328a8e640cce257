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

// Replaces a file so that it is never left half written: the bytes go to a
// temporary file in the same folder, which is flushed and renamed over the
// old one. Missing folders on the way are created. False on failure, in which
// case the old file is untouched.
bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);
