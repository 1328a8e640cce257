// The polled input state and the application event queue, fed from SDL's
// events (or from PostEvent in tests and scripted runs).
#include "platform/input.h"

#include <SDL.h>

#include <array>
#include <cstdio>

#include "platform/game_pad.h"
#include "platform/graphics.h"
#include "platform/graphics_backend.h"
#include "platform/key_map.h"
#include "platform/stop_signals.h"

namespace {

constexpr int kQueueSize = 256;

struct TInputState {
  std::array<bool, 256> keyDown{};
  std::array<int, 256> keyHits{};
  std::array<int, kQueueSize> chars{};
  unsigned charPut = 0, charTake = 0;
  std::array<bool, 4> mouseDown{};
  std::array<int, 4> mouseHits{};
  std::array<int, 4> firstClicks{};  // presses with a click count of 1
  // A press released before anyone asked whether the button is down stays
  // down for one more query, so a click shorter than a frame is still seen
  // as a press and then a release.
  std::array<bool, 4> downSeen{};
  std::array<bool, 4> upPending{};
  int mouseX = 0, mouseY = 0, mouseZ = 0;
  bool suspended = false, terminate = false;
  std::array<TEvent, kQueueSize> events{};
  unsigned eventPut = 0, eventTake = 0;
  TEvent current;
  bool systemInput = true;
  bool pointerInside = false;
};

TInputState in;

void ClearKeys() {
  in.keyDown.fill(false);
  in.keyHits.fill(0);
  in.charPut = in.charTake = 0;
}

void ClearMouse() {
  in.mouseDown.fill(false);
  in.mouseHits.fill(0);
  in.firstClicks.fill(0);
  in.downSeen.fill(false);
  in.upPending.fill(false);
  in.mouseZ = 0;
}

bool ValidKey(int key) { return key > 0 && key < 256; }
bool ValidButton(int button) { return button >= 1 && button <= 3; }

// The polled state follows the events exactly as the game expects.
void Fold(const TEvent& e) {
  switch (e.code) {
    case kEventAppSuspend:
      ClearKeys();
      ClearMouse();
      in.suspended = true;
      break;
    case kEventAppResume:
      ClearKeys();
      ClearMouse();
      in.suspended = false;
      break;
    case kEventAppTerminate:
      in.terminate = true;
      break;
    case kEventKeyDown:
      // Auto-repeat never adds hits: only an up-to-down change counts.
      if (ValidKey(e.data) && !in.keyDown[e.data]) {
        in.keyDown[e.data] = true;
        ++in.keyHits[e.data];
      }
      break;
    case kEventKeyUp:
      if (ValidKey(e.data)) in.keyDown[e.data] = false;
      break;
    case kEventKeyChar:
      if (in.charPut - in.charTake < kQueueSize) in.chars[in.charPut++ % kQueueSize] = e.data;
      break;
    case kEventMouseDown:
      // A button held up only by a pending release is physically up: a new press.
      if (ValidButton(e.data) && (!in.mouseDown[e.data] || in.upPending[e.data])) {
        in.mouseDown[e.data] = true;
        in.upPending[e.data] = false;
        in.downSeen[e.data] = false;
        ++in.mouseHits[e.data];
        if (e.clicks <= 1) ++in.firstClicks[e.data];
      }
      break;
    case kEventMouseUp:
      if (!ValidButton(e.data)) break;
      if (in.mouseDown[e.data] && !in.downSeen[e.data])
        in.upPending[e.data] = true;
      else
        in.mouseDown[e.data] = false;
      break;
    case kEventMouseMove:
      in.mouseX = e.x;
      in.mouseY = e.y;
      break;
    case kEventMouseWheel:
      in.mouseZ += e.data;
      break;
    default:
      break;
  }
}

// Codes whose queued entry is updated in place rather than queued twice.
bool Coalesces(int code) { return code == 2049 || code == 8193 || code == 16385 || code == 16386; }

void Queue(const TEvent& e) {
  if (Coalesces(e.code)) {
    for (unsigned i = in.eventTake; i != in.eventPut; ++i) {
      TEvent& queued = in.events[i % kQueueSize];
      if (queued.code == e.code) {
        queued = e;
        return;
      }
    }
  }
  if (in.eventPut - in.eventTake >= kQueueSize) return;  // full: the new event is dropped
  in.events[in.eventPut++ % kQueueSize] = e;
}

void Emit(int code, int data = 0, int x = 0, int y = 0, int clicks = 1) { PostEvent(code, data, x, y, clicks); }

int ButtonOf(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
  }
}

int HeldButtons(Uint32 state) {
  if (state & SDL_BUTTON_LMASK) return 1;
  if (state & SDL_BUTTON_RMASK) return 2;
  if (state & SDL_BUTTON_MMASK) return 4;
  return 0;
}

bool OurWindow(Uint32 windowId) {
  SDL_Window* w = backend::Window();
  return w && (windowId == 0 || windowId == SDL_GetWindowID(w));
}

