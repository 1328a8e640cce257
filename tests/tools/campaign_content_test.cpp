// The campaign as shipped: every location of the map is written, every room is
// proven solvable and its written solution (the par) is a shortest one, new
// pieces arrive one at a time along the unlock graph, the four map fragments
// lie in four locations that every full game visits, spare lives come before
// the hard locations, and every help tip has a room that shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <map>
#include <numeric>
#include <set>

#include "app/globals.h"
#include "data/campaign.h"
#include "engine/catalogue.h"
#include "engine/still_host.h"
#include "tests/support/room_sample.h"
#include "tools/locmake/location_source.h"
#include "tools/roomgen/room_grade.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "tools/roomgen/room_measure.h"
#include "tools/solver/room_replay.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSources = fs::path(TESMORIA_SOURCE_DIR) / "assets/locations";
const fs::path kGame = TESMORIA_GAME_DIR;
constexpr int kLostTemple = 8;

struct TCampaignLocation {
  int slot = 0;
  TLocation location;
  TSolutions solutions;
};

// A host that has shown no tip yet, as for a new profile.
class TFreshProfileHost : public TStillHost {
 public:
  bool helpSeen(int) override { return false; }
};

class Campaign : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    shapesLoaded_ = loadObjectShapes(kGame.string(), roomShapes(), error);
    const TMapLocations map = campaignLocations();
    for (int slot = 1; slot <= kLostTemple; ++slot) {
      TCampaignLocation L;
      L.slot = slot;
      const std::string base = (kSources / map[slot].name).string();
      if (readLocationSource(base + ".rooms", L.location, error) && readSolutions(base + ".solution", L.solutions, error))
        locations_.push_back(std::move(L));
      else
        readErrors_ += error + "\n";
    }
  }
  static void TearDownTestSuite() {
    roomShapes() = TRoomPictures();
    locations_.clear();
  }
  void SetUp() override {
    ASSERT_TRUE(shapesLoaded_) << "the room art must be built (gfx/objects.png)";

  }

  // The room after the written solution, played as the search plays moves.
  static TEnginePtr afterSolution(const TCampaignLocation& L, int room) {
    TEnginePtr engine = startRoom(L.location, room, std::make_shared<TStillHost>(), roomShapes());
    settleRoom(*engine);
    for (const TRoomMove& m : L.solutions.at(room)) {
      if (!startMove(*engine, m)) return nullptr;
      settleRoom(*engine);
    }
    return engine;
  }
  static std::string nameOf(int slot) { return campaignLocations()[slot].name; }
  static int countObjects(const TEngine& engine, int id) {
    int n = 0;
    for (int i = 1; i <= engine.roomObjects; ++i) n += engine.obj[i]->frame == id ? 1 : 0;
    return n;
  }
  static int storedObjects(const TRoom& room, int id) {
    int n = 0;
    for (int j = 1; j <= room.roomObjects; ++j) n += room.obj[j][2] == id ? 1 : 0;
    return n;
  }
  // Locations in the order a player may meet them: each path of the unlock
  // graph from Abydos, with the Lost Temple after all of them.
  static std::vector<std::vector<int>> unlockPaths() {
    const TMapLocations map = campaignLocations();
    std::vector<std::vector<int>> paths, open = {{1}};
    while (!open.empty()) {
      std::vector<int> path = open.back();
      open.pop_back();
      bool leaf = true;
      for (int k = 1; k <= 2; ++k)
        for (int s = 1; s < kLostTemple; ++s)
          if (map[path.back()].unlock[k] >= 0 && map[s].icon == map[path.back()].unlock[k]) {
            std::vector<int> longer = path;
            longer.push_back(s);
            open.push_back(longer);
            leaf = false;
          }
      if (leaf) paths.push_back(path);
    }
    return paths;
  }

  // How far apart two rooms look to a player: the cells whose block differs,
  // counting the three floors alike and every wall alike (they differ only in
  // their art), plus the objects one room has where the other has none of
  // the same kind (each (object, column, row) the rooms do not share).
  static int roomDistance(const TRoom& a, const TRoom& b) {
    auto plain = [](int block) {
      if (block >= 1 && block <= 3) return 1;                                  // floors #1..#3
      if ((block >= 7 && block <= 9) || (block >= 15 && block <= 17)) return 7;  // walls, decorated or not
      return block;
    };
    int distance = 0;
    for (int r = 1; r <= kRoomRows; ++r)
      for (int c = 1; c <= kRoomColumns; ++c) distance += plain(a.blk[c][r]) != plain(b.blk[c][r]) ? 1 : 0;
    auto objects = [](const TRoom& room) {
      std::multiset<std::array<int, 3>> all;
      for (int j = 1; j <= room.roomObjects; ++j) all.insert({room.obj[j][2], room.obj[j][0], room.obj[j][1]});
      return all;
    };
    std::vector<std::array<int, 3>> different;
    const auto inA = objects(a), inB = objects(b);
    std::set_symmetric_difference(inA.begin(), inA.end(), inB.begin(), inB.end(), std::back_inserter(different));
    return distance + static_cast<int>(different.size());
  }


  // The room with one of its stored objects taken out.
  static TLocation withoutObject(const TLocation& location, int room, int object) {
    TLocation copy = location;
    auto changed = std::make_shared<TRoom>(*location.room[room]);
    for (int j = object; j < changed->roomObjects; ++j) changed->obj[j] = changed->obj[j + 1];
    changed->obj[changed->roomObjects] = {};
    --changed->roomObjects;
    copy.room[room] = changed;
    return copy;
  }
  // Pieces the player pushes (mirrors, gems, sarcophagi, crates), by their
  // slot in the stored room, and whether the written solution leaves each
  // elsewhere, turned or gone.
  static std::map<int, bool> piecesMoved(const TCampaignLocation& L, int room) {
    std::map<int, bool> moved;
    const TRoom& stored = *L.location.room[room];
    const TEnginePtr start = startRoom(L.location, room, std::make_shared<TStillHost>(), roomShapes());
    settleRoom(*start);
    const TEnginePtr end = afterSolution(L, room);
    if (!end) return moved;
    for (int k = 1; k <= start->roomObjects; ++k) {
      const TObject* before = start->object(k);
      if (!before || before->frame == 0 || before->movable == 0) continue;
      int slot = 0;
      for (int j = 1; j <= stored.roomObjects && slot == 0; ++j)
        if (stored.obj[j] == std::array<int, 3>{before->c, before->r, before->frame} && !moved.count(j)) slot = j;
      if (slot == 0) {
        ADD_FAILURE() << "the piece at (" << before->c << ", " << before->r << ") is not in the stored room";
        continue;
      }
      const TObject* after = end->object(k);
      moved[slot] = !after || after->frame != before->frame || after->alpha < 1 || after->c != before->c ||
                    after->r != before->r || after->angle != before->angle;
    }
    return moved;
  }
  // The about line warns that a piece is there to mislead.
  static bool warnsOfATrap(const TRoom& room) {
    std::string about = room.description;
    std::transform(about.begin(), about.end(), about.begin(), [](unsigned char ch) { return std::tolower(ch); });
    return about.find("trap") != std::string::npos || about.find("decoy") != std::string::npos;
  }
  static int parOf(const TCampaignLocation& L, int room) {
    return L.solutions.count(room) ? static_cast<int>(L.solutions.at(room).size()) : 0;
  }

  static TReplayResult replayRoom(const TLocation& location, int index, const TMoveList& moves) {
    return ::replayRoom(location, index, moves, roomShapes());
  }

  static bool shapesLoaded_;
  static std::string readErrors_;  // locations that could not be read
  static std::vector<TCampaignLocation> locations_;
};

