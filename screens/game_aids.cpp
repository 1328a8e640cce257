// The in-game screen's aids beyond the mouse play: hints on asking, the
// moves made against the room's par, a ghost where a hovered push will leave
// the object, and tooltips that name the undo keys and teach turning.
#include <algorithm>

#include "data/location.h"
#include "data/profile.h"
#include "effects/effects.h"
#include "engine/room_play.h"
#include "engine/still_host.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/text_log.h"
#include "screens/game_screen.h"
#include "screens/room_engine.h"
#include "widgets/button.h"
#include "widgets/text.h"

namespace {

constexpr int kTipFont = 3;
constexpr int kSmallButtons = 2;
constexpr int kHintButtonY = 92;
constexpr int kMovesX = 704, kMovesY = 114;  // the moves line: below the buttons, above the sun
constexpr int kMessageY = 556;      // hint messages, over the room's bottom wall
constexpr uint32_t kReceiptMs = 4000;  // how long a bought hint's price stays
constexpr float kMoneyX = 736, kMoneyY = 300;  // just above the treasure count
// The name panel of the top panel, for the room's about line.
constexpr int kNameX = 415, kNameY = 2, kNameW = 290, kNameH = 73;
// The RESET button's face, for its tooltip.
constexpr int kResetX = 711, kResetY = 6, kButtonW = 88, kButtonH = 22;

const char* const kUndoTip = "Undo: Ctrl+Z or Backspace   Redo: Ctrl+Y";
const char* const kHintTip = "Hint (H): the next move, for up to 50 coins";
const char* const kTurnTip = "Right-click to turn";

// The room's written shortest solution, if the location comes with one.
TMoveList writtenSolution(const std::string& locationName, int room) {
  const TSolutions solutions = locationSolutions(locationName);
  const auto found = solutions.find(room);
  return found == solutions.end() ? TMoveList{} : found->second;
}

// A custom room's par: found once, from its start, while the player plays.
constexpr long kParPositions = 2'000'000;
constexpr double kParSeconds = 20;

}  // namespace

void TGame::setUpAids() {
  tips_ = TToolTip::Create(mouse, text, kTipFont);
  par = -1;
  const int index = engine->location.curRoom;
  if (index >= 1 && index <= engine->location.roomCount && engine->location.room[index])
    about_.start(engine->location.room[index]->description, MilliSecs());
  // The room as it starts, to key the written solution (or find one).
  const TEnginePtr start = startRoom(engine->location, index, std::make_shared<TStillHost>(), engine->pictures);
  startKey_ = stateKey(*start);
  hints.mapRoom(*start);
  session.cursor.reset();
  const TMoveList written = writtenSolution(engine->location.name, index);
  if (!written.empty()) {
    par = static_cast<int>(written.size());
    hints.knowSolution(startKey_, written);
  } else if (start->glyphCount > 0) {
    parSearch_.start(*start, playBudget(kParPositions, kParSeconds));
  }
}

namespace {
std::string hintReceipt(int cost) {
  return cost > 0 ? "Hint bought: " + std::to_string(cost) + " coins" : "Hint given free: the purse is empty";
}
}  // namespace

void TGame::chargeHint() {
  ++history.hints;
  // Scripted runs check which move was shown; the player sees it drawn.
  NoteEvent("Hint " + std::to_string(history.hints) + ": " + describeMove(hints.nextMove()));
  int cost = 0;
  if (profile) {
    TStatus& room = profile->roomStatus;
    const int64_t purse = std::max<int64_t>(0, int64_t{room.money} + profile->locStatus.money);
    cost = static_cast<int>(std::min<int64_t>(kHintCost, purse));
    room.money = clampToInt(int64_t{room.money} - cost);
  }
  history.hintCoins += cost;
  // The treasure count drops: say why, where the player looks, for a while,
  // and let the coins float off the count itself.
  receipt_ = hintReceipt(cost);
  receiptUntil_ = MilliSecs() + kReceiptMs;
  if (cost > 0) TTextFloat::create("-" + std::to_string(cost), kMoneyX, kMoneyY);
}

const std::string& TGame::hintNotice() const {
  static const std::string none;
  if (!hints.message().empty()) return hints.message();
  return static_cast<int64_t>(receiptUntil_) - static_cast<int64_t>(MilliSecs()) > 0 ? receipt_ : none;
}

void TGame::takeHint() {
  if (session.askHint(*engine)) chargeHint();
}

void TGame::updateAids() {
  if (std::optional<TSolveResult> found = parSearch_.poll(); found && found->verdict == TSolveVerdict::solved) {
    par = static_cast<int>(found->moves.size());
    hints.knowSolution(startKey_, found->moves);
  }
  if (session.update(*engine)) chargeHint();
  if (textInputActive == 0 && KeyHit('H') > 0) takeHint();
}

void TGame::drawAids() {
  session.drawAids(*engine, MilliSecs());
  if (text) about_.draw(*text, MilliSecs());
}

void TGame::drawMovesAndHintButton() {
  if (!profile || !text) return;
  if (buttons && buttons->draw("HINT", butX, kHintButtonY, kSmallButtons) == kButtonActivated &&
      pendingStatus == kPendingNone)
    takeHint();
  text->setFont(kTipFont);
  std::string moves = "Moves " + std::to_string(history.moves);
  if (par >= 0) moves += " / Par " + std::to_string(par);
  text->draw(moves, kMovesX, kMovesY, true, true);
  if (!hintNotice().empty()) text->draw(hintNotice(), 306, kMessageY, true, true);

  if (!tips_) return;
  // One tooltip at a time: the mirror under the pointer, RESET, the name
  // panel or HINT.
  const bool turnable = !history.mirrorTurned && engine->pointerBlocked == 0 && engine->mouseC > 0 &&
                        engine->canTurnAt(engine->mouseC, engine->mouseR);
  const int cx = static_cast<int>(engine->centreX(engine->mouseC)) - 25;
  const int cy = static_cast<int>(engine->centreY(engine->mouseR)) - 25;
  // Above and to the right of the mirror: the arrows of a selected mirror
  // stand right above it.
  tips_->update(kTurnTip, cx, cy, turnable ? 50 : 0, turnable ? 50 : 0, TToolTip::pos_first,
                TToolTip::TPlace::aboveRight);
  tips_->update(kUndoTip, kResetX, kResetY, kButtonW, kButtonH, TToolTip::pos_inbetween);
  // The name panel tells what the room is about, below it.
  tips_->update(about_.line(), kNameX, kNameY, kNameW, kNameH, TToolTip::pos_inbetween, TToolTip::TPlace::below);
  tips_->update(kHintTip, kResetX, kHintButtonY - 11, kButtonW, kButtonH, TToolTip::pos_last);
}
