// The search on rooms made for it: one without a solution, one that needs a
// decayed wall to burst. (The campaign's own rooms: campaign_content_test.)
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/globals.h"
#include "data/campaign.h"
#include "data/pack.h"
#include "platform/file_system.h"
#include "platform/stream.h"
#include "tools/locmake/location_source.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "engine/still_host.h"
#include "tools/solver/room_replay.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSources = fs::path(TESMORIA_SOURCE_DIR) / "assets/locations";
const fs::path kGame = TESMORIA_GAME_DIR;

// The campaign's locations, as the map names them.
std::vector<std::string> campaignNames() {
  std::vector<std::string> names;
  const TMapLocations map = campaignLocations();
  for (const TMapLocation& slot : map)
    if (!slot.name.empty()) names.push_back(slot.name);
  return names;
}

class StarterContent : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    shapesLoaded_ = loadObjectShapes(kGame.string(), pictures_, error);
  }
  static void TearDownTestSuite() { pictures_ = TRoomPictures(); }
  void SetUp() override { ASSERT_TRUE(shapesLoaded_) << "the room art must be built (gfx/objects.png)"; }

  static TLocation source(const std::string& name) {
    TLocation location;
    std::string error;
    EXPECT_TRUE(readLocationSource((kSources / (name + ".rooms")).string(), location, error)) << error;
    return location;
  }
  static TSolutions solutions(const std::string& name) {
    TSolutions s;
    std::string error;
    EXPECT_TRUE(readSolutions((kSources / (name + ".solution")).string(), s, error)) << error;
    return s;
  }

  static TSolveResult solveRoom(const TLocation& location, int index) {
    const TEnginePtr room = startRoom(location, index, std::make_shared<TStillHost>(), pictures_);
    return ::solveRoom(*room);
  }
  static TReplayResult replayRoom(const TLocation& location, int index, const TMoveList& moves) {
    return ::replayRoom(location, index, moves, pictures_);
  }

  static TRoomPictures pictures_;
  static bool shapesLoaded_;
};

TRoomPictures StarterContent::pictures_;
bool StarterContent::shapesLoaded_ = false;

TEST_F(StarterContent, TheSearchReportsARoomWithoutSolution) {
  // The glyph is walled in: no mirror can bring the beam to it.
  const std::string text =
      "location Sealed\nroom Sealed\n"
      "|############|\n|*..........#|\n|#..........#|\n|#..........#|  |     \\      |\n|#..........#|\n"
      "|############|\n|#W##########|\n|############|\n|############|\n|############|\nmirror 3 5\n";
  TLocation location;
  std::string error;
  ASSERT_TRUE(parseLocationSource(text, location, error)) << error;
  const TSolveResult r = solveRoom(location, 1);
  EXPECT_NE(r.verdict, TSolveVerdict::solved);
  EXPECT_EQ(r.verdict, TSolveVerdict::unsolvable);
  // The mirrors were slid and turned all over their four rows first.
  EXPECT_GT(r.positions, 4);
}

TEST_F(StarterContent, TheSearchWaitsForDecayedWallsToExplode) {
  // White light leaves the red decayed wall standing; once the ruby colours
  // the beam the wall glows, explodes and the red glyph behind it lights.
  const std::string text =
      "location Decay\nroom Decay\n|############|\n|*..........R|  |       R    |\n|#..........#|\n"
      "|#..........#|\n|#..........#|  |  r         |\n|############|\n|############|\n|############|\n"
      "|############|\n|############|\n";
  TLocation location;
  std::string error;
  ASSERT_TRUE(parseLocationSource(text, location, error)) << error;
  EXPECT_FALSE(replayRoom(location, 1, {}).solved);
  const TSolveResult r = solveRoom(location, 1);
  ASSERT_EQ(r.verdict, TSolveVerdict::solved);
  ASSERT_EQ(r.moves.size(), 1u);
  EXPECT_TRUE(replayRoom(location, 1, r.moves).solved) << describeMoves(r.moves);
  EXPECT_TRUE(replayRoom(location, 1, {{3, 5, 0, -1, false}}).solved);
}

TEST_F(StarterContent, TheSearchWaitsForACrumbledFloorToSwallowWhatStandsOnIt) {
  // The sarcophagus stops on the crumbling floor over the pit (the skeleton
  // holds it), still in the light; only when the floor has crumbled and it
  // has fallen in does the light pass on to the glyph.
  const std::string column = "|#####.######|\n";
  const std::string text = "location Crumble\nroom Crumble\n|#####*######|\n" + column + column + column +
                           "|#####.######|  |     S      |\n|#####O######|  |     ~      |\n|#####x######|\n" + column +
                           column + "|#####W######|\n";
  TLocation location;
  std::string error;
  ASSERT_TRUE(parseLocationSource(text, location, error)) << error;
  const TSolveResult r = solveRoom(location, 1);
  ASSERT_EQ(r.verdict, TSolveVerdict::solved);
  EXPECT_EQ(describeMoves(r.moves), "click 6 5, move down");
  EXPECT_TRUE(replayRoom(location, 1, r.moves).solved);
}

