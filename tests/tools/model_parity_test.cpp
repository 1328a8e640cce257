// The solver's model against the engine: on the campaign's rooms, as far as
// solving them reaches, and on rooms made at random to exercise every rule.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "engine/room_play.h"
#include "engine/solver.h"
#include "engine/still_host.h"
#include "tests/support/room_sample.h"
#include "tests/tools/shipped_locations.h"
#include "tools/locmake/location_source.h"
#include "tools/solver/model_parity.h"

namespace {

namespace fs = std::filesystem;

class ModelParity : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(loadObjectShapes(TESMORIA_GAME_DIR, pictures, error)) << error;
  }
  std::string describe(const TParityReport& r) {
    std::string text;
    for (const std::string& d : r.differences) text += d + "\n";
    return text;
  }
  TRoomPictures pictures;
};

TEST_F(ModelParity, AgreesWithTheEngineOnEveryPositionSolvingTheCampaignReaches) {
  TParityReport report;
  int rooms = 0;
  TRoomSample sample;
  for (const TLocation& location : locationsIn("assets/locations"))
    for (int i = 1; i <= location.roomCount; ++i) {
      if (!sample.takes()) continue;
      const TEnginePtr room = startRoom(location, i, std::make_shared<TStillHost>(), pictures);
      const TSolveResult solved = solveRoom(*room);
      EXPECT_TRUE(solved.usedModel) << location.name << " room " << i << ": " << solved.note;
      // Every position the search stored, up to a bound that keeps CI short.
      checkParity(*room, std::min<long>(solved.positions, 300), report);
      ++rooms;
    }
  EXPECT_GT(rooms, 0);
  EXPECT_GT(report.moves, 1000 / sample.step());
  EXPECT_EQ(report.roomsRefused, 0);
  EXPECT_TRUE(report.differences.empty()) << describe(report);
}

TEST_F(ModelParity, AgreesWithTheEngineOnRandomRooms) {
  TParityReport report;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    const TLocation location = randomPuzzleRoom(seed);
    checkParity(*startRoom(location, 1, std::make_shared<TStillHost>(), pictures), 25, report);
  }
  EXPECT_GT(report.moves, 3000);
  EXPECT_TRUE(report.differences.empty()) << describe(report);
}

TEST(FolderLayers, AnUpwardIncludeFailsTheCheck) {
  const fs::path tree = fs::temp_directory_path() / ("tesmoria-layers-" + std::to_string(::getpid()));
  fs::create_directories(tree / "engine");
  std::ofstream(tree / "engine" / "light.cpp") << "#include \"engine/engine.h\"\n#include \"data/location.h\"\n";
  const std::string check = "python3 '" + std::string(TESMORIA_SOURCE_DIR) + "/cmake/check_layers.py' '";
  EXPECT_EQ(std::system((check + tree.string() + "' 2>/dev/null").c_str()), 0);
  std::ofstream(tree / "engine" / "light.cpp", std::ios::app) << "#include \"app/globals.h\"\n";
  EXPECT_NE(std::system((check + tree.string() + "' 2>/dev/null").c_str()), 0);
  EXPECT_EQ(std::system((check + TESMORIA_SOURCE_DIR + "' 2>/dev/null").c_str()), 0);
  fs::remove_all(tree);
}

}  // namespace
