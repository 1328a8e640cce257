// The solver's quick ways against the slow ones they stand in for: a whole
// position's moves worked out at once against the full rules move by move,
// the one-core search against the search on every core, and both against
// the search that plays every move on the engine itself.
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <optional>
#include <random>
#include <set>

#include "engine/position_store.h"
#include "engine/room_atlas.h"
#include "engine/room_model.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "engine/still_host.h"
#include "tests/support/room_sample.h"
#include "tests/tools/shipped_locations.h"
#include "tools/locmake/location_source.h"
#include "tools/solver/model_parity.h"

namespace {

namespace fs = std::filesystem;

struct TNamedRoom {
  std::string name;
  TEnginePtr room;
};

class SolverAgreement : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(loadObjectShapes(TESMORIA_GAME_DIR, pictures, error)) << error;
  }

  TEnginePtr randomRoom(uint32_t seed) {
    return startRoom(randomPuzzleRoom(seed), 1, std::make_shared<TStillHost>(), pictures);
  }

  // A random room with at most two movable pieces (its treasures, walls and
  // floors all kept), small enough for the engine to search it through.
  TEnginePtr smallRandomRoom(uint32_t seed) {
    TLocation location = randomPuzzleRoom(seed);
    TRoom& room = *location.room[1];
    const std::set<int> pieces = {kObjMirror, kObjRuby, kObjEmerald, kObjSaphire, kObjDiamond, kObjSarcophagus, kObjCrate};
    int kept = 0, movables = 0;
    for (int i = 1; i <= room.roomObjects; ++i) {
      if (pieces.count(room.obj[i][2]) != 0 && ++movables > 2) continue;
      room.obj[++kept] = room.obj[i];
    }
    room.roomObjects = kept;
    return startRoom(location, 1, std::make_shared<TStillHost>(), pictures);
  }

  // Every room of the .rooms sources in a folder of the source tree.
  std::vector<TNamedRoom> roomsIn(const std::string& folder) {
    std::vector<TNamedRoom> rooms;
    for (const TLocation& location : locationsIn(folder))
      for (int i = 1; i <= location.roomCount; ++i)
        rooms.push_back({location.name + " room " + std::to_string(i),
                         startRoom(location, i, std::make_shared<TStillHost>(), pictures)});
    return rooms;
  }

  // From up to maxPositions positions of the room, breadth-first: expand
  // must give the moves, steps and positions that moves and apply give.
  // Returns the moves compared.
  long compareExpansion(const std::string& name, const TEngine& room, long maxPositions) {
    const TEnginePtr clone = cloneRoom(room);
    if (!roomAtRest(*clone)) settleRoom(*clone);
    const TRoomModel model(*clone);
    if (!model.ok()) return 0;
    std::deque<TRoomModel::TState> queue{model.initial()};
    std::set<std::array<uint8_t, 32>> seen{model.pack(model.initial()).bytes};
    std::vector<TRoomMove> moves;
    std::vector<TRoomModel::TChild> children;
    long compared = 0;
    for (long visited = 0; !queue.empty() && visited < maxPositions; ++visited) {
      const TRoomModel::TState s = queue.front();
      queue.pop_front();
      model.moves(s, moves);
      model.expand(s, children);
      std::vector<TRoomMove> expanded;
      for (const auto& child : children) expanded.push_back(child.move);
      EXPECT_EQ(describeMoves(expanded), describeMoves(moves)) << name;
      if (expanded != moves) return compared;
      for (size_t i = 0; i < moves.size(); ++i) {
        TRoomModel::TState next;
        const TRoomModel::TStep step = model.apply(s, moves[i], next);
        EXPECT_EQ(children[i].step, step) << name << ": " << describeMove(moves[i]);
        if (step != TRoomModel::TStep::done) continue;
        ++compared;
        EXPECT_EQ(model.pack(children[i].next), model.pack(next)) << name << ": " << describeMove(moves[i]);
        if (seen.insert(model.pack(next).bytes).second) queue.push_back(next);
      }
    }
    return compared;
  }

  TRoomPictures pictures;
};