bool Campaign::shapesLoaded_ = false;
std::string Campaign::readErrors_;
std::vector<TCampaignLocation> Campaign::locations_;

TEST_F(Campaign, EveryLocationOfTheMapIsWrittenWithAtLeastEightyNamedRooms) {
  EXPECT_EQ(readErrors_, "");
  const TMapLocations map = campaignLocations();
  int rooms = 0;
  for (const TCampaignLocation& L : locations_) {
    SCOPED_TRACE(L.location.name);
    EXPECT_EQ(L.location.name, map[L.slot].name);
    EXPECT_GE(L.location.roomCount, 4);
    EXPECT_LE(L.location.roomCount, kLocationMaxRooms);
    rooms += L.location.roomCount;
    std::set<std::string> names;
    for (int i = 1; i <= L.location.roomCount; ++i) {
      const TRoom& room = *L.location.room[i];
      EXPECT_TRUE(names.insert(room.name).second) << "two rooms named " << room.name;
      EXPECT_NE(room.name.rfind("Room ", 0), 0u) << "room " << i << " keeps its default name";
      EXPECT_FALSE(room.description.empty()) << room.name;
      for (int r = 1; r <= kRoomRows; ++r)
        for (int c = 1; c <= kRoomColumns; ++c) EXPECT_NE(room.blk[c][r], 0) << room.name << " has a hole";
    }
  }
  EXPECT_GE(rooms, 80);
}

