#pragma once
// One entry of a high-score table.
#include <string>

class THighScore {
 public:
  std::string player;    // profile name
  int time = 0;          // total play time in milliseconds
  int money = 0;         // final score
  std::string location;  // table the entry belongs to; not stored in the file
};
