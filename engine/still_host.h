#pragma once
// A host for running rooms with nobody at the controls (tools, benchmarks):
// a fixed frame step, no sound, no effects, no pointer, every tip seen.
#include "engine/engine_host.h"

class TStillHost : public TEngineHost {
 public:
  explicit TStillHost(float step = 1.0f) : step_(step) {}
  float delta() override { return step_; }
  void playSound(int) override {}
  bool soundPlaying(int) override { return false; }
  void fadeOutSound(int, float) override {}
  TChannelPtr newGlyphChannel() override { return nullptr; }
  bool glyphChannelPlaying(const TChannelPtr&) override { return false; }
  void playGlyphSound(const TChannelPtr&) override {}
  void pauseGlyphChannel(const TChannelPtr&) override {}
  void destroyAllEffects() override {}
  void explodeWall(int, int, int, int, int, int) override {}
  void crumbleFloor(int, int) override {}
  void updateFloorCrumbles() override {}
  void textFloat(const std::string&, int, int) override {}
  void createSparkle(int, int) override {}
  void removeSparkleAt(int, int) override {}
  bool pointerOver(const TImagePtr&, int, int, int) override { return false; }
  void setPointerImage(int) override {}
  int clicked(int) override { return 0; }
  int released(int) override { return 0; }
  bool helpSeen(int) override { return true; }
  void markHelpSeen(int) override {}

 private:
  float step_;
};