TEST_F(Campaign, EveryRoomIsProvenSolvableAndItsWrittenSolutionIsAShortestOne) {
  TSolveBudget limits;
  limits.maxPositions = 400000;
  limits.maxSeconds = 1e9;  // bounded by positions only: a sanitizer build on a busy machine is slow
  TRoomSample sample;
  for (const TCampaignLocation& L : locations_)
    for (int i = 1; i <= L.location.roomCount; ++i) {
      if (!sample.takes()) continue;
      SCOPED_TRACE(L.location.name + " room " + std::to_string(i) + " (" + L.location.room[i]->name + ")");
      ASSERT_EQ(L.solutions.count(i), 1u) << "no written solution";
      const TMoveList& written = L.solutions.at(i);
      EXPECT_FALSE(replayRoom(L.location, i, {}).solved) << "solved before any move";
      const TReplayResult played = replayRoom(L.location, i, written);
      EXPECT_TRUE(played.solved) << played.error;
      const TSolveResult found = solveRoom(*startRoom(L.location, i, std::make_shared<TStillHost>(), roomShapes()), limits);
      ASSERT_EQ(found.verdict, TSolveVerdict::solved) << "the search found no solution in " << found.positions << " positions";
      EXPECT_EQ(found.moves.size(), written.size()) << "the par is the shortest solution: " << describeMoves(found.moves);
    }
}

// A room opens as it was drawn: no piece starts on a pit, and nothing moves,
// falls or crumbles before the player's first move.
TEST_F(Campaign, NothingMovesBeforeThePlayerDoes) {
  for (const TCampaignLocation& L : locations_)
    for (int i = 1; i <= L.location.roomCount; ++i) {
      SCOPED_TRACE(L.location.name + " room " + std::to_string(i) + " (" + L.location.room[i]->name + ")");
      TEnginePtr engine = startRoom(L.location, i, std::make_shared<TStillHost>(), roomShapes());
      const std::string opened = stateKey(*engine);
      ASSERT_TRUE(settleRoom(*engine));
      EXPECT_EQ(stateKey(*engine), opened) << "a piece moved, fell or went before the first move";
      for (int k = 1; k <= engine->roomObjects; ++k) {
        const TObject* o = engine->object(k);
        const TBlock* under = o ? engine->cell(o->c, o->r) : nullptr;
        if (o && o->frame != 0 && o->movable != 0 && under && under->pit != 0 && engine->isFloorTileObj(o->c, o->r) == 0)
          ADD_FAILURE() << "a piece starts on the pit at (" << o->c << ", " << o->r << ")";
      }
    }
}

// A player who meets a room again with a pillar or a gem moved says "I have
// played this room". Every room has a layout of its own: two rooms differ in
// at least kDistinctRooms cells and objects. One object moved counts two (gone
// from one cell, found in another) and one pillar one, so a room that reuses
// another's walls must move four of its pieces or rebuild its pillars, while
// a room on a layout of its own passes by far (its walls, pits and floors
// differ in dozens of the 120 cells).
constexpr int kDistinctRooms = 8;

TEST_F(Campaign, NoTwoRoomsAreCopiesOfEachOther) {
  std::vector<std::pair<std::string, const TRoom*>> rooms;
  for (const TCampaignLocation& L : locations_)
    for (int i = 1; i <= L.location.roomCount; ++i)
      rooms.emplace_back(L.location.name + " " + std::to_string(i) + " \"" + L.location.room[i]->name + "\"",
                         L.location.room[i].get());
  for (size_t x = 0; x < rooms.size(); ++x)
    for (size_t y = x + 1; y < rooms.size(); ++y) {
      const int distance = roomDistance(*rooms[x].second, *rooms[y].second);
      EXPECT_GE(distance, kDistinctRooms) << rooms[x].first << " and " << rooms[y].first << " differ by " << distance;
    }
}