void CurrentPointer(int& x, int& y) {
  int wx = 0, wy = 0;
  SDL_GetMouseState(&wx, &wy);
  backend::WindowToView(wx, wy, x, y);
}

// Typed text arrives as UTF-8; the game keeps Latin-1 and drops the rest.
void EmitText(const char* utf8) {
  const auto* s = reinterpret_cast<const unsigned char*>(utf8);
  while (*s) {
    unsigned code = 0;
    int extra = 0;
    if (*s < 0x80) code = *s;
    else if ((*s & 0xE0) == 0xC0) code = *s & 0x1F, extra = 1;
    else if ((*s & 0xF0) == 0xE0) code = *s & 0x0F, extra = 2;
    else if ((*s & 0xF8) == 0xF0) code = *s & 0x07, extra = 3;
    else code = 0xFFFD;
    ++s;
    for (int i = 0; i < extra && (*s & 0xC0) == 0x80; ++i, ++s) code = (code << 6) | (*s & 0x3F);
    if (code > 0 && code <= 255) Emit(kEventKeyChar, static_cast<int>(code));
  }
}

void EmitKey(int code, int key) { Emit(code, key); }

void Translate(const SDL_Event& ev) {
  if (TranslatePadEvent(ev, EmitKey)) return;
  switch (ev.type) {
    case SDL_QUIT:
      Emit(kEventAppTerminate);
      break;
    case SDL_WINDOWEVENT:
      if (!OurWindow(ev.window.windowID)) break;
      backend::NoteWindowEvent(ev.window);
      switch (ev.window.event) {
        case SDL_WINDOWEVENT_FOCUS_LOST: Emit(kEventAppSuspend); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: Emit(kEventAppResume); break;
        case SDL_WINDOWEVENT_CLOSE: Emit(kEventAppTerminate); break;
        case SDL_WINDOWEVENT_ENTER: {
          int x, y;
          CurrentPointer(x, y);
          in.pointerInside = true;
          Emit(kEventMouseEnter, 0, x, y);
          break;
        }
        case SDL_WINDOWEVENT_LEAVE: {
          int x, y;
          CurrentPointer(x, y);
          in.pointerInside = false;
          Emit(kEventMouseLeave, 0, x, y);
          break;
        }
        default: break;
      }
      break;
    case SDL_KEYDOWN: {
      if (!OurWindow(ev.key.windowID)) break;
      const int key = KeyCodeFromSdl(ev.key.keysym.sym, ev.key.keysym.scancode);
      if (key) Emit(ev.key.repeat ? kEventKeyRepeat : kEventKeyDown, key);
      // These keys type a control character of their own, as text boxes expect.
      if (key == kKeyBackspace || key == kKeyTab || key == kKeyEnter || key == kKeyEscape) Emit(kEventKeyChar, key);
      break;
    }
    case SDL_KEYUP: {
      if (!OurWindow(ev.key.windowID)) break;
      const int key = KeyCodeFromSdl(ev.key.keysym.sym, ev.key.keysym.scancode);
      if (key) Emit(kEventKeyUp, key);
      break;
    }
    case SDL_TEXTINPUT:
      if (OurWindow(ev.text.windowID)) EmitText(ev.text.text);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      if (!OurWindow(ev.button.windowID)) break;
      const int button = ButtonOf(ev.button.button);
      if (!button) break;
      int x, y;
      backend::WindowToView(ev.button.x, ev.button.y, x, y);
      Emit(ev.type == SDL_MOUSEBUTTONDOWN ? kEventMouseDown : kEventMouseUp, button, x, y, ev.button.clicks);
      break;
    }
    case SDL_MOUSEMOTION: {
      if (!OurWindow(ev.motion.windowID)) break;
      int x, y;
      backend::WindowToView(ev.motion.x, ev.motion.y, x, y);
      if (!in.pointerInside) {
        in.pointerInside = true;
        Emit(kEventMouseEnter, 0, x, y);
      }
      Emit(kEventMouseMove, HeldButtons(ev.motion.state), x, y);
      break;
    }
    case SDL_MOUSEWHEEL: {
      if (!OurWindow(ev.wheel.windowID)) break;
      int notches = ev.wheel.y;
      if (ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
      if (notches == 0) break;
      int x, y;
      CurrentPointer(x, y);
      Emit(kEventMouseWheel, notches, x, y);
      break;
    }
    default:
      break;
  }
}

}  // namespace

