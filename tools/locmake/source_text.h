#pragma once
// Small text helpers for the hand-written sources of the content tools.
#include <string>

// The text without its leading and trailing white space.

// Reads the whole file; false with a message when it cannot be read.
bool readTextFile(const std::string& path, std::string& text, std::string& error);
