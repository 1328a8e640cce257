#pragma once
// Random input for soak runs: each frame the pointer may wander or jump, the
// buttons go down and up, and now and then a key is hit or a character typed,
// on whatever screen is running. It never asks the game to quit from the main
// menu (Escape there, the QUIT button) and never takes screenshots, so a run
// can go on for millions of frames; other ways out (the pause menu's quit)
// may still end it. Used by the "monkey" script command.
#include <cstdint>
#include <random>
#include <set>

class TMonkeyInput {
 public:
  explicit TMonkeyInput(uint64_t seed);
  ~TMonkeyInput();  // prints the frames given and the screens seen

  // Posts one frame of input for the screen with the given code.
  void frame(int screenCode);

 private:
  std::mt19937_64 rng_;
  int x_ = 400, y_ = 300;
  bool buttonDown_[3] = {false, false, false};
  int64_t frames_ = 0;
  std::set<int> screensSeen_;

  int below(int n) { return static_cast<int>(rng_() % static_cast<uint64_t>(n)); }
  bool chance(int percent) { return below(100) < percent; }
  void movePointer();
  void pressOrRelease(int screenCode);
  void hitKey(int screenCode);
};
