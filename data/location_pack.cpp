// Where campaign locations come from when there is no loose file: the entry
// NAME.loc of the campaign pack "data2.dat".
#include "data/location.h"

TStreamPtr openPackedLocation(const std::string& locationName) {
  // The pack reader is not part of the game yet; until it is, only loose
  // files in "locations/" can be played.
  (void)locationName;
  return nullptr;
}
