// Where campaign locations come from when there is no loose file: the entry
// NAME.loc of the campaign pack "data2.dat", and the written solutions that
// come with them.
#include "data/location.h"
#include "data/pack.h"

TStreamPtr openPackedLocation(const std::string& locationName) {
  return openPackStream(locationName + ".loc", "data2.dat", packKey);
}

TStreamPtr openLocationSolutions(const std::string& locationName) {
  if (TStreamPtr loose = ReadStream(TLocation::filePath(locationName))) {
    CloseStream(loose);
    return ReadStream("locations/" + locationName + ".solution");
  }
  return openPackStream(locationName + ".solution", "data2.dat", packKey);
}
