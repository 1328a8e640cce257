#include "app/timer.h"

#include "data/duration_text.h"
#include "platform/clock.h"
#include "platform/random.h"

namespace {
// The clock is an unsigned millisecond count; the timer keeps it in ints and
// only ever takes differences, which wrap correctly.
int clockNow() { return static_cast<int>(MilliSecs()); }
int since(int then) { return static_cast<int>(static_cast<unsigned>(clockNow()) - static_cast<unsigned>(then)); }
}  // namespace

TTimer* TTimer::create(float rate) {
  auto* t = new TTimer();
  t->targetFPS = rate;
  t->frameDelay = clockNow();
  t->timer = t->frameDelay;
  return t;
}

void TTimer::update() {
  currentTicks = clockNow();
  int elapsed = static_cast<int>(static_cast<unsigned>(currentTicks) - static_cast<unsigned>(frameDelay));
  delta = static_cast<float>(elapsed) / (1000.0f / targetFPS);
  // A frame of no measurable length still moves things a little, never
  // backwards and never not at all.
  if (!(delta > 0)) delta = 1e-9f;
  frameDelay = currentTicks;
  if (since(timer) >= ticksPerSecond) {
    timer = clockNow();
    ++seconds;
    // The rate of the single frame that closed the second, not an average.
    // A frame of no length would give an absurd rate beyond any int; cap it.
    double rate = static_cast<double>(targetFPS) / delta;
    FPS = rate < 1e9 ? ToInt(rate) : 1000000000;
  }
}

void TTimer::resetDelta() {
  frameDelay = clockNow();
  timer = clockNow();
}

std::string TTimer::getTime(int secs, int shortForm) const {
  if (secs == -1) secs = seconds;
  if (secs == 0) return "";
  int m = secs / 60;
  int s = secs - 60 * m;
  const std::string minWord = shortForm != 0 ? "min" : "minute";
  const std::string secWord = shortForm != 0 ? "sec" : "second";
  std::string out;
  if (m > 1) {
    out = std::to_string(m) + " " + minWord + "s, ";
  } else if (m == 1) {
    out = "1 " + minWord + ", ";
  }
  out += std::to_string(s) + " " + secWord;
  if (s != 1) out += "s";
  return out;
}

std::string TTimer::getTime2(int ms) { return durationText(ms); }
