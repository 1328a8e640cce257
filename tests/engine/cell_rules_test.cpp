// The rules both the live room and the solver's positions play by, on
// small rooms of their own: what a cell admits, the order of a slide's
// arrival, the fog's flood, and the light's way and bounds.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/cell_rules.h"
#include "engine/light_paths.h"

namespace {

TEST(CellRules, APitTakesOneObjectThenLetsOthersPassAndADecayedWallFillsItAtOnce) {
  TFreeCellTally empty(true, false);
  EXPECT_TRUE(empty.admits(true, false));
  EXPECT_FALSE(empty.admits(false, false)) << "a wall takes nothing";

  TFreeCellTally crate(true, false);
  crate.add(TCellThing{});
  EXPECT_FALSE(crate.admits(true, false));
  EXPECT_TRUE(crate.admits(true, true)) << "one object in a pit is passed over";
  crate.add(TCellThing{});
  EXPECT_FALSE(crate.admits(true, true));

  TFreeCellTally wall(true, false);
  wall.add(TCellThing{false, false, true});
  EXPECT_FALSE(wall.admits(true, true));

  // Floors block only when asked; treasures block all but crates.
  TFreeCellTally passing(false, false);
  passing.add(TCellThing{true, false, false});
  passing.add(TCellThing{false, true, false});
  EXPECT_TRUE(passing.admits(true, false));
  TFreeCellTally settling(true, true);
  settling.add(TCellThing{true, false, false});
  EXPECT_FALSE(settling.admits(true, false));

  TPitCompany alone, company;
  alone.add(TCellThing{});
  alone.add(TCellThing{true, false, false});
  EXPECT_TRUE(alone.liesAlone()) << "its floor is no company";
  company.add(TCellThing{});
  company.add(TCellThing{});
  EXPECT_FALSE(company.liesAlone());
}

// A slide that records which rules were asked, in order.
struct TScriptedArrival {
  bool pit = false, crate = false, treasure = false, nextFree = true;
  std::vector<std::string> asked;
  bool pitOpenHere() { return asked.push_back("pit"), pit; }
  bool isCrate() { return asked.push_back("crate"), crate; }
  bool takeTreasures() { return asked.push_back("treasures"), treasure; }
  void startCrumbling() { asked.push_back("crumble"); }
  bool nextAdmits(bool treasuresBlock) {
    asked.push_back(treasuresBlock ? "next" : "next past treasures");
    return nextFree;
  }
};

TEST(CellRules, AnArrivalFallsFirstThenCollectsThenCrumblesThenGoesOn) {
  TScriptedArrival pit;
  pit.pit = true;
  EXPECT_EQ(arriveAtCell(pit), TArrival::fellIn);
  EXPECT_EQ(pit.asked, (std::vector<std::string>{"pit"})) << "a fall ends the slide before anything else";

  TScriptedArrival crate;
  crate.crate = crate.treasure = true;
  EXPECT_EQ(arriveAtCell(crate), TArrival::stops) << "a crate goes with its treasure";
  EXPECT_EQ(crate.asked, (std::vector<std::string>{"pit", "crate", "treasures", "crumble"}))
      << "the floor under a crate that stops still crumbles";

  TScriptedArrival sarcophagus;
  EXPECT_EQ(arriveAtCell(sarcophagus), TArrival::goesOn);
  EXPECT_EQ(sarcophagus.asked, (std::vector<std::string>{"pit", "crate", "crumble", "next"}));

  TScriptedArrival emptyCrate;
  emptyCrate.crate = true;
  emptyCrate.nextFree = false;
  EXPECT_EQ(arriveAtCell(emptyCrate), TArrival::stops);
  EXPECT_EQ(emptyCrate.asked.back(), "next past treasures");
}

// A room drawn as text, traced by the shared tracer: '#' wall, 'E' white
// emitter, 'G' white glyph, 'r' red glyph, '\' and '/' mirrors at angle 0
// and 90 (right-going light turns down and up), 'R' a red gem, 'X' a crate, '.' floor. Pieces stop rays in the
// middle of their cell.
class TTextRoom {
 public:
  explicit TTextRoom(std::vector<std::string> rows) : rows_(std::move(rows)) {}
  std::set<std::pair<int, int>> lit;
  std::vector<TLightRay> segments;

