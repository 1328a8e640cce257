#pragma once
// Hints in a room: the next move of a shortest solution from where the room
// stands. The first press of H marks the object to move with a pulse, the
// second shows the arrow to take (or a turn sign on a mirror). The answer
// comes from the room's written solution while the player follows it, and
// from the room's atlas (made on a worker as the room opens) once the player
// strays, or from the solver on a worker while there is no atlas; a frame
// never waits for either. From a position with no way out it says so in words.
#include <map>
#include <set>
#include <string>

#include "engine/background_solver.h"
#include "engine/engine.h"
#include "engine/room_atlas.h"
#include "engine/room_move.h"

// A search budget for the background searches of a room in play: the
// positions and seconds given, on every core but one (the game's frames
// keep theirs).
TSolveBudget playBudget(long positions, double seconds);

class TRoomHints {
 public:
  // What a hint press shows now.
  enum class TShow { nothing, object, move };

  // A shortest solution from the position stateKey gives positionKey (the
  // room's start, with its written solution): hints from there need no search.
  void knowSolution(const std::string& positionKey, const TMoveList& moves);
  // Starts mapping the room from its start (as it opens), so that later
  // hints from anywhere in it are read at once.
  void mapRoom(const TEngine& start);
  bool mapped() const { return atlas_ != nullptr; }
  // The player asks (H or the HINT button); the room must be at rest.
  // True when this press reveals a new move: the caller counts the hint.
  bool ask(const TEngine& room);
  // Once a frame: takes the search's answer when it comes. True when the
  // answer reveals a move asked for (counted as ask's).
  bool update(const TEngine& room);
  // The player started a move: a hint followed keeps the rest of its
  // solution, any other move makes the next hint search again.
  void moveStarted(const TRoomMove& move);
  // Undo, redo or a rebuilt room: the hint on show no longer applies. What
  // is known of the positions met so far stays: undo back to one of them
  // gives its hint at once.
  void forget();
  // A different room (the editor's design changed): forgets that too.
  void reset();

  TShow showing() const { return shown_; }
  // The move the hint is about (valid while showing() is not nothing).
  const TRoomMove& nextMove() const { return plan_.front(); }
  // A line for the player: searching, no way out, or no answer in time.
  const std::string& message() const { return message_; }
  bool searching() const { return solver_.busy(); }

  // The pulse, arrow or turn sign over the room, at time ms.
  void draw(const TEngine& room, uint32_t ms) const;

  static constexpr const char* kNoWayOut = "No way out from here: undo or reset";
  static constexpr const char* kSearching = "Looking for the way on...";
  static constexpr const char* kNoAnswer = "No hint found in time: undo a move or two and ask again";

 private:
  // The plan: a shortest solution from the position planKey_, followed so far.
  std::string planKey_;
  bool planAfterMove_ = false;  // planKey_ is the position once the room rests
  TMoveList plan_;
  bool deadEnd_ = false;        // planKey_ has no solution at all
  TShow shown_ = TShow::nothing;
  bool askedWhileSearching_ = false;
  std::string searchKey_;
  TBackgroundSolver solver_;
  TAtlasMaker atlasMaker_;
  std::unique_ptr<TRoomAtlas> atlas_;
  // Positions whose shortest solution, or lack of one, is known.
  std::map<std::string, TMoveList> solved_;
  std::set<std::string> deadEnds_;
  std::string message_;

  bool planFits(const TEngine& room);
  // Takes what is known of the position as the plan; false when nothing is.
  bool recall(const std::string& key);
  // Takes the atlas's way from the room as the plan; false when it has none.
  bool readAtlas(const TEngine& room);
  bool reveal();
};
