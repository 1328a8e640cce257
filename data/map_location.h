#pragma once
// One location of the campaign map and its progress.
#include <array>
#include <string>

#include "platform/stream.h"

// Values of TMapLocation::status.
enum : int {
  kLocationHidden = -1,     // not shown on the map
  kLocationAvailable = 0,
  kLocationCompleted = 2,
  kLocationLocked = 3,
};

class TMapLocation {
 public:
  std::string name;  // location name, also its file name
  int icon = 0;      // first of its four frames in the map-icon strip
  int x = 0, y = 0;  // icon position on the map screen
  int status = 0;    // kLocationHidden .. kLocationLocked
  // Entries 1 and 2: icons of the locations that finishing this one unlocks,
  // -1 for none. Entry 0 is not used.
  std::array<int, 3> unlock{};
  int time = 0;      // ms the location took (slot 0: time lost to failed attempts)

  // The progress record of the game file: status as int, time as long. A
  // status the map does not know keeps the value already held.
  void loadProgress(TStream& stream);
  void saveProgress(TStream& stream) const;
};

bool isKnownLocationStatus(int status);
