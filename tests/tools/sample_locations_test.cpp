// The custom locations shipped in the player's locations folder (the three
// samples and the expert packs): each compiles, its rooms need moves, its
// written solution lights every glyph, the search solves every room no
// shorter than the written solution, and the built file is the one the
// editor would write for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "platform/stream.h"
#include "tests/support/location_sources.h"
#include "tests/support/room_sample.h"
#include "tools/locmake/location_source.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "engine/still_host.h"
#include "tools/solver/room_replay.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSources = fs::path(TESMORIA_SOURCE_DIR) / "assets/custom_locations";
const fs::path kGame = TESMORIA_GAME_DIR;

// Every source in the folder, so a pack added there is checked without a list
// to keep up to date.
std::vector<std::string> shippedNames() {
  std::vector<std::string> names;
  for (const fs::path& source : roomSourcesIn("assets/custom_locations")) names.push_back(source.stem().string());
  return names;
}

class SampleLocations : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    shapesLoaded_ = loadObjectShapes(kGame.string(), pictures_, error);
  }
  static void TearDownTestSuite() { pictures_ = TRoomPictures(); }
  void SetUp() override { ASSERT_TRUE(shapesLoaded_) << "the room art must be built (gfx/objects.png)"; }

  static TSolveResult solveRoom(const TLocation& location, int index) {
    TSolveBudget budget;
    budget.maxSeconds = 1e9;  // bounded by positions only: the expert rooms take seconds in a sanitizer build
    return ::solveRoom(*startRoom(location, index, std::make_shared<TStillHost>(), pictures_), budget);
  }
  static TReplayResult replayRoom(const TLocation& location, int index, const TMoveList& moves) {
    return ::replayRoom(location, index, moves, pictures_);
  }

  static TRoomPictures pictures_;
  static bool shapesLoaded_;
};

TRoomPictures SampleLocations::pictures_;
bool SampleLocations::shapesLoaded_ = false;

TEST_F(SampleLocations, EveryRoomNeedsMovesAndIsSolvedByItsSolutionAndTheSearch) {
  const std::vector<std::string> names = shippedNames();
  EXPECT_GE(names.size(), 4u) << "the three samples and at least one expert pack";
  TRoomSample sample;
  for (const std::string& name : names) {
    TLocation location;
    std::string error;
    ASSERT_TRUE(readLocationSource((kSources / (name + ".rooms")).string(), location, error)) << error;
    TSolutions written;
    ASSERT_TRUE(readSolutions((kSources / (name + ".solution")).string(), written, error)) << error;
    EXPECT_EQ(static_cast<int>(written.size()), location.roomCount) << name;
    for (int i = 1; i <= location.roomCount; ++i) {
      if (!sample.takes()) continue;
      SCOPED_TRACE(name + " room " + std::to_string(i));
      EXPECT_FALSE(replayRoom(location, i, {}).solved) << "solved before any move";
      ASSERT_EQ(written.count(i), 1u);
      const TReplayResult played = replayRoom(location, i, written.at(i));
      EXPECT_TRUE(played.solved) << played.error;
      const TSolveResult found = solveRoom(location, i);
      ASSERT_EQ(found.verdict, TSolveVerdict::solved);
      EXPECT_LE(found.moves.size(), written.at(i).size());
      // The expert packs go on where the campaign ends: long rooms only.
      if (name.rfind("Expert", 0) == 0) {
        EXPECT_GE(found.moves.size(), 10u);
        EXPECT_LE(found.moves.size(), 25u);
      }
    }
  }
}

TEST(SampleLocationFiles, AreInThePlayersFolderAsTheEditorWritesThem) {
  for (const std::string& name : shippedNames()) {
    TLocation source;
    std::string error;
    ASSERT_TRUE(readLocationSource((kSources / (name + ".rooms")).string(), source, error)) << error;
    TMemoryStream expected;
    source.write(expected);
    TStreamPtr built = ReadStream((kGame / "locations" / (name + ".loc")).string());
    ASSERT_TRUE(built) << name << ".loc is not in the game's locations folder";
    EXPECT_EQ(built->ReadAll(), expected.Bytes()) << name;
  }
}

// The expert packs' figures in grades.tsv (written by tesmoria-roomgen grade)
// are those of the rooms that ship: one row per room in play order, under the
// room's name, with the written solution's length as its par, and the grade
// never falling from one room to the next.
TEST(ExpertPacks, AreGradedInPlayOrderAndRiseInGrade) {
  std::map<std::string, std::vector<std::vector<std::string>>> rows;  // by location
  std::ifstream tsv(kSources / "grades.tsv");
  ASSERT_TRUE(tsv) << "grades.tsv is missing";
  for (std::string line; std::getline(tsv, line);) {
    std::vector<std::string> fields;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    if (fields.size() >= 5) rows[fields[0]].push_back(fields);
  }
  int packs = 0;
  for (const std::string& name : shippedNames()) {
    if (name.rfind("Expert", 0) != 0) continue;
    ++packs;
    SCOPED_TRACE(name);
    TLocation location;
    TSolutions written;
    std::string error;
    ASSERT_TRUE(readLocationSource((kSources / (name + ".rooms")).string(), location, error)) << error;
    ASSERT_TRUE(readSolutions((kSources / (name + ".solution")).string(), written, error)) << error;
    const auto& graded = rows[location.name];
    ASSERT_EQ(static_cast<int>(graded.size()), location.roomCount) << "grade the pack again";
    for (int i = 1; i <= location.roomCount; ++i) {
      const std::vector<std::string>& row = graded[i - 1];
      EXPECT_EQ(row[1], std::to_string(i));
      EXPECT_EQ(row[2], location.room[i]->name);
      EXPECT_EQ(row[3], std::to_string(written.at(i).size())) << "room " << i;
      if (i > 1) {
        EXPECT_GE(std::stod(row[4]), std::stod(graded[i - 2][4])) << "room " << i << " is easier than the one before";
      }
    }
  }
  EXPECT_GE(packs, 1);
}

}  // namespace
