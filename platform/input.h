#pragma once
// Keyboard, mouse and window events, polled once or more per frame. Window
// system events become the game's event codes; each one is folded into the
// polled state and queued for PollEvent. Tests inject events with PostEvent
// exactly as the window system would.
#include <string>

// Event codes.
enum : int {
  kEventAppSuspend = 257,
  kEventAppResume = 258,
  kEventAppTerminate = 259,
  kEventKeyDown = 513,
  kEventKeyUp = 514,
  kEventKeyChar = 515,
  kEventKeyRepeat = 516,
  kEventMouseDown = 1025,
  kEventMouseUp = 1026,
  kEventMouseMove = 1027,
  kEventMouseWheel = 1028,
  kEventMouseEnter = 1029,
  kEventMouseLeave = 1030,
};

// Key codes: letters are their upper-case characters, digits their characters.
enum : int {
  kKeyBackspace = 8,
  kKeyTab = 9,
  kKeyEnter = 13,
  kKeyEscape = 27,
  kKeySpace = 32,
  kKeyEnd = 35,
  kKeyHome = 36,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyDelete = 46,
  kKeyF1 = 112,
  kKeyF11 = 122,
  kKeyF12 = 123,
  kKeyLShift = 160,
  kKeyRShift = 161,
  kKeyLControl = 162,
  kKeyRControl = 163,
  kKeyLAlt = 164,
  kKeyRAlt = 165,
};

struct TEvent {
  int code = 0;
  int data = 0;  // key code, character, button or wheel notches
  int x = 0, y = 0;
  // A mouse press: 1 for a single click, 2 for the second of a double click,
  // and so on, as the window system counts them.
  int clicks = 1;
};

// Presses of one button closer together than this (and near each other)
// count as one multi-click.
constexpr int kDoubleClickMs = 700;

// Lets the window system deliver pending events (each query does this too).
void PollSystem();
// Sleeps up to ms, waking as soon as the window system has an event (the
// player's input, the window uncovered); the event is left for PollSystem.
void WaitForInput(int ms);
// Feeds one event as if the window system had produced it: folded and queued.
void PostEvent(int code, int data = 0, int x = 0, int y = 0, int clicks = 1);
// Events posted so far (the window system's and fed ones): a player who did
// anything since a given frame shows as a different count.
int64_t InputEventsPosted();
// While off, PollSystem ignores the real window system (scripted runs).
void SetSystemInput(bool on);

int KeyHit(int key);
bool KeyDown(int key);
int GetChar();
void FlushKeys();
// Drops the pending hits of the keys that type characters (letters, digits,
// space, punctuation, the number pad); a text box that has the keyboard calls
// it so typed keys never act as hotkeys. Held flags and typed text stay.
void DropTypingKeyHits();
int MouseHit(int button);
// Of the presses MouseHit counts, those that began a click series (a click
// count of 1) since the last query; the others continue a double click.
int MouseFirstClicks(int button);
// A press and its release that both came before this query still answer
// down once, and up from the next query on: the per-frame mouse snapshot
// then sees every click as a press followed by a release.
bool MouseDown(int button);
int MouseX();
int MouseY();
int MouseZ();
void FlushMouse();
bool AppSuspended();
bool AppTerminate();
int PollEvent();
const TEvent& CurrentEvent();

void MoveMouse(int x, int y);
void HidePointer();
void ShowPointer();
// A modal message box; printed to stderr when there is no display.
void Notify(const std::string& text, bool serious = false);
// Resets the whole polled state and the queue (tests use it).
void ResetInput();
