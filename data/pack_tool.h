#pragma once
// The operations of the pack tool, which prepares the game's data packs. The
// game itself only reads packs (data/pack.h). Each operation returns false and
// fills error with a message for the user when it fails.
#include <ostream>
#include <string>
#include <vector>

// Writes a new pack holding the given files in order, each entry named after
// its file without the folder. With compress every entry is deflated at
// level 9; with a non-empty key every entry is scrambled. The pack is
// replaced only once all files were read, so a failure leaves any old pack.
bool buildPack(const std::string& output, const std::vector<std::string>& files, const std::string& key,
               bool compress, std::string& error);

// Prints "Listing file contents:" and one "name: unpacked size" line per entry.
bool listPack(const std::string& pack, std::ostream& out, std::string& error);

// Writes one entry of a pack, unscrambled and unpacked, to a file.
bool extractPackEntry(const std::string& name, const std::string& pack, const std::string& key,
                      const std::string& output, std::string& error);
