// Damaged location files must never take the engine out of its grid: every
// room of many mutated copies of a test location is built and played.
#include <gtest/gtest.h>

#include <random>

#include "platform/file_system.h"
#include "test_host.h"
#include "test_pictures.h"

namespace {

TEST(HostileRooms, MutatedLocationsBuildAndPlay) {
  test_pictures::TTestGfx pictures;
  TStreamPtr s = ReadStream(std::string(TESMORIA_SOURCE_DIR) + "/tests/engine/data/trials.loc");
  ASSERT_TRUE(s);
  const std::vector<uint8_t> original = s->ReadAll();
  std::mt19937 rng(1234);
  int roomsPlayed = 0;
  for (int copy = 0; copy < 60; ++copy) {
    std::vector<uint8_t> bytes = original;
    const int changes = 1 + static_cast<int>(rng() % 40);
    for (int k = 0; k < changes; ++k) bytes[rng() % bytes.size()] = static_cast<uint8_t>(rng());
    if (copy % 4 == 3) bytes.resize(rng() % bytes.size());
    TMemoryStream stream(bytes);
    TEngine e;
    e.host = std::make_shared<TTestHost>();
    e.setOffset(6, 95);
    e.location.read(stream);
    ASSERT_LE(e.location.roomCount, kLocationMaxRooms);
    for (int i = 1; i <= e.location.roomCount; ++i) {
      e.createRoom(i, 1.0f);
      ASSERT_LE(e.roomObjects, kRoomMaxObjects);
      for (int f = 0; f < 30; ++f) {
        e.drawRoom();
        e.updateObjects();
      }
      e.setHelpTips();
      e.storeRoom();
      ++roomsPlayed;
    }
  }
  EXPECT_GT(roomsPlayed, 60);
}

}  // namespace
