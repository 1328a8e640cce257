// F5 in the editor searches the room as it stands there (half fog, the
// editor's place on screen) and must answer as play would: for every shipped
// room, at its start and after two moves, the search of the editor's room and
// the search of the same room built for play agree on the verdict and the
// number of moves.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/campaign.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "engine/still_host.h"
#include "screens/editor.h"
#include "tests/support/room_sample.h"
#include "tools/locmake/location_source.h"

namespace {

namespace fs = std::filesystem;

const fs::path kGame = TESMORIA_GAME_DIR;
const fs::path kSource = TESMORIA_SOURCE_DIR;
constexpr int kEditorX = 5, kEditorY = 96;  // where the editor shows its room
const char* const kSamples[] = {"Oasis", "Twin Lights", "Crumbling Hall"};

// Every shipped location: the campaign's and the samples in the players' folder.
std::vector<TLocation> shippedLocations(std::string& error) {
  std::vector<TLocation> all;
  std::vector<fs::path> sources;
  const TMapLocations map = campaignLocations();
  for (int slot = kFirstCampaignSlot; slot <= kLastCampaignSlot; ++slot)
    sources.push_back(kSource / "assets/locations" / (map[slot].name + ".rooms"));
  for (const char* name : kSamples) sources.push_back(kSource / "assets/custom_locations" / (std::string(name) + ".rooms"));
  for (const fs::path& path : sources) {
    TLocation location;
    if (!readLocationSource(path.string(), location, error)) return {};
    all.push_back(std::move(location));
  }
  return all;
}

TEnginePtr editorRoom(const TLocation& location, int index, const TRoomPictures& pictures) {
  auto e = std::make_shared<TEngine>();
  e->host = std::make_shared<TStillHost>();
  e->pictures = pictures;
  e->location = location;
  e->setOffset(kEditorX, kEditorY);
  e->createRoom(index, TEditor::kEditFog);
  return e;
}

std::string answer(const TEngine& room) {
  TSolveBudget budget;
  budget.maxPositions = 400000;
  budget.maxSeconds = 1e9;  // bounded by positions only: a sanitizer build on a busy machine is slow
  const TSolveResult r = solveRoom(room, budget);
  return verdictText(r.verdict) + (r.verdict == TSolveVerdict::solved ? " in " + std::to_string(r.moves.size()) : "");
}

TEST(EditorSearch, AgreesWithPlayForEveryShippedRoomAtItsStartAndAfterTwoMoves) {
  TRoomPictures pictures;
  std::string error;
  ASSERT_TRUE(loadObjectShapes(kGame.string(), pictures, error)) << error;
  const std::vector<TLocation> locations = shippedLocations(error);
  ASSERT_FALSE(locations.empty()) << error;
  int rooms = 0;
  TRoomSample sample;
  for (const TLocation& location : locations)
    for (int i = 1; i <= location.roomCount; ++i) {
      if (!sample.takes()) continue;
      SCOPED_TRACE(location.name + " room " + std::to_string(i));
      TEnginePtr edited = editorRoom(location, i, pictures);
      TEnginePtr played = startRoom(location, i, std::make_shared<TStillHost>(), pictures);
      EXPECT_EQ(answer(*edited), answer(*played)) << "at the start";
      for (int move = 0; move < 2; ++move) {
        const TMoveList moves = legalMoves(*played);
        ASSERT_FALSE(moves.empty());
        ASSERT_TRUE(playMove(*played, moves.front()));
        ASSERT_TRUE(playMove(*edited, moves.front())) << describeMove(moves.front());
      }
      EXPECT_EQ(answer(*edited), answer(*played)) << "after two moves";
      ++rooms;
    }
  EXPECT_GE(rooms, 86 / sample.step());
}

}  // namespace
