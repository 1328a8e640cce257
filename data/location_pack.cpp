// Where campaign locations come from when there is no loose file: the entry
// NAME.loc of the campaign pack "data2.dat".
#include "data/location.h"
#include "data/pack.h"

TStreamPtr openPackedLocation(const std::string& locationName) {
  return openPackStream(locationName + ".loc", "data2.dat", packKey);
}