TEST_F(SolverAgreement, ExpandingAPositionPlaysEveryMoveAsTheFullRulesDo) {
  long compared = 0;
  for (uint32_t seed = 1; seed <= 60; ++seed)
    compared += compareExpansion("random room " + std::to_string(seed), *randomRoom(seed), 200);
  for (const TNamedRoom& r : roomsIn("assets/locations")) compared += compareExpansion(r.name, *r.room, 60);
  for (const TNamedRoom& r : roomsIn("bench/rooms")) compared += compareExpansion(r.name, *r.room, 300);
  EXPECT_GT(compared, 20000);
}

// The search from a room, by the model on one core, on two, and by the
// engine move by move: the same verdict, and solutions of the same length.
// Rooms whose engine search runs out of budget are skipped. Returns the
// engine's verdict when the room was compared.
std::optional<TSolveVerdict> sameAnswers(const std::string& name, const TEngine& room, long enginePositions) {
  TSolveBudget engineBudget;
  engineBudget.maxPositions = enginePositions;
  engineBudget.maxSeconds = 60;
  const TSolveResult onEngine = solveRoomOnEngine(room, engineBudget);
  if (onEngine.verdict == TSolveVerdict::unknown) return std::nullopt;
  for (int threads : {1, 2}) {
    TSolveBudget budget;
    budget.threads = threads;
    budget.maxSeconds = 60;
    const TSolveResult found = solveRoom(room, budget);
    EXPECT_EQ(verdictText(found.verdict), verdictText(onEngine.verdict)) << name << " on " << threads << " cores";
    EXPECT_EQ(found.moves.size(), onEngine.moves.size()) << name << " on " << threads << " cores";
  }
  return onEngine.verdict;
}

TEST_F(SolverAgreement, RandomRoomsGetTheEnginesVerdictAndShortestLength) {
  int compared = 0;
  TRoomSample sample;
  for (uint32_t seed = 1; seed <= 50; ++seed)
    if (sample.takes() && sameAnswers("random room " + std::to_string(seed), *smallRandomRoom(seed), 600)) ++compared;
  EXPECT_GE(compared, 15 / sample.step());
}

TEST_F(SolverAgreement, SmallShippedRoomsGetTheEnginesVerdictAndShortestLength) {
  int compared = 0, solved = 0;
  std::vector<TNamedRoom> rooms = roomsIn("assets/locations");
  for (TNamedRoom& r : roomsIn("bench/rooms")) rooms.push_back(r);
  for (const TNamedRoom& r : rooms)
    if (const auto verdict = sameAnswers(r.name, *r.room, 400)) {
      ++compared;
      solved += *verdict == TSolveVerdict::solved ? 1 : 0;
    }
  EXPECT_GE(compared, 10);
  EXPECT_GT(solved, 0);
}

// Every shipped room whose whole space the engine can walk in a few
// seconds (up to 100,000 positions); the deepest rooms (the Lost Temple's
// hundreds of thousands, the benchmark rooms' millions) are beyond the
// engine, and are checked by the atlas test against the model's search.
TEST_F(SolverAgreement, EveryShippedRoomGetsTheEnginesVerdictAndShortestLength) {
  constexpr long kEngineWalks = 100'000;
  int compared = 0, beyond = 0;
  TRoomSample sample;
  for (const TNamedRoom& r : roomsIn("assets/locations")) {
    if (!sample.takes()) continue;
    TSolveBudget whole;
    whole.maxPositions = kEngineWalks;
    if (!analyseRoom(*r.room, whole).complete) {
      ++beyond;
      continue;
    }
    EXPECT_TRUE(sameAnswers(r.name, *r.room, kEngineWalks).has_value()) << r.name << " undecided";
    ++compared;
  }
  EXPECT_GE(3 * compared, compared + beyond) << compared << " compared, " << beyond << " rooms were beyond the engine";
}

