#pragma once
// How a finished frame reaches the display. A normal run sleeps until the
// frame is due (at most 60 frames a second, at least 2 ms) and flips with the
// given sync; a scripted run flips without waiting and moves the
// virtual clock so that every presented frame lasts exactly 25 ms, which makes
// scripted runs repeatable to the frame.
#include <cstdint>
#include <functional>
#include <string>

constexpr uint32_t kScriptedFrameMs = 25;

void presentFrame(int sync);

// Tells the next presentFrame that the frame shows only slow ambient motion
// (a resting room). Once the player has been still for a second, such frames
// come 30 a second instead of 60: the sparks turn as far, in fewer steps.
// Every presentFrame forgets it, so each frame tells it anew.
void noteOnlyAmbientMotion();

// The game time each scripted frame lasts; long runs may pass more per frame
// (everything moves by the frame timer's delta, so a frame of 100 ms plays
// four frames' worth of the room at once).
void setScriptedFrameMs(uint32_t ms);

// Switches to the virtual clock and scripted presentation.
void useScriptedFrames();
bool scriptedFrames();
// Writes the wall-clock time of the first frame shown into the file (start-up
// measurements). Relative paths are taken from the current folder.
void stampFirstFrame(const std::string& path);
// Presented frames since start (cross-fade frames included).
int64_t presentedFrameCount();
// Called with every frame just before it is presented (scripted screenshots).
void setBeforePresent(std::function<void()> hook);

// Blocking loops that wait for the player (the in-game pause) call
// runModalFrameHook before each frame they draw, so that a scripted run can
// feed them its input. It returns false when the script has failed: the loop
// then ends as if the window had been closed. Without a hook it returns true.
void setModalFrameHook(std::function<bool()> hook);
bool runModalFrameHook();
