#include "screens/play_aids.h"

#include "engine/room_play.h"
#include "platform/game_pad.h"
#include "platform/input.h"

namespace {
constexpr float kGhostAlpha = 0.4f;
}  // namespace

TUndoKey undoKeyPressed() {
  const bool ctrl = KeyDown(kKeyLControl) || KeyDown(kKeyRControl);
  const bool shift = KeyDown(kKeyLShift) || KeyDown(kKeyRShift);
  const bool z = KeyHit('Z') > 0, y = KeyHit('Y') > 0, backspace = KeyHit(kKeyBackspace) > 0;
  const bool padRedo = KeyHit(kKeyRedo) > 0;  // a pad's right shoulder
  if ((ctrl && !shift && z) || backspace) return TUndoKey::undo;
  if ((ctrl && (y || (shift && z))) || padRedo) return TUndoKey::redo;
  return TUndoKey::none;
}

void TSlidePreview::draw(const TEngine& room, const TRoomMove* aimed) {
  TRoomMove push;
  if (aimed)
    push = *aimed;
  else if (!room.hoveredPush(push))
    return;
  const std::string key = stateKey(room) + describeMove(push);
  if (key != key_) {
    key_ = key;
    found_ = slideStop(room, push, c_, r_);
  }
  if (found_) room.drawGhost(room.clickedO, c_, r_, kGhostAlpha);
}
