#pragma once
// How a finished frame reaches the display. A normal run sleeps 2 ms and flips
// with the given sync; a scripted run flips without waiting and moves the
// virtual clock so that every presented frame lasts exactly 25 ms, which makes
// scripted runs repeatable to the frame.
#include <cstdint>
#include <functional>

constexpr uint32_t kScriptedFrameMs = 25;

void presentFrame(int sync);

// Switches to the virtual clock and scripted presentation.
void useScriptedFrames();
bool scriptedFrames();
// Presented frames since start (cross-fade frames included).
int64_t presentedFrameCount();
// Called with every frame just before it is presented (scripted screenshots).
void setBeforePresent(std::function<void()> hook);