TEST_F(Campaign, PiecesArriveOneAtATimeAlongEveryPathOfTheUnlockGraph) {
  std::map<int, std::vector<std::vector<std::string>>> mechanics;  // slot -> per room
  for (const TCampaignLocation& L : locations_)
    for (int i = 1; i <= L.location.roomCount; ++i)
      mechanics[L.slot].push_back(roomFacts(L.location, i, L.solutions.at(i)).mechanics);
  // Two beams need two emitters: the first room with several glyphs has both.
  auto newThings = [](const std::set<std::string>& known, const std::vector<std::string>& room) {
    std::set<std::string> fresh;
    for (const std::string& m : room)
      if (!known.count(m)) fresh.insert(m);
    if (fresh.count("glyphs") && fresh.count("emitters")) fresh.erase("emitters");
    return fresh;
  };
  for (std::vector<int> path : unlockPaths()) {
    path.push_back(kLostTemple);
    std::set<std::string> known = {"slide"};  // the first room shows sliding with its mirror
    for (int slot : path)
      for (size_t room = 0; room < mechanics[slot].size(); ++room) {
        const std::set<std::string> fresh = newThings(known, mechanics[slot][room]);
        EXPECT_LE(fresh.size(), 1u) << nameOf(slot) << " room " << room + 1 << " brings "
                                    << fresh.size() << " new pieces at once, starting with " << *fresh.begin();
        known.insert(mechanics[slot][room].begin(), mechanics[slot][room].end());
      }
  }
}

TEST_F(Campaign, FourMapFragmentsInFourLocationsEveryGameVisitsAreTakenByTheWrittenSolutions) {
  std::set<int> slots;
  int fragments = 0;
  for (const TCampaignLocation& L : locations_)
    for (int i = 1; i <= L.location.roomCount; ++i) {
      const int here = storedObjects(*L.location.room[i], kObjMap);
      if (here == 0) continue;
      fragments += here;
      slots.insert(L.slot);
      // The run that plays the written solutions finds them all.
      const TEnginePtr played = afterSolution(L, i);
      ASSERT_TRUE(played);
      EXPECT_EQ(countObjects(*played, kObjMap), 0) << L.location.name << " room " << i << " leaves its map";
    }
  EXPECT_EQ(fragments, 4);
  EXPECT_EQ(slots.size(), 4u);
  EXPECT_FALSE(slots.count(kLostTemple)) << "the hidden location cannot hold a fragment that reveals it";
}

TEST_F(Campaign, AnkhsGiveSpareLivesBeforeTheHardLocations) {
  std::map<int, int> ankhs;  // slot -> ankhs the written solutions collect
  for (const TCampaignLocation& L : locations_)
    for (int i = 1; i <= L.location.roomCount; ++i) {
      const int stored = storedObjects(*L.location.room[i], kObjAnkh);
      if (stored == 0) continue;
      const TEnginePtr played = afterSolution(L, i);
      ASSERT_TRUE(played);
      ankhs[L.slot] += stored - countObjects(*played, kObjAnkh);
    }
  EXPECT_GE(ankhs[1], 1) << "Abydos already gives a spare life";
  // Every way to a hard location passes at least three ankhs; all of them
  // together give five before the Lost Temple.
  for (const std::vector<int>& path : unlockPaths()) {
    int before = 0;
    for (size_t k = 0; k + 1 < path.size(); ++k) before += ankhs[path[k]];
    EXPECT_GE(before, 3) << "before " << nameOf(path.back());
  }
  int all = 0;
  for (int slot = 1; slot < kLostTemple; ++slot) all += ankhs[slot];
  EXPECT_GE(all, 5);
}

TEST_F(Campaign, EveryHelpTipHasARoomThatShowsIt) {
  std::set<int> tips;
  for (const TCampaignLocation& L : locations_)
    for (int i = 1; i <= L.location.roomCount; ++i) {
      TEnginePtr engine = startRoom(L.location, i, std::make_shared<TFreshProfileHost>(), roomShapes());
      engine->setHelpTips();
      for (const THelpRequest& tip : engine->helpRequests) tips.insert(tip.helpID);
    }
  for (int id = 0; id < 20; ++id) EXPECT_TRUE(tips.count(id)) << "help tip " << id << " is never shown";
}

TEST_F(Campaign, TheLostTempleAsksForTheLongestSolutions) {
  std::map<int, double> averagePar;
  for (const TCampaignLocation& L : locations_) {
    double total = 0;
    for (const auto& [room, moves] : L.solutions) total += static_cast<double>(moves.size());
    averagePar[L.slot] = total / std::max<size_t>(1, L.solutions.size());
  }
  for (int slot = 1; slot < kLostTemple; ++slot)
    EXPECT_GT(averagePar[kLostTemple], averagePar[slot]) << nameOf(slot);
}

// Depth where the campaign ends. A location's last room is the one a player
// remembers: after the school of Abydos each ends with a room of at least
// eight moves.
constexpr int kDeepEnd = 8;

