#include "data/map_location.h"

bool isKnownLocationStatus(int status) {
  return status == kLocationHidden || status == kLocationAvailable || status == kLocationCompleted ||
         status == kLocationLocked;
}

void TMapLocation::loadProgress(TStream& s) {
  int stored = s.ReadInt();
  // The map draws frame icon + status, so an unknown value would pick a
  // picture of some other location.
  if (isKnownLocationStatus(stored)) status = stored;
  time = static_cast<int32_t>(s.ReadLong());
}

void TMapLocation::saveProgress(TStream& s) const {
  s.WriteInt(status);
  s.WriteLong(time);
}
