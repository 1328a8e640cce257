// The undo and redo keys of the in-game screen, and the history file beside
// the profile that carries the history over MENU and RESET.
#include <cstdio>

#include "data/profile.h"
#include "engine/room_play.h"
#include "screens/play_aids.h"
#include "screens/game_screen.h"

void TGame::loadHistory(bool freshRoom) {
  if (!profile) return;
  const THistoryRoom here{currentLocation().name, profile->curRoom};
  std::string error;
  const std::string path = profile->undoHistoryPath();
  if (!history.read(path, error) && !error.empty()) std::fprintf(stderr, "Undo history dropped: %s\n", error.c_str());
  // A history of another room, or of an attempt that ended, is no longer ours.
  if (!(history.room == here) || (freshRoom && !history.keepOnRestart)) history.clear();
  history.room = here;
  history.keepOnRestart = false;
  // A resumed room has collected what the profile says; the snapshots' takings
  // are measured against it.
  engine->takings = TRoomTakings{profile->roomStatus.money, profile->roomStatus.lives, profile->roomStatus.maps};
}

void TGame::saveHistory() {
  if (!profile) return;
  // A room that ended (solved, skipped, out of time, abandoned) leaves nothing to undo.
  if (profile->newRoom && !history.keepOnRestart) history.clear();
  if (!history.write(profile->undoHistoryPath()) && !profile->undoHistoryPath().empty())
    std::fprintf(stderr, "Cannot save the undo history to %s\n", profile->undoHistoryPath().c_str());
}

void TGame::undoRedoKeys() {
  // Keys pressed while something moves, a box is open or a text box takes
  // the keyboard do nothing.
  if (!profile || textInputActive != 0 || pendingStatus != kPendingNone) return;
  session.undoKeys(*engine, profile->roomStatus);
}
