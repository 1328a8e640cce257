#include "platform/game_pad.h"

#include <map>

#include "platform/input.h"

namespace {

// A stick pushed past the first line presses its arrow; it lets go only
// once back inside the second, so a stick held near the line never flickers.
constexpr Sint16 kStickPress = 16000;
constexpr Sint16 kStickRelease = 8000;

std::map<SDL_JoystickID, SDL_GameController*> pads;
// Which arrow each stick axis holds down now: 0 none, else the key.
std::map<std::pair<SDL_JoystickID, int>, int> stickHeld;

int KeyOfButton(int button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return kKeyLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return kKeyRight;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return kKeyUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return kKeyDown;
    case SDL_CONTROLLER_BUTTON_A: return kKeyEnter;
    case SDL_CONTROLLER_BUTTON_B: return kKeyEscape;
    case SDL_CONTROLLER_BUTTON_X: return 'H';
    case SDL_CONTROLLER_BUTTON_Y: return 'R';
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return kKeyBackspace;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return kKeyRedo;
    case SDL_CONTROLLER_BUTTON_START: return 'P';
    default: return 0;
  }
}

void Open(int deviceIndex) {
  if (!SDL_IsGameController(deviceIndex)) return;
  SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
  if (!pad) return;
  const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
  if (pads.count(id) != 0) {
    SDL_GameControllerClose(pad);  // already open: SDL counts each open
    return;
  }
  pads[id] = pad;
}

void Close(SDL_JoystickID id, void (*emit)(int, int)) {
  // Arrows the pad's stick held are let go, so nothing stays pressed.
  for (auto it = stickHeld.begin(); it != stickHeld.end();) {
    if (it->first.first == id) {
      if (it->second != 0) emit(kEventKeyUp, it->second);
      it = stickHeld.erase(it);
    } else {
      ++it;
    }
  }
  const auto found = pads.find(id);
  if (found == pads.end()) return;
  SDL_GameControllerClose(found->second);
  pads.erase(found);
}

void Stick(SDL_JoystickID id, int axis, Sint16 value, void (*emit)(int, int)) {
  int negative = 0, positive = 0;
  if (axis == SDL_CONTROLLER_AXIS_LEFTX) negative = kKeyLeft, positive = kKeyRight;
  if (axis == SDL_CONTROLLER_AXIS_LEFTY) negative = kKeyUp, positive = kKeyDown;
  if (negative == 0) return;
  int& held = stickHeld[{id, axis}];
  int wanted = held;
  if (value <= -kStickPress) wanted = negative;
  else if (value >= kStickPress) wanted = positive;
  else if (value > -kStickRelease && value < kStickRelease) wanted = 0;
  if (wanted == held) return;
  if (held != 0) emit(kEventKeyUp, held);
  if (wanted != 0) emit(kEventKeyDown, wanted);
  held = wanted;
}

}  // namespace

bool StartGamePads() {
  static bool tried = false, started = false;
  if (tried) return started;
  tried = true;
  // Pads already plugged in arrive as "added" events too.
  started = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  return started;
}

bool TranslatePadEvent(const SDL_Event& ev, void (*emit)(int code, int key)) {
  switch (ev.type) {
    case SDL_CONTROLLERDEVICEADDED:
      Open(ev.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      Close(ev.cdevice.which, emit);
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      const int key = KeyOfButton(ev.cbutton.button);
      if (key == 0) return true;
      const bool down = ev.type == SDL_CONTROLLERBUTTONDOWN;
      emit(down ? kEventKeyDown : kEventKeyUp, key);
      // Enter, Escape and Backspace type their control character, as the keyboard's do.
      if (down && (key == kKeyEnter || key == kKeyEscape || key == kKeyBackspace)) emit(kEventKeyChar, key);
      return true;
    }
    case SDL_CONTROLLERAXISMOTION:
      Stick(ev.caxis.which, ev.caxis.axis, ev.caxis.value, emit);
      return true;
    default:
      return false;
  }
}

namespace {
// A pad button by the name scripts give it, -1 for none.
int PadButtonNamed(const std::string& name) {
  static const std::map<std::string, int> kButtons = {
      {"a", SDL_CONTROLLER_BUTTON_A},
      {"b", SDL_CONTROLLER_BUTTON_B},
      {"x", SDL_CONTROLLER_BUTTON_X},
      {"y", SDL_CONTROLLER_BUTTON_Y},
      {"start", SDL_CONTROLLER_BUTTON_START},
      {"back", SDL_CONTROLLER_BUTTON_BACK},
      {"lb", SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
      {"rb", SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
      {"up", SDL_CONTROLLER_BUTTON_DPAD_UP},
      {"down", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
      {"left", SDL_CONTROLLER_BUTTON_DPAD_LEFT},
      {"right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT}};
  const auto found = kButtons.find(name);
  return found == kButtons.end() ? -1 : found->second;
}
}  // namespace

bool IsPadButtonName(const std::string& name) { return PadButtonNamed(name) >= 0; }

bool PostPadButton(const std::string& name) {
  const int button = PadButtonNamed(name);
  if (button < 0) return false;
  auto post = [](int code, int key) { PostEvent(code, key); };
  for (const Uint32 type : {SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLERBUTTONUP}) {
    SDL_Event ev{};
    ev.type = type;
    ev.cbutton.button = static_cast<Uint8>(button);
    TranslatePadEvent(ev, post);
  }
  return true;
}

int GamePadsPresent() { return static_cast<int>(pads.size()); }

void CloseGamePads() {
  for (auto& [id, pad] : pads) SDL_GameControllerClose(pad);
  pads.clear();
  stickHeld.clear();
}
