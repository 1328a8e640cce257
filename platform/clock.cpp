#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace {
bool virtualMode = false;
uint32_t virtualNow = 0;
const auto realStart = std::chrono::steady_clock::now();
}  // namespace

uint32_t MilliSecs() {
  if (virtualMode) return virtualNow;
  auto elapsed = std::chrono::steady_clock::now() - realStart;
  // Starts at an arbitrary non-zero value like a system uptime; wraps like one.
  return static_cast<uint32_t>(100000 + std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void Delay(int ms) {
  if (ms < 0) return;
  if (virtualMode) {
    virtualNow += static_cast<uint32_t>(ms);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void UseVirtualClock(uint32_t start) {
  virtualMode = true;
  virtualNow = start;
}

void AdvanceVirtualClock(uint32_t ms) { virtualNow += ms; }
void UseRealClock() { virtualMode = false; }
bool IsVirtualClock() { return virtualMode; }
