#include "platform/log.h"

#include <cstdio>

void LogLine(const std::string& line) { std::fprintf(stderr, "tesmoria: %s\n", line.c_str()); }
