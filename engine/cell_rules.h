#pragma once
// Which cells an object may enter and which objects lie alone in a pit,
// counted once for the live room and for the solver's positions: each walks
// what stands in a cell and hands it to a tally.

// One thing standing in a cell, as these rules see it.
struct TCellThing {
  bool floorTile = false;    // a crumbling floor: under objects, in their way only when asked
  bool treasure = false;     // crates take treasures; anything else is stopped by them
  bool decayedWall = false;  // fills a pit on its own
};

// The free-cell rule. A cell with nothing in the way takes an object; so
// does a pit until it holds one object, after which objects pass over it
// (a decayed wall fills a pit at once).
class TFreeCellTally {
 public:
  TFreeCellTally(bool treasuresBlock, bool floorsBlock) : treasuresBlock_(treasuresBlock), floorsBlock_(floorsBlock) {}
  void add(const TCellThing& thing) {
    if (thing.floorTile && !floorsBlock_) return;
    if (thing.treasure && !treasuresBlock_) return;
    ++blockers_;
    pitWeight_ += thing.decayedWall ? 2 : 1;
  }
  // cellTakesObjects: the block lets objects stand on it at all.
  bool admits(bool cellTakesObjects, bool pit) const {
    if (!cellTakesObjects) return false;
    return blockers_ == 0 || (pit && pitWeight_ <= 1);
  }

 private:
  bool treasuresBlock_, floorsBlock_;
  int blockers_ = 0, pitWeight_ = 0;
};

// A movable object on a pit can be picked only while something besides its
// floor stands there with it; alone, it has fallen in, or will once its
// crumbling floor goes.
class TPitCompany {
 public:
  void add(const TCellThing& thing) {
    if (!thing.floorTile) ++standing_;
  }
  bool liesAlone() const { return standing_ <= 1; }

 private:
  int standing_ = 0;
};

// What a sliding object does as it reaches the centre of a cell, the rules
// in their order. The room it slides in (live or a solver's position) does
// the work each rule asks for:
//   bool pitOpenHere()          the cell is a pit that takes it (it falls in)
//   bool isCrate()
//   bool takeTreasures()        a crate collects the treasures there; true if any
//   void startCrumbling()       the first crumbling floor there starts to go
//   bool nextAdmits(bool treasuresBlock)   the next cell on takes it
enum class TArrival { fellIn, stops, goesOn };

template <class Slide>
TArrival arriveAtCell(Slide& slide) {
  if (slide.pitOpenHere()) return TArrival::fellIn;
  const bool crate = slide.isCrate();
  // A crate that takes a treasure goes with it: it stops here and fades out.
  const bool halted = crate && slide.takeTreasures();
  slide.startCrumbling();
  return !halted && slide.nextAdmits(!crate) ? TArrival::goesOn : TArrival::stops;
}

// Fog lies over the cells no emitter's light could flood to: the flood runs
// through cells light passes and never through a wall. The room says:
//   void forEachEmitter(F f)       f(c, r) for each emitter
//   bool floodsInto(int c, int r)  light passes, no wall, not lifted yet
//   void lift(int c, int r)        the fog over the cell goes
template <class Room>
void liftFogFromEmitters(Room& room) {
  constexpr int kMaxCells = 14 * 12;  // the grid with its border ring
  constexpr int kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  int stack[2 * kMaxCells][2];
  int top = 0;
  auto reach = [&](int c, int r) {
    room.lift(c, r);
    if (top < 2 * kMaxCells) stack[top][0] = c, stack[top][1] = r, ++top;
  };
  room.forEachEmitter(reach);
  while (top > 0) {
    --top;
    const int c = stack[top][0], r = stack[top][1];
    for (const auto& s : kSteps)
      if (room.floodsInto(c + s[0], r + s[1])) reach(c + s[0], r + s[1]);
  }
}
