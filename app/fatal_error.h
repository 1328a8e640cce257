#pragma once
// The end of the program on an error it cannot go on from (no font, a missing
// picture): a plain message box with the text, then exit with status 1.
#include <string>

[[noreturn]] void fatalError(const std::string& message);
// "Error: Could not load <path>." for a file the game cannot do without.
[[noreturn]] void fatalMissingFile(const std::string& path);
