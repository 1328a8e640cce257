#include "app/frame_pacing.h"

#include <chrono>
#include <fstream>

#include "app/frame_cap.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"

namespace {
bool scripted = false;
uint32_t lastPresent = 0;
int64_t presented = 0;
uint32_t scriptedFrameMs = kScriptedFrameMs;
std::function<void()> beforePresent;
std::function<bool()> modalFrameHook;
std::string firstFrameStampPath;
// Frames of the main loop: at most 60 a second, with at least the 2 ms
// sleep every frame always had.
TFrameCap frameCap(60, 2);
// A calm screen (see noteOnlyAmbientMotion) after a second of it.
TFrameCap calmCap(30, 2);
TCalmWatch calmWatch(60);
bool onlyAmbientMotion = false;
int64_t inputSeen = 0;
// Half a second of unchanged frames, and the loop waits for input up to
// 50 ms between frames (20 a second) until something changes.
TRestWatch restWatch(30, 50);

void writeFirstFrameStamp() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::ofstream out(firstFrameStampPath);
  out << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << "\n";
  firstFrameStampPath.clear();
}
}  // namespace

void setScriptedFrameMs(uint32_t ms) { scriptedFrameMs = ms; }
void stampFirstFrame(const std::string& path) { firstFrameStampPath = path; }

void useScriptedFrames() {
  scripted = true;
  UseVirtualClock(100000);
  lastPresent = MilliSecs();
}

bool scriptedFrames() { return scripted; }
int64_t presentedFrameCount() { return presented; }
void setBeforePresent(std::function<void()> hook) { beforePresent = std::move(hook); }

void setModalFrameHook(std::function<bool()> hook) { modalFrameHook = std::move(hook); }
bool runModalFrameHook() { return modalFrameHook ? modalFrameHook() : true; }

void noteOnlyAmbientMotion() { onlyAmbientMotion = true; }

void presentFrame(int sync) {
  if (beforePresent) beforePresent();
  ++presented;
  const bool playerActed = InputEventsPosted() != inputSeen;
  inputSeen = InputEventsPosted();
  const bool calm = calmWatch.afterFrame(onlyAmbientMotion, playerActed);
  onlyAmbientMotion = false;
  if (!scripted) {
    // Flip -1 (the cross-fade) paces itself to the display's rate.
    TFrameCap& cap = calm ? calmCap : frameCap;
    Delay(sync >= 0 ? cap.sleepBefore(MilliSecs()) : 2);
    const int64_t repeatedBefore = FramesRepeated();
    Flip(sync);
    if (!firstFrameStampPath.empty()) writeFirstFrameStamp();
    WaitForInput(restWatch.afterFrame(FramesRepeated() == repeatedBefore));
    return;
  }
  Flip(0);
  // Whatever the frame did, it ends 25 ms (or the script's pace) after the
  // previous one (or later, if something in it slept longer).
  uint32_t target = lastPresent + scriptedFrameMs;
  uint32_t now = MilliSecs();
  if (static_cast<int32_t>(target - now) > 0) AdvanceVirtualClock(target - now);
  lastPresent = MilliSecs();
}