  char at(int c, int r) const {
    if (r < 0 || r >= static_cast<int>(rows_.size()) || c < 0 || c >= static_cast<int>(rows_[r].size())) return '#';
    return rows_[r][c];
  }
  template <class F>
  void forEachEmitter(F f) const {
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r)
      for (int c = 0; c < static_cast<int>(rows_[r].size()); ++c)
        if (at(c, r) == 'E') f(c, r);
  }
  static TLightColour emitted(int, int) { return {255, 255, 255}; }
  static int centreX(int c) { return c * 50 + 25; }
  static int centreY(int r) { return r * 50 + 25; }
  bool passes(int c, int r) const { return std::string(".\\/RX").find(at(c, r)) != std::string::npos; }
  bool glyphAt(int c, int r, TLightColour& wants) const {
    if (at(c, r) == 'G') wants = {255, 255, 255};
    if (at(c, r) == 'r') wants = {255, 0, 0};
    return at(c, r) == 'G' || at(c, r) == 'r';
  }
  void glyphLit(int c, int r) { lit.insert({c, r}); }
  static void wallLit(int) {}
  bool firstHit(const TLightRay& s, TLightMeeting& met) const {
    const char piece = at(s.c, s.r);
    if (piece == '.') return false;
    met.distance = 25;
    met.kind = piece == 'R' ? TLightMeeting::gem : piece == 'X' ? TLightMeeting::stops : TLightMeeting::mirror;
    met.filter = piece == 'R' ? TLightColour{255, 0, 0} : TLightColour{255, 255, 255};
    met.turned = piece == '/';
    return true;
  }
  int openSegment(const TLightRay& s) {
    segments.push_back(s);
    return static_cast<int>(segments.size()) - 1;
  }
  void closeSegment(int handle, const TLightRay& s) { segments[static_cast<size_t>(handle)] = s; }

 private:
  std::vector<std::string> rows_;
};

TEST(LightPaths, MirrorsTurnGemsColourAndGlyphsWantTheirExactColour) {
  TTextRoom room({
      "#####G##",
      "#E.../.r",
      "#.######",
      "#R######",
      "#G######",
      "#r######",
  });
  TLightTracer<TTextRoom> tracer(room);
  EXPECT_TRUE(tracer.traceRoom());
  // Right from the emitter, the mirror at angle 0 turns the beam up to the
  // white glyph; down through the red gem, red light ends on the white glyph
  // under it, which stays dark; the red glyph at the far right sees nothing.
  EXPECT_EQ(room.lit, (std::set<std::pair<int, int>>{{5, 0}}));
  ASSERT_EQ(room.segments.size(), 4u);
  EXPECT_EQ(room.segments[0].dx, 1) << "rightwards first (left and up are walled)";
  EXPECT_EQ(room.segments[1].dy, -1) << "the turned segment follows its parent";
  EXPECT_EQ(room.segments[1].x1, TTextRoom::centreX(5));
  EXPECT_EQ(room.segments[3].lg, 0) << "past the gem only red is left";
}

TEST(LightPaths, AStaircaseOfMirrorsDeeperThanTheBoundsIsCutOff) {
  // Every mirror turns the beam and starts a segment inside the last one:
  // right, down, right, down... through more turns than a trace may nest.
  constexpr int kSteps = 60;
  std::vector<std::string> rows(kSteps + 3, std::string(kSteps + 3, '.'));
  rows[0][0] = 'E';
  for (int k = 0; k < kSteps; ++k) {
    rows[k][k + 1] = '\\';
    rows[k + 1][k + 1] = '\\';
  }
  TTextRoom room(rows);
  TLightTracer<TTextRoom> tracer(room);
  EXPECT_FALSE(tracer.traceRoom());
  EXPECT_GT(tracer.cutOff(), 0);
  EXPECT_LE(static_cast<int>(room.segments.size()), TLightBounds::kMaxNesting + 1);
  EXPECT_GE(static_cast<int>(room.segments.size()), TLightBounds::kMaxNesting);
}

// The fog's flood over a text room: '#' stops it, 'W' is a wall it never
// crosses; the emitter stands at (1, 1).
struct TFlood {
  const std::vector<std::string>& rows;
  std::set<std::pair<int, int>> lifted;
  template <class F>
  void forEachEmitter(F f) const {
    f(1, 1);
  }
  bool floodsInto(int c, int r) const { return rows[r][c] == '.' && !lifted.count({c, r}); }
  void lift(int c, int r) { lifted.insert({c, r}); }
};

TEST(CellRules, TheFogLiftsWhereverLightCouldFloodAndNeverPastAWall) {
  const std::vector<std::string> rows = {
      "#######",
      "#E..W.#",
      "#.###.#",
      "#..#W.#",
      "#######",
  };
  TFlood flood{rows, {}};
  liftFogFromEmitters(flood);
  EXPECT_EQ(flood.lifted, (std::set<std::pair<int, int>>{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {1, 3}, {2, 3}}));
}

}  // namespace
