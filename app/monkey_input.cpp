#include "app/monkey_input.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/globals.h"
#include "platform/input.h"

namespace {
// Where the main menu's QUIT button lies (its column's last button).
bool onQuitButton(int x, int y) { return x >= 505 && x <= 690 && y >= 470 && y <= 525; }

constexpr int kKeys[] = {kKeyEnter, kKeyEscape, kKeyBackspace, kKeyDelete, kKeyLeft, kKeyRight, kKeyUp,
                         kKeyDown,  kKeyHome,   kKeyEnd,       kKeyTab,    kKeySpace, 'P', 'F', kKeyF1};
}  // namespace

TMonkeyInput::TMonkeyInput(uint64_t seed) : rng_(seed) {}

TMonkeyInput::~TMonkeyInput() {
  std::string seen;
  for (int code : screensSeen_) seen += " " + std::to_string(code);
  std::printf("monkey: %lld frames of random input; screens seen:%s\n", static_cast<long long>(frames_),
              seen.c_str());
}

void TMonkeyInput::frame(int screenCode) {
  ++frames_;
  screensSeen_.insert(screenCode);
  if (chance(40)) movePointer();
  if (chance(15)) pressOrRelease(screenCode);
  if (chance(4)) hitKey(screenCode);
}

void TMonkeyInput::movePointer() {
  if (chance(30)) {
    x_ = below(800);
    y_ = below(600);
  } else {
    // Small drags, as when sliding an object.
    x_ = std::clamp(x_ + below(41) - 20, 0, 799);
    y_ = std::clamp(y_ + below(41) - 20, 0, 599);
  }
  PostEvent(kEventMouseMove, 0, x_, y_);
}

void TMonkeyInput::pressOrRelease(int screenCode) {
  const int button = chance(85) ? 1 : 2 + below(2);
  bool& down = buttonDown_[button - 1];
  if (down) {
    PostEvent(kEventMouseUp, button, x_, y_);
    down = false;
  } else if (!(screenCode == kScreenMainMenu && onQuitButton(x_, y_))) {
    PostEvent(kEventMouseDown, button, x_, y_);
    down = true;
  }
}

void TMonkeyInput::hitKey(int screenCode) {
  if (chance(50)) {
    // A character, as typed into a name box.
    const char c = static_cast<char>(chance(80) ? 'a' + below(26) : '0' + below(10));
    PostEvent(kEventKeyDown, c >= 'a' ? c - 'a' + 'A' : c);
    PostEvent(kEventKeyChar, static_cast<unsigned char>(c));
    PostEvent(kEventKeyUp, c >= 'a' ? c - 'a' + 'A' : c);
    return;
  }
  const int key = kKeys[below(static_cast<int>(std::size(kKeys)))];
  if (key == kKeyEscape && screenCode == kScreenMainMenu) return;
  const bool shifted = key == kKeyF1;  // Shift+F1 writes the profile's text export
  if (shifted) PostEvent(kEventKeyDown, kKeyLShift);
  PostEvent(kEventKeyDown, key);
  PostEvent(kEventKeyUp, key);
  if (shifted) PostEvent(kEventKeyUp, kKeyLShift);
}
