#pragma once
// The millisecond clock. It is monotonic within a run; tests and scripted runs
// replace it with a virtual clock that only moves when told to.
#include <cstdint>

uint32_t MilliSecs();
// Sleeps; on the virtual clock it advances virtual time instead. Negative: no wait.
void Delay(int ms);

// Virtual clock: from now on MilliSecs() returns start and moves only through
// AdvanceVirtualClock (and Delay). UseRealClock() switches back.
void UseVirtualClock(uint32_t start = 0);
void AdvanceVirtualClock(uint32_t ms);
void UseRealClock();
bool IsVirtualClock();
