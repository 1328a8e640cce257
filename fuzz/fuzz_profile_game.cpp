// Fuzzes the reader of a profile's game file (".cam", ".cus"), then runs the
// campaign rules on whatever it produced and checks that writing and reading
// again is stable.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "data/profile.h"
#include "fuzz/fuzz_support.h"

namespace {
std::vector<uint8_t> written(const TProfile& x) {
  return bytesWrittenBy([&](TStream& s) { x.writeGame(s); });
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TProfile p;
  p.gameType = size > 0 && data[0] & 1 ? kGameCampaign : kGameCustom;
  TMemoryStream in = inputStream(data, size);
  p.readGame(in);

  if (p.curLoc < 0 || p.curLoc >= kLocationSlots || p.lastLoc < 0 || p.lastLoc >= kLocationSlots ||
      p.roomObjects < 0 || p.roomObjects > kMaxRoomObjects)
    std::abort();
  for (int i = 1; i <= p.roomObjects; ++i)
    if (!p.obj[i]) std::abort();
  for (const TMapLocation& l : p.locs)
    if (!isKnownLocationStatus(l.status)) std::abort();

  // What the game writes back, it reads back the same.
  std::vector<uint8_t> once = written(p);
  TProfile q;
  TMemoryStream again(once);
  q.readGame(again);
  if (written(q) != once) std::abort();

  // The rules on damaged values: no overflow, no stray index.
  p.roomStatus.getTimeBonus();
  p.locStatus.addScore(p.roomStatus);
  p.saveScore("Campaign");
  int code = p.locationComplete();
  if (code != 22 && code != 23) std::abort();
  return 0;
}
