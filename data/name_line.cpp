#include "data/name_line.h"

std::string readNameLine(TStream& stream) {
  std::string line = stream.ReadLine();
  if (line.size() > kLongestName) line.resize(kLongestName);
  return line;
}