// The atlas of a room against searches from positions along random walks:
// a way wherever the search finds one, as short, and lighting every glyph
// when played; no way where the search proves none. With searchAll false
// (big rooms) the search runs from the start only, and a dead end must lead
// only to dead ends. Returns the positions compared.
int compareAtlas(const std::string& name, const TEngine& room, bool searchAll, uint32_t seed) {
  const TEnginePtr walker = cloneRoom(room);
  if (!roomAtRest(*walker)) settleRoom(*walker);
  // The game's budget of positions, with no limit of time: a sanitizer
  // build maps many times slower than the game does.
  TSolveBudget budget = atlasBudget();
  budget.maxSeconds = 1e9;
  const std::unique_ptr<TRoomAtlas> atlas = TRoomAtlas::mapClone(cloneRoom(*walker), budget);
  if (!atlas) return 0;
  std::mt19937 rng(seed);
  const TRoomSnapshot start = walker->takeSnapshot();
  int compared = 0;
  for (int walk = 0; walk < 4; ++walk) {
    walker->restoreSnapshot(start);
    TMoveList played;
    for (int step = 0; step < 8; ++step) {
      const std::string where = name + " after \"" + describeMoves(played) + "\"";
      TMoveList way;
      const TRoomAtlas::TWay answer = atlas->wayFrom(*walker, way);
      EXPECT_NE(answer, TRoomAtlas::TWay::unknown) << where;
      if (searchAll || played.empty()) {
        TSolveBudget one;
        one.threads = 1;
        const TSolveResult searched = solveRoom(*walker, one);
        EXPECT_EQ(answer == TRoomAtlas::TWay::found, searched.verdict == TSolveVerdict::solved) << where;
        EXPECT_EQ(answer == TRoomAtlas::TWay::none, searched.verdict == TSolveVerdict::unsolvable) << where;
        EXPECT_EQ(way.size(), searched.moves.size()) << where;
      }
      const TEnginePtr check = cloneRoom(*walker);
      if (answer == TRoomAtlas::TWay::found) {
        for (const TRoomMove& m : way) EXPECT_TRUE(playMove(*check, m)) << where << ": " << describeMove(m);
        EXPECT_TRUE(glyphsAllLit(*check)) << where << ": " << describeMoves(way);
      } else if (answer == TRoomAtlas::TWay::none) {
        for (const TRoomMove& m : legalMoves(*walker)) {
          const TEnginePtr next = cloneRoom(*walker);
          if (!playMove(*next, m)) continue;
          TMoveList none;
          EXPECT_EQ(atlas->wayFrom(*next, none), TRoomAtlas::TWay::none) << where << ", then " << describeMove(m);
        }
      }
      ++compared;
      const TMoveList moves = legalMoves(*walker);
      if (moves.empty()) break;
      const TRoomMove move = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(rng)];
      if (!playMove(*walker, move)) break;
      played.push_back(move);
    }
  }
  return compared;
}

TEST_F(SolverAgreement, TheAtlasAnswersAsTheSearchDoesFromAnywhereInARoom) {
  int compared = 0;
  TRoomSample sample;
  for (uint32_t seed = 1; seed <= 30; ++seed)
    if (sample.takes()) compared += compareAtlas("random room " + std::to_string(seed), *smallRandomRoom(seed), true, seed);
  EXPECT_GT(compared, 300 / sample.step());
}

// Campaign rooms of up to three movable pieces are mapped whole, so a hint
// anywhere in one is read at once (rooms of four reach millions of
// positions and are left to the searches); the shipped custom locations'
// rooms agree with the search wherever they fit the atlas. Every third room
// is taken, and each location's last; TESMORIA_EVERY_ROOM=1 takes them all.
TEST_F(SolverAgreement, CampaignRoomsHaveAtlasesThatAgreeWithTheSearch) {
  TRoomSample sample(3);
  uint32_t seed = 0;
  int mapped = 0;
  const std::vector<TNamedRoom> rooms = roomsIn("assets/locations");
  for (const TNamedRoom& r : rooms) {
    const bool last = &r == &rooms.back() || (&r + 1)->name.ends_with(" room 1");
    if (!sample.takes() && !last) continue;
    if (TRoomModel(*r.room).pieceCount() >= 4) continue;
    EXPECT_GT(compareAtlas(r.name, *r.room, false, ++seed), 0) << r.name << " was not mapped";
    ++mapped;
  }
  EXPECT_GE(mapped, sample.step() == 1 ? 70 : 75 / sample.step());
  // The expert packs' long rooms are searched whole by the shipped custom
  // locations' test; mapping and walking each here too would add a minute to
  // the sanitizer build's run.
  for (const TNamedRoom& r : roomsIn("assets/custom_locations"))
    if (r.name.rfind("Expert", 0) != 0) compareAtlas(r.name, *r.room, false, ++seed);
}

