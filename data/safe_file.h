#pragma once
// Reading and writing the player's files whole. A file is read into memory in
// one go and parsed from there; it is written by building the complete
// content in memory and swapping it in for the old file in one step, so a
// crash or power cut during a save leaves the previous file as it was.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/stream.h"

// False when the file cannot be opened or read, is no ordinary file or holds
// more than maxBytes (ReadFileContents tells a missing file from one that
// cannot be read).
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                   int64_t maxBytes = file_limits::kPlayerFile);
// Runs write on an empty memory stream, then replaces the file with what it
// wrote (creating missing folders). False, and the old file untouched, when
// the file cannot be replaced; reason then says why.
bool writeWholeFile(const std::string& path, const std::function<void(TStream&)>& write,
                    std::string* reason = nullptr);
