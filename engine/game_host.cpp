// The engine's link to the running game. Each service is reached through its
// global object and is skipped while that object does not exist (tests,
// tools, and parts of the game still being put together).
#include "app/globals.h"
#include "engine/engine_host.h"

namespace {

class TGameHost : public TEngineHost {
 public:
  // The frame timer is not part of the game yet: every frame counts as one
  // frame at the target rate.
  float delta() override { return 1.0f; }

  // Sounds: nothing plays until the game's sound set exists.
  void playSound(int) override {}
  bool soundPlaying(int) override { return false; }
  void fadeOutSound(int, float) override {}
  int newGlyphChannel() override { return ++lastChannel_; }
  bool glyphChannelPlaying(int) override { return false; }
  void playGlyphSound(int) override {}
  void pauseGlyphChannel(int) override {}

  // Effects: nothing is shown until the effects manager exists.
  void destroyAllEffects() override {}
  void explodeWall(int, int, int, int, int, int) override {}
  void crumbleFloor(int, int) override {}
  void updateFloorCrumbles() override {}
  void textFloat(const std::string&, int, int) override {}
  void createSparkle(int, int) override {}
  void removeSparkleAt(int, int) override {}

  // Mouse: no pointer until the game's mouse exists.
  bool pointerOver(const TImagePtr&, int, int, int) override { return false; }
  void setPointerImage(int) override {}
  int clicked(int) override { return 0; }
  int released(int) override { return 0; }

  // Profile: without one every tip counts as unseen.
  bool helpSeen(int) override { return false; }
  void markHelpSeen(int) override {}

 private:
  int lastChannel_ = 0;
};

}  // namespace

TEngineHostPtr gameHost() {
  static TEngineHostPtr host = std::make_shared<TGameHost>();
  return host;
}