// A walled room: an emitter on the left wall, a white glyph on the right
// wall at row 3 with a sarcophagus before it, and two mirrors on the floor.
// With walls above, below and behind the sarcophagus it can never move.
TLocation glyphBehindSarcophagus(bool walledIn) {
  auto room = std::make_shared<TRoom>();
  room->name = walledIn ? "Walled in" : "Not walled in";
  for (int c = 1; c <= 12; ++c)
    for (int r = 1; r <= 10; ++r)
      room->blk[c][r] = (c == 1 || c == 12 || r == 1 || r == 10) ? kBlockWall1 : kBlockFloor1;
  room->blk[1][5] = kBlockEmitter;
  room->blk[12][3] = kBlockWhiteGlyph;
  room->blk[11][2] = room->blk[11][4] = kBlockWall1;
  if (walledIn) room->blk[10][3] = kBlockWall1;
  room->roomObjects = 3;
  room->obj[1] = {11, 3, kObjSarcophagus};
  room->obj[2] = {4, 7, kObjMirror};
  room->obj[3] = {7, 8, kObjMirror};
  TLocation location;
  location.name = room->name;
  location.roomCount = 1;
  location.room[1] = room;
  return location;
}

TEST_F(SolverAgreement, AGlyphWalledInBehindAPieceThatCanNeverMoveIsADeadEnd) {
  const TEnginePtr walled = startRoom(glyphBehindSarcophagus(true), 1, std::make_shared<TStillHost>(), pictures);
  const TRoomModel model(*walled);
  ASSERT_TRUE(model.ok()) << model.problem();
  EXPECT_TRUE(model.hopeless(model.initial()));
  const TSolveResult r = solveRoom(*walled);
  EXPECT_EQ(r.verdict, TSolveVerdict::unsolvable);
  EXPECT_EQ(r.positions, 1);  // every move leads to a position as dead

  // With the cell behind it open the sarcophagus can still go left: not dead.
  const TEnginePtr open = startRoom(glyphBehindSarcophagus(false), 1, std::make_shared<TStillHost>(), pictures);
  const TRoomModel openModel(*open);
  ASSERT_TRUE(openModel.ok()) << openModel.problem();
  EXPECT_FALSE(openModel.hopeless(openModel.initial()));
  EXPECT_EQ(solveRoom(*open).verdict, TSolveVerdict::solved);
}

// The store the search keeps its positions in: repeats found across the
// table's growth, wide keys told apart by their last word.
TEST(PositionStore, FindsEveryRepeatAcrossGrowthAndKeepsTheOrderOfArrival) {
  TPositionStore<2> store(true);
  for (uint64_t i = 0; i < 200'000; ++i) {
    const TPositionStore<2>::TKey key{i * 7919, i & 1};
    const auto place = store.insert(key, TPositionStore<2>::hash(key), static_cast<uint32_t>(i / 2), 3);
    ASSERT_TRUE(place.added);
  }
  for (uint64_t i = 0; i < 200'000; i += 997) {
    const TPositionStore<2>::TKey key{i * 7919, i & 1};
    const auto place = store.insert(key, TPositionStore<2>::hash(key), 0, 0);
    EXPECT_FALSE(place.added);
    EXPECT_EQ(store.indexAt(place.slot), i);
    EXPECT_EQ(store.parent(i), i / 2);
  }
  const TPositionStore<2>::TKey other{7919, 0};  // differs from key 1 in its last word only
  EXPECT_TRUE(store.insert(other, TPositionStore<2>::hash(other), 0, 0).added);
  EXPECT_EQ(store.size(), 200'001u);
}

}  // namespace
