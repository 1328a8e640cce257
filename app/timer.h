#pragma once
// The frame timer. Its delta is the length of the last frame in units of one
// frame at the target rate (1.0 at 40 frames per second), and every moving or
// fading thing in the game is scaled by it, so the game runs at the same speed
// whatever the frame rate.
#include <string>

class TTimer {
 public:
  static constexpr int ticksPerSecond = 1000;

  int seconds = 0;       // whole seconds counted since creation
  int timer = 0;         // clock value at which the current second began
  float targetFPS = 0;   // rate at which delta is 1.0
  float delta = 0;       // length of the last frame in 1/targetFPS seconds
  int FPS = 0;           // rate of the frame that closed the last second
  int currentTicks = 0;  // clock value read by the latest update
  int frameDelay = 0;    // clock value of the previous update

  static TTimer* create(float rate);

  // Once per frame.
  void update();
  // Forgets the time since the last frame (after a blocking pause).
  void resetDelta();

  // "2 minutes, 5 seconds" / "1 min, 1 sec"; secs -1 means this timer's
  // seconds; 0 seconds give "".
  std::string getTime(int secs, int shortForm) const;
  // "h:mm:ss" of a millisecond count.
  static std::string getTime2(int ms);
};
