// Fuzzes the reader of location files (".loc", and the campaign's entries of
// data2.dat): whatever it accepts must fit the room tables, and writing it
// and reading it back must give the same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "data/location.h"
#include "data/name_line.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TLocation loc;
  TMemoryStream in = inputStream(data, size);
  loc.read(in);
  if (loc.roomCount < 0 || loc.roomCount > kLocationMaxRooms) std::abort();
  for (int i = 1; i <= loc.roomCount; ++i) {
    const TRoomPtr& r = loc.room[i];
    if (!r || r->roomObjects < 0 || r->roomObjects > kRoomMaxObjects || r->name.size() > kLongestName) std::abort();
  }
  const std::vector<uint8_t> once = bytesWrittenBy([&](TStream& s) { loc.write(s); });
  TLocation again;
  TMemoryStream back(once);
  again.read(back);
  if (bytesWrittenBy([&](TStream& s) { again.write(s); }) != once) std::abort();
  // The editor's room operations on whatever came in.
  loc.curRoom = 1;
  loc.cloneRoom();
  loc.moveRoom(1);
  if (loc.roomCount > 1) loc.deleteRoom(1);
  return 0;
}
