#include "app/keys_card.h"

#include "app/frame_pacing.h"
#include "screens/gfx_set.h"
#include "app/globals.h"
#include "app/timer.h"
#include "data/options.h"
#include "data/profile.h"
#include "platform/game_pad.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/text_log.h"
#include "widgets/mouse.h"
#include "widgets/text.h"

namespace {

constexpr int kCardX = 60, kCardY = 100;  // the large dialogue picture
constexpr int kCardW = 680, kCardH = 400;
constexpr int kMargin = 25;
constexpr int kColumnW = 320;             // two columns of groups
constexpr int kIndent = 10, kWhatX = 130;  // keys, then what they do
const char* const kSecondColumn = "In the editor";
constexpr int kFont = 3;
constexpr float kDimmed = 0.35f;

}  // namespace

const std::vector<TKeysCardLine>& keysCardLines(bool padPresent) {
  // Two columns: the first groups' lines fill the left one up to "In the
  // editor", which starts the right one.
  static const std::vector<TKeysCardLine> mouse = {
      {"", "Mouse"},
      {"Left-click", "a piece, then an arrow"},
      {"Right-click", "turn a mirror"},
      {"Hover", "what a button does"},
  };
  static const std::vector<TKeysCardLine> pad = {
      {"", "Game pad"},
      {"D-pad, A, B", "arrows, Enter, Escape"},
      {"X, Y", "hint, turn a mirror"},
      {"LB, RB, Start", "undo, redo, pause"},
  };
  static const std::vector<TKeysCardLine> rest = {
      {"", "In a room"},
      {"Arrows, Space", "cursor; pick up, push"},
      {"R or Tab", "turn a mirror"},
      {"H", "hint (up to 50 coins)"},
      {"Ctrl+Z", "undo (or Backspace)"},
      {"Ctrl+Y", "redo"},
      {"P", "pause"},
      {"", "In the editor"},
      {"Arrows, Space", "cursor; paint, pick up"},
      {"Tab, Enter", "toolbar; choose a piece"},
      {"Delete", "let the piece go"},
      {"Shift+arrows", "move the room"},
      {"Ctrl+C, V", "copy, paste a room"},
      {"F5", "can it be solved?"},
      {"", "Anywhere"},
      {"Escape", "back to the menu"},
      {"Tab, Enter", "choose a button"},
      {"F11", "full screen or window"},
      {"F12", "save a screenshot"},
      {"F1", "this card"},
  };
  static const auto joined = [](const std::vector<TKeysCardLine>& first) {
    std::vector<TKeysCardLine> all = first;
    all.insert(all.end(), rest.begin(), rest.end());
    return all;
  };
  static const std::vector<TKeysCardLine> withMouse = joined(mouse), withPad = joined(pad);
  return padPresent ? withPad : withMouse;
}

namespace {

void drawCard(const TImagePtr& frozen) {
  Cls();
  if (frozen) {
    SetAlpha(kDimmed);
    DrawImage(frozen, 0, 0);
    SetAlpha(1);
  }
  if (gfx && gfx->gui_dialogueMasImg) DrawImage(gfx->gui_dialogueMasImg, kCardX, kCardY);
  if (!text || !text->setFont(kFont)) return;
  const int lineHeight = text->getHeight(0) + 2;
  SetTextBox(kCardX + kMargin, kCardY + kMargin - 6, kCardW - 2 * kMargin, kCardH - 2 * kMargin + 6);
  text->draw("KEYS AND MOUSE", kCardX + kMargin, kCardY + kMargin - 6);
  const int top = kCardY + kMargin + lineHeight + 14;
  int column = kCardX + kMargin, y = top;
  for (const TKeysCardLine& line : keysCardLines(GamePadsPresent() > 0)) {
    if (line.keys.empty()) {
      if (line.what == kSecondColumn) column += kColumnW, y = top;
      if (y != top) y += lineHeight / 2;
      text->draw(line.what, static_cast<float>(column), static_cast<float>(y), false, false, 1.0f, 1);
    } else {
      text->draw(line.keys, static_cast<float>(column + kIndent), static_cast<float>(y));
      text->draw(line.what, static_cast<float>(column + kWhatX), static_cast<float>(y));
    }
    y += lineHeight;
  }
  ResetTextBox();
}

}  // namespace

void showKeysCard() {
  TImagePtr frozen = CreateImage(kViewWidth, kViewHeight, 1);
  if (frozen) {
    SetImageHandle(frozen, 0, 0);
    GrabImage(frozen, 0, 0);
  }
  FlushKeys();
  if (mouse) mouse->forgetPresses();
  bool done = false;
  while (!done) {
    if (!runModalFrameHook()) PostEvent(kEventAppTerminate);
    drawCard(frozen);
    if (mouse) mouse->update();
    if (AppTerminate()) {
      gameState = kScreenQuit;
      break;
    }
    done = KeyHit(kKeyF1) > 0 || KeyHit(kKeyEscape) > 0 || (mouse && (mouse->clicked[1] || mouse->clicked[2]));
    presentFrame(options ? options->vsync : 1);
  }
  // The keys and the click that put the card away belong to it.
  FlushKeys();
  if (mouse) mouse->forgetPresses();
  if (frameTimer) frameTimer->resetDelta();
  if (profile) profile->resetTimer();
}
