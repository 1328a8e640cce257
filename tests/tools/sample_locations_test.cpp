// The sample custom locations shipped in the player's locations folder: each
// compiles, its rooms need moves, its written solution lights every glyph,
// the search solves every room, and the built file is the one the editor
// would write for it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/globals.h"
#include "platform/stream.h"
#include "tools/locmake/location_source.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "engine/still_host.h"
#include "tools/solver/room_replay.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSources = fs::path(TESMORIA_SOURCE_DIR) / "assets/custom_locations";
const fs::path kGame = TESMORIA_GAME_DIR;
const char* const kSamples[] = {"Oasis", "Twin Lights", "Crumbling Hall"};

class SampleLocations : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    shapesLoaded_ = loadObjectShapes(kGame.string(), pictures_, error);
  }
  static void TearDownTestSuite() { pictures_ = TRoomPictures(); }
  void SetUp() override { ASSERT_TRUE(shapesLoaded_) << "the room art must be built (gfx/objects.png)"; }

  static TSolveResult solveRoom(const TLocation& location, int index) {
    return ::solveRoom(*startRoom(location, index, std::make_shared<TStillHost>(), pictures_));
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
  for (const char* name : kSamples) {
    TLocation location;
    std::string error;
    ASSERT_TRUE(readLocationSource((kSources / (std::string(name) + ".rooms")).string(), location, error)) << error;
    TSolutions written;
    ASSERT_TRUE(readSolutions((kSources / (std::string(name) + ".solution")).string(), written, error)) << error;
    EXPECT_EQ(static_cast<int>(written.size()), location.roomCount) << name;
    for (int i = 1; i <= location.roomCount; ++i) {
      SCOPED_TRACE(std::string(name) + " room " + std::to_string(i));
      EXPECT_FALSE(replayRoom(location, i, {}).solved) << "solved before any move";
      ASSERT_EQ(written.count(i), 1u);
      const TReplayResult played = replayRoom(location, i, written.at(i));
      EXPECT_TRUE(played.solved) << played.error;
      const TSolveResult found = solveRoom(location, i);
      ASSERT_EQ(found.verdict, TSolveVerdict::solved);
      EXPECT_LE(found.moves.size(), written.at(i).size());
    }
  }
}

TEST(SampleLocationFiles, AreInThePlayersFolderAsTheEditorWritesThem) {
  for (const char* name : kSamples) {
    TLocation source;
    std::string error;
    ASSERT_TRUE(readLocationSource((kSources / (std::string(name) + ".rooms")).string(), source, error)) << error;
    TMemoryStream expected;
    source.write(expected);
    TStreamPtr built = ReadStream((kGame / "locations" / (std::string(name) + ".loc")).string());
    ASSERT_TRUE(built) << name << ".loc is not in the game's locations folder";
    EXPECT_EQ(built->ReadAll(), expected.Bytes()) << name;
  }
}

}  // namespace