TEST_F(Campaign, EveryLocationAfterAbydosEndsWithADeepRoom) {
  for (const TCampaignLocation& L : locations_) {
    if (L.slot == 1) continue;
    EXPECT_GE(parOf(L, L.location.roomCount), kDeepEnd) << L.location.name << " ends with "
                                                        << L.location.room[L.location.roomCount]->name;
  }
}

// The Lost Temple's rooms are the longest of the game, and each has one way
// only: one shortest sequence of moves (so their order matters), towards two
// goals at once (two glyphs, two beams, or two mirrors the solution must
// both set), so that no single cell gives the answer away.
constexpr int kTempleShortestPar = 12, kTempleLongestPar = 20;

TEST_F(Campaign, TheLostTempleRoomsAreLongWithOneWayToTwoGoals) {
  const auto temple = std::find_if(locations_.begin(), locations_.end(), [](const auto& L) { return L.slot == kLostTemple; });
  ASSERT_NE(temple, locations_.end());
  const TCampaignLocation& L = *temple;
  EXPECT_EQ(L.location.roomCount, 6);
  TSolveBudget limits;
  limits.maxPositions = 1'500'000;
  limits.maxSeconds = 1e9;  // bounded by positions only, as above
  TRoomSample sample;
  for (int i = 1; i <= L.location.roomCount; ++i) {
    if (!sample.takes()) continue;
    SCOPED_TRACE(L.location.room[i]->name);
    EXPECT_GE(parOf(L, i), kTempleShortestPar);
    EXPECT_LE(parOf(L, i), kTempleLongestPar);
    const TRoomAnalysis a = analyseRoom(*startRoom(L.location, i, std::make_shared<TStillHost>(), roomShapes()), limits);
    ASSERT_TRUE(a.complete) << "the whole room must be searched to count its ways; " << a.positions << " positions";
    EXPECT_EQ(a.shortest, parOf(L, i));
    EXPECT_EQ(a.solutionsAtShortest, 1.0) << "more than one shortest way";
    const std::vector<std::string> used = roomFacts(L.location, i, L.solutions.at(i)).mechanics;
    const bool twoBeams = std::count(used.begin(), used.end(), "glyphs") + std::count(used.begin(), used.end(), "emitters") > 0;
    int mirrorsSet = 0;
    for (const auto& [k, moved] : piecesMoved(L, i))
      mirrorsSet += moved && L.location.room[i]->obj[k][2] == kObjMirror ? 1 : 0;
    EXPECT_TRUE(twoBeams || mirrorsSet >= 2) << "one goal only: one glyph, one beam and at most one mirror set";
  }
}

// In the second half of a location every piece the player can push takes
// part in the shortest solution: it is moved, or the solution fails without
// it (it is a stop or a screen). A piece that is there to mislead is named a
// trap or decoy in the room's about line.
TEST_F(Campaign, EveryPieceOfALaterRoomTakesPartOrIsAWarnedTrap) {
  for (const TCampaignLocation& L : locations_)
    for (int i = L.location.roomCount / 2 + 1; i <= L.location.roomCount; ++i) {
      const TRoom& room = *L.location.room[i];
      if (warnsOfATrap(room)) continue;
      SCOPED_TRACE(L.location.name + " room " + std::to_string(i) + " (" + room.name + ")");
      const std::map<int, bool> moved = piecesMoved(L, i);
      ASSERT_FALSE(moved.empty()) << "the written solution could not be played";
      for (const auto& [k, wasMoved] : moved) {
        if (wasMoved) continue;
        const TReplayResult without = replayRoom(withoutObject(L.location, i, k), i, L.solutions.at(i));
        EXPECT_FALSE(without.solved) << "the piece at (" << room.obj[k][0] << ", " << room.obj[k][1]
                                     << ") plays no part in the solution";
      }
    }
}

// The sun sets after 30 minutes of play. A first-time player who knows the
// pieces reads a room in 20 s and finds and makes each move of its par in
// 10 s (the estimate of assets/locations/README.md); every location fits.
constexpr int kSunSeconds = 30 * 60, kReadSeconds = 20, kMoveSeconds = 10;

TEST_F(Campaign, EveryLocationFitsTheSunForAFirstTimePlayer) {
  for (const TCampaignLocation& L : locations_) {
    int seconds = 0;
    for (int i = 1; i <= L.location.roomCount; ++i) seconds += kReadSeconds + kMoveSeconds * parOf(L, i);
    EXPECT_LE(seconds, kSunSeconds) << L.location.name;
  }
}

}  // namespace
