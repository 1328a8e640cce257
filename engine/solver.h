#pragma once
// The solver: finds a shortest solution of a room from where it stands, in
// the player's moves (pushes and mirror turns). It searches the room's model
// breadth-first, layer by layer, expanding each layer on every core, and
// believes a solution only after playing it through the engine itself. When
// the model cannot stand for the room it searches with the engine, slowly.
//
// It never touches the room it is given beyond copying it, so it can run on
// a worker thread while the player plays on; and it answers "unknown", never
// "unsolvable", when its budget runs out or it is cancelled.
#include <atomic>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/room_move.h"

struct TSolveBudget {
  long maxPositions = 5'000'000;  // distinct positions stored
  double maxSeconds = 10;
  const std::atomic<bool>* cancel = nullptr;
  int threads = 0;  // 0: every core
  std::atomic<long>* progress = nullptr;  // positions stored so far, for a status line
};

enum class TSolveVerdict { solved, unsolvable, unknown };

struct TSolveResult {
  TSolveVerdict verdict = TSolveVerdict::unknown;
  TMoveList moves;         // a shortest solution when solved
  long positions = 0;      // distinct positions reached
  long movesTried = 0;     // moves played on the model or the engine
  long engineMoves = 0;    // of those, moves the engine had to play
  double seconds = 0;
  size_t bytes = 0;        // memory held by the search at its largest
  bool usedModel = false;  // false: the whole search ran on the engine
  std::string note;        // why the engine was needed, when it was
};

// What a full search of a room tells a designer.
struct TRoomAnalysis {
  TSolveVerdict verdict = TSolveVerdict::unknown;
  bool complete = false;         // every reachable position was seen
  int shortest = -1;             // moves of a shortest solution
  long positions = 0;            // every position reachable from the start
  long deadPositions = 0;        // of those, positions from which no solution remains
  long solvedPositions = 0;
  double branching = 0;          // moves per position, on average
  double solutionsAtShortest = 0;  // distinct shortest solutions
  int movables = 0;
  std::vector<std::string> mechanics;
  double seconds = 0;
};

// A copy of the room fit for playing on another thread: same grid, objects,
// fog rebuilt as play has it, a quiet host. Make it on the thread that owns
// the room (building a room draws random numbers).
TEnginePtr cloneRoom(const TEngine& room);

TSolveResult solveRoom(const TEngine& room, const TSolveBudget& budget = {});
// The same, on a clone already made (the background solver's worker).
TSolveResult solveClone(TEngine& clone, const TSolveBudget& budget);

// Every move played out by the engine itself, positions told apart by their
// objects: the slow way the model's search is checked against.
TSolveResult solveRoomOnEngine(const TEngine& room, const TSolveBudget& budget = {});

TRoomAnalysis analyseRoom(const TEngine& room, const TSolveBudget& budget = {});

std::string verdictText(TSolveVerdict verdict);
