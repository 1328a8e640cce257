// A scripted pointer playing a room frame by frame.
#include "room_replay.h"

#include "engine/still_host.h"
#include "engine/room_play.h"

namespace {

constexpr int kLeft = 1, kRight = 2;
constexpr int kRestFrames = 5000;
// The glyphs need about 100 frames of light to glow fully.
constexpr int kGlyphFrames = 400;

// A player's hand: the pointer rests on one pixel; a button may be clicked
// in the coming frame.
class THandHost : public TStillHost {
 public:
  int x = -1000, y = -1000;
  int button = 0;
  bool pointerOver(const TImagePtr&, int cx, int cy, int) override {
    return cx - 25 <= x && x < cx + 25 && cy - 25 <= y && y < cy + 25;
  }
  int clicked(int b) override { return button == b ? 1 : 0; }
};

class TReplay {
 public:
  TReplay(const TLocation& location, int index, const TRoomPictures& pictures)
      : hand_(std::make_shared<THandHost>()), engine_(startRoom(location, index, hand_, pictures)) {}

  TReplayResult play(const TMoveList& moves) {
    TReplayResult result;
    for (const TRoomMove& move : moves) {
      if (!waitForRest()) {
        result.error = "the room never came to rest before \"" + describeMove(move) + "\"";
        break;
      }
      if (!make(move)) {
        result.error = "\"" + describeMove(move) + "\" does nothing here";
        break;
      }
    }
    if (result.error.empty() && waitForRest())
      for (int f = 0; f < kGlyphFrames && !solved(); ++f) frame();
    result.solved = result.error.empty() && solved();
    result.frames = frames_;
    return result;
  }

 private:
  bool solved() const { return engine_->glyphCount != 0 && engine_->activeGlyphs == engine_->glyphCount; }

  // One frame as the game plays it: every drawing pass, then the objects.
  void frame() {
    engine_->drawRoom();
    engine_->updateObjects();
    hand_->button = 0;
    ++frames_;
  }

  void pointAt(int c, int r) {
    hand_->x = static_cast<int>(engine_->centreX(c));
    hand_->y = static_cast<int>(engine_->centreY(r));
  }

  // A player waits until nothing slides, crumbles or glows: a wall that is
  // burning open still hides the room behind it.
  bool atRest() const {
    if (engine_->objectsMoving != 0) return false;
    for (int i = 1; i <= engine_->roomObjects; ++i) {
      const TObject* o = engine_->object(i);
      if (o && o->frame != 0 && (o->crumbleDelay != 0 || o->glow > 0 || o->glowActive != 0)) return false;
    }
    return true;
  }

  bool waitForRest() {
    for (int f = 0; f < kRestFrames; ++f) {
      if (f > 0 && atRest()) return true;
      frame();
    }
    return false;
  }

  bool make(const TRoomMove& move) {
    pointAt(move.c, move.r);
    if (move.turn) {
      const std::string before = stateKey(*engine_);
      hand_->button = kRight;
      frame();
      return stateKey(*engine_) != before;
    }
    hand_->button = kLeft;
    frame();
    if (engine_->clickedO == 0) return false;
    TObject* picked = engine_->object(engine_->clickedO);
    pointAt(move.c + move.dx, move.r + move.dy);
    hand_->button = kLeft;
    frame();
    return picked->dx == move.dx && picked->dy == move.dy && (move.dx != 0 || move.dy != 0);
  }

  std::shared_ptr<THandHost> hand_;
  TEnginePtr engine_;
  int frames_ = 0;
};

}  // namespace

TReplayResult replayRoom(const TLocation& location, int index, const TMoveList& moves,
                         const TRoomPictures& pictures) {
  TReplay replay(location, index, pictures);
  return replay.play(moves);
}
