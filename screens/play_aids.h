#pragma once
// Aids shared by every place a room is played (the in-game screen and the
// editor's test play): the undo and redo keys, and the slide preview.
#include <string>

#include "engine/engine.h"

enum class TUndoKey { none, undo, redo };

// Ctrl+Z or Backspace undoes; Ctrl+Y or Ctrl+Shift+Z redoes. Reads (and so
// uses up) this frame's hits of those keys.
TUndoKey undoKeyPressed();

// While an object is selected and one of its arrows hovered, a faint ghost
// of it in the cell where that push leaves it. Worked out once per position
// and push by playing the push on a copy of the room.
class TSlidePreview {
 public:
  // The ghost of the push the pointer hovers, or of aimed when given (the
  // keyboard's push).
  void draw(const TEngine& room, const TRoomMove* aimed = nullptr);

 private:
  std::string key_;
  bool found_ = false;
  int c_ = 0, r_ = 0;
};