void PollSystem() {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
  StartGamePads();
  // Every input query polls, dozens a frame; asking the window system is a
  // round trip, so that is done at most once a millisecond. Events already
  // in SDL's queue (pushed ones too) are taken at once.
  static Uint32 lastPump = 0;
  const Uint32 now = SDL_GetTicks();
  if (now != lastPump) {
    SDL_PumpEvents();
    lastPump = now;
  }
  SDL_Event ev;
  while (SDL_PeepEvents(&ev, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
    if (in.systemInput) {
      Translate(ev);
    } else if (ev.type == SDL_QUIT || (ev.type == SDL_WINDOWEVENT && ev.window.event == SDL_WINDOWEVENT_CLOSE)) {
      // Scripted runs ignore the real keyboard and mouse, never a close request.
      Emit(kEventAppTerminate);
    }
  }
}

void WaitForInput(int ms) {
  if (ms <= 0) return;
  if (!SDL_WasInit(SDL_INIT_VIDEO) || !in.systemInput) {
    SDL_Delay(static_cast<Uint32>(ms));
    return;
  }
  if (GamePadsPresent() == 0) {
    SDL_WaitEventTimeout(nullptr, ms);
    return;
  }
  // With a pad open SDL would wake every millisecond to read it; looking
  // once a frame's length is enough.
  const Uint32 until = SDL_GetTicks() + static_cast<Uint32>(ms);
  while (static_cast<int32_t>(until - SDL_GetTicks()) > 0) {
    SDL_Delay(std::min<Uint32>(16, until - SDL_GetTicks()));
    SDL_PumpEvents();
    if (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) return;
  }
}

namespace {
int64_t eventsPosted = 0;
}  // namespace

int64_t InputEventsPosted() { return eventsPosted; }

void PostEvent(int code, int data, int x, int y, int clicks) {
  ++eventsPosted;
  const TEvent e{code, data, x, y, clicks};
  Fold(e);
  Queue(e);
}

void SetSystemInput(bool on) { in.systemInput = on; }

int KeyHit(int key) {
  PollSystem();
  if (!ValidKey(key)) return 0;
  const int hits = in.keyHits[key];
  in.keyHits[key] = 0;
  return hits;
}

bool KeyDown(int key) {
  PollSystem();
  return ValidKey(key) && in.keyDown[key];
}

int GetChar() {
  PollSystem();
  if (in.charTake == in.charPut) return 0;
  return in.chars[in.charTake++ % kQueueSize];
}

void FlushKeys() {
  PollSystem();
  ClearKeys();
}

void DropTypingKeyHits() {
  PollSystem();
  auto drop = [](int first, int last) {
    for (int key = first; key <= last; ++key) in.keyHits[key] = 0;
  };
  drop(kKeySpace, kKeySpace);
  drop('0', '9');
  drop('A', 'Z');
  drop(96, 111);   // number pad
  drop(186, 192);  // punctuation
  drop(219, 223);
}

int MouseHit(int button) {
  PollSystem();
  if (!ValidButton(button)) return 0;
  const int hits = in.mouseHits[button];
  in.mouseHits[button] = 0;
  return hits;
}

int MouseFirstClicks(int button) {
  PollSystem();
  if (!ValidButton(button)) return 0;
  const int first = in.firstClicks[button];
  in.firstClicks[button] = 0;
  return first;
}

bool MouseDown(int button) {
  PollSystem();
  if (!ValidButton(button)) return false;
  const bool down = in.mouseDown[button];
  in.downSeen[button] = true;
  if (in.upPending[button]) {
    in.mouseDown[button] = false;
    in.upPending[button] = false;
  }
  return down;
}

int MouseX() {
  PollSystem();
  return in.mouseX;
}
int MouseY() {
  PollSystem();
  return in.mouseY;
}
int MouseZ() {
  PollSystem();
  return in.mouseZ;
}

void FlushMouse() {
  PollSystem();
  ClearMouse();
}

bool AppSuspended() {
  PollSystem();
  return in.suspended;
}

bool AppTerminate() {
  PollSystem();
  // A stop signal (hang-up, Ctrl+C, kill) asks as the close box does.
  const bool was = in.terminate || TakeStopRequest();
  in.terminate = false;
  return was;
}

int PollEvent() {
  if (in.eventTake == in.eventPut) PollSystem();
  if (in.eventTake == in.eventPut) {
    in.current = TEvent{};
    return 0;
  }
  in.current = in.events[in.eventTake++ % kQueueSize];
  return in.current.code;
}

const TEvent& CurrentEvent() { return in.current; }

void MoveMouse(int x, int y) {
  in.mouseX = x;
  in.mouseY = y;
  if (SDL_Window* w = backend::Window()) {
    int wx, wy;
    backend::ViewToWindow(x, y, wx, wy);
    SDL_WarpMouseInWindow(w, wx, wy);
  }
}

void HidePointer() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(SDL_DISABLE);
}
void ShowPointer() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(SDL_ENABLE);
}

void Notify(const std::string& text, bool serious) {
  // Without a display a message box could never be answered.
  if (!backend::NoDisplay() &&
      SDL_ShowSimpleMessageBox(serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION, "Tesmoria", text.c_str(),
                               backend::Window()) == 0)
    return;
  std::fprintf(stderr, "%s\n", text.c_str());
}

void ResetInput() {
  const bool systemInput = in.systemInput;
  in = TInputState{};
  in.systemInput = systemInput;
}