TEST_F(StarterContent, AReplayStopsAtAMoveTheRoomRefuses) {
  const TLocation location = source("Abydos");
  // Room 1's mirror stands at 6 8; nothing stands at 2 2, and a mirror
  // against the bottom glyph cannot go further down.
  TReplayResult r = replayRoom(location, 1, {{2, 2, 1, 0, false}});
  EXPECT_FALSE(r.solved);
  EXPECT_NE(r.error.find("click 2 2, move right"), std::string::npos) << r.error;
  r = replayRoom(location, 1, {{6, 8, 0, 1, false}, {6, 9, 0, 1, false}});
  EXPECT_FALSE(r.solved);
  EXPECT_NE(r.error.find("click 6 9, move down"), std::string::npos) << r.error;
}

TEST(CampaignPack, HoldsEachCompiledLocationAndReadsBackAsItsSource) {
  for (const std::string& name : campaignNames()) {
    std::ifstream loose(kGame / "locations-work" / (std::string(name) + ".loc"), std::ios::binary);
    ASSERT_TRUE(loose) << name << ".loc was not compiled";
    const std::string looseBytes((std::istreambuf_iterator<char>(loose)), std::istreambuf_iterator<char>());
    TStreamPtr packed = openPackStream(std::string(name) + ".loc", (kGame / "data2.dat").string(), packKey);
    ASSERT_TRUE(packed) << name << " is not in data2.dat";
    std::string packedBytes(static_cast<size_t>(packed->Size()), '\0');
    packed->ReadBytes(packedBytes.data(), static_cast<int>(packedBytes.size()));
    EXPECT_EQ(packedBytes, looseBytes) << name;

    packed->Seek(0);
    TLocation fromPack, fromSource;
    ASSERT_EQ(fromPack.read(*packed), 1);
    EXPECT_TRUE(fromPack.loadProblem.empty()) << fromPack.loadProblem;
    std::string error;
    ASSERT_TRUE(readLocationSource((kSources / (std::string(name) + ".rooms")).string(), fromSource, error)) << error;
    ASSERT_EQ(fromPack.roomCount, fromSource.roomCount);
    for (int i = 1; i <= fromSource.roomCount; ++i) {
      const TRoom &a = *fromPack.room[i], &b = *fromSource.room[i];
      EXPECT_EQ(a.name, b.name);
      EXPECT_EQ(a.description, b.description);
      EXPECT_EQ(a.blk, b.blk);
      EXPECT_EQ(a.roomObjects, b.roomObjects);
      EXPECT_EQ(a.obj, b.obj);
    }
  }
}

TEST(CampaignPack, TheGameFindsTheCampaignLocationsInIt) {
  // A game folder holding only the pack, as a player's would before any
  // location of their own.
  const fs::path dir = fs::temp_directory_path() / ("tesmoria_campaign_pack_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "locations");
  fs::copy_file(kGame / "data2.dat", dir / "data2.dat");
  const std::string here = CurrentDir();
  ASSERT_TRUE(ChangeDir(dir.string()));
  for (const std::string& name : campaignNames()) {
    TLocation location;
    EXPECT_EQ(location.load(name), 1) << name;
    EXPECT_GE(location.roomCount, 1) << name;
    EXPECT_TRUE(location.loadProblem.empty()) << location.loadProblem;
  }
  ChangeDir(here);
  fs::remove_all(dir);
}

}  // namespace

namespace {

// Runs a tool of the game folder; its exit status, with its output in out.
int runTool(const std::string& args, std::string& out) {
  const fs::path outFile = fs::temp_directory_path() / ("tesmoria_solve_" + std::to_string(::getpid()) + ".txt");
  const int status = std::system((kGame.string() + "/" + args + " >" + outFile.string() + " 2>&1").c_str());
  std::ifstream in(outFile);
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  fs::remove(outFile);
  return WEXITSTATUS(status);
}

TEST(SolveTool, ReplaysAndSearchesFromTheCommandLine) {
  const std::string giza = (kSources / "Giza.rooms").string();
  std::string out;
  EXPECT_EQ(runTool("tesmoria-solve --replay " + (kSources / "Giza.solution").string() + " " + giza, out), 0) << out;
  EXPECT_NE(out.find("room 1 (Scarab's Rest): all glyphs lit after "), std::string::npos) << out;
  EXPECT_NE(out.find("room 2 (The Open Shaft): all glyphs lit after "), std::string::npos) << out;
  EXPECT_EQ(runTool("tesmoria-solve " + giza + " 2", out), 0) << out;
  EXPECT_NE(out.find("room 2 (The Open Shaft): solved in "), std::string::npos) << out;
  EXPECT_EQ(runTool("tesmoria-solve " + giza + " 13", out), 2);
  EXPECT_NE(out.find("room 13 is not in"), std::string::npos) << out;
  EXPECT_EQ(runTool("tesmoria-locmake " + giza + " /nonexistent-folder/Abydos.loc", out), 1);
  EXPECT_NE(out.find("must be written to \"Giza.loc\""), std::string::npos) << out;
}

}  // namespace
