#include "screens/room_hints.h"

#include <cmath>
#include <thread>

#include "engine/room_play.h"
#include "platform/graphics.h"

namespace {

// Searches from the middle of a campaign room stay well within these on
// one core; a bigger custom room may run out and is told so.
constexpr long kHintPositions = 2'000'000;
constexpr double kHintSeconds = 8;
constexpr float kPulseMs = 900;

// A square outline around the cell, a few pixels thick.
void outlineCell(float x, float y, float half) {
  DrawLine(x - half, y - half, x + half, y - half);
  DrawLine(x + half, y - half, x + half, y + half);
  DrawLine(x + half, y + half, x - half, y + half);
  DrawLine(x - half, y + half, x - half, y - half);
}

// Three quarters of a circle ending in an arrow head: "turn this".
void turnSign(float x, float y, float radius) {
  constexpr float kPi = 3.14159265f;
  constexpr int kSteps = 18;
  const float from = -kPi / 2, to = kPi;  // clockwise on screen, from the top
  float px = x + radius * std::cos(from), py = y + radius * std::sin(from);
  for (int i = 1; i <= kSteps; ++i) {
    const float a = from + (to - from) * static_cast<float>(i) / kSteps;
    const float nx = x + radius * std::cos(a), ny = y + radius * std::sin(a);
    DrawLine(px, py, nx, ny);
    px = nx, py = ny;
  }
  // The head at the end (pointing up, along the turn at angle pi).
  DrawLine(px, py, px - 6, py + 7);
  DrawLine(px, py, px + 6, py + 7);
}

}  // namespace

TSolveBudget playBudget(long positions, double seconds) {
  TSolveBudget budget;
  budget.maxPositions = positions;
  budget.maxSeconds = seconds;
  budget.threads = std::max(1, static_cast<int>(std::thread::hardware_concurrency()) - 1);
  return budget;
}

void TRoomHints::knowSolution(const std::string& positionKey, const TMoveList& moves) {
  if (moves.empty() || positionKey.empty()) return;
  solved_[positionKey] = moves;
  // A plan already in hand belongs to where the player is heading.
  if (!plan_.empty() || deadEnd_) return;
  planKey_ = positionKey;
  planAfterMove_ = false;
  plan_ = moves;
  deadEnd_ = false;
}

void TRoomHints::mapRoom(const TEngine& start) {
  atlas_.reset();
  atlasMaker_.start(start, atlasBudget());
}

bool TRoomHints::readAtlas(const TEngine& room) {
  TMoveList way;
  const TRoomAtlas::TWay found = atlas_ ? atlas_->wayFrom(room, way) : TRoomAtlas::TWay::unknown;
  if (found == TRoomAtlas::TWay::unknown) return false;
  const std::string key = stateKey(room);
  if (found == TRoomAtlas::TWay::none) deadEnds_.insert(key);
  planKey_ = key;
  planAfterMove_ = false;
  plan_ = way;
  deadEnd_ = found == TRoomAtlas::TWay::none;
  if (!deadEnd_) solved_[key] = way;
  return true;
}

bool TRoomHints::planFits(const TEngine& room) {
  if (planAfterMove_) {
    if (!roomAtRest(room)) return false;
    planKey_ = stateKey(room);
    planAfterMove_ = false;
    if (!plan_.empty()) solved_[planKey_] = plan_;
  }
  return !planKey_.empty() && (deadEnd_ || !plan_.empty()) && planKey_ == stateKey(room);
}

bool TRoomHints::recall(const std::string& key) {
  const auto known = solved_.find(key);
  const bool dead = deadEnds_.count(key) != 0;
  if (known == solved_.end() && !dead) return false;
  planKey_ = key;
  planAfterMove_ = false;
  plan_ = dead ? TMoveList{} : known->second;
  deadEnd_ = dead;
  return true;
}

bool TRoomHints::reveal() {
  message_.clear();
  if (shown_ == TShow::nothing) {
    shown_ = TShow::object;
    return true;
  }
  shown_ = TShow::move;
  return false;
}

bool TRoomHints::ask(const TEngine& room) {
  if (solver_.busy()) {
    askedWhileSearching_ = true;
    return false;
  }
  if (planFits(room) || recall(stateKey(room)) || readAtlas(room)) {
    if (!deadEnd_) return reveal();
    message_ = kNoWayOut;
    return false;
  }
  searchKey_ = stateKey(room);
  askedWhileSearching_ = true;
  shown_ = TShow::nothing;
  message_ = kSearching;
  solver_.start(room, playBudget(kHintPositions, kHintSeconds));
  return false;
}

bool TRoomHints::update(const TEngine& room) {
  if (planAfterMove_) planFits(room);
  if (atlasMaker_.busy()) atlas_ = atlasMaker_.poll();
  std::optional<TSolveResult> found = solver_.poll();
  if (!found) return false;
  const bool asked = askedWhileSearching_;
  askedWhileSearching_ = false;
  message_.clear();
  if (searchKey_ != stateKey(room)) return false;  // the room moved on meanwhile
  switch (found->verdict) {
    case TSolveVerdict::solved:
      forget();
      knowSolution(searchKey_, found->moves);
      return asked && !plan_.empty() && reveal();
    case TSolveVerdict::unsolvable:
      deadEnds_.insert(searchKey_);
      planKey_ = searchKey_;
      planAfterMove_ = false;
      plan_.clear();
      deadEnd_ = true;
      message_ = kNoWayOut;
      return false;
    case TSolveVerdict::unknown:
      message_ = kNoAnswer;
      return false;
  }
  return false;
}

void TRoomHints::moveStarted(const TRoomMove& move) {
  solver_.cancel();
  askedWhileSearching_ = false;
  message_.clear();
  shown_ = TShow::nothing;
  if (!deadEnd_ && !planAfterMove_ && !plan_.empty() && plan_.front() == move) {
    // Following the solution: the rest of it is a shortest one from the
    // position this move leads to.
    plan_.erase(plan_.begin());
    planAfterMove_ = true;
    return;
  }
  forget();
}

void TRoomHints::forget() {
  solver_.cancel();
  askedWhileSearching_ = false;
  message_.clear();
  shown_ = TShow::nothing;
  planKey_.clear();
  planAfterMove_ = false;
  plan_.clear();
  deadEnd_ = false;
}

void TRoomHints::reset() {
  forget();
  atlasMaker_.cancel();
  atlas_.reset();
  solved_.clear();
  deadEnds_.clear();
}

void TRoomHints::draw(const TEngine& room, uint32_t ms) const {
  if (shown_ == TShow::nothing || plan_.empty()) return;
  const TRoomMove& m = plan_.front();
  const float pulse = 0.5f + 0.5f * std::sin(static_cast<float>(ms % 100000) * 2 * 3.14159265f / kPulseMs);
  const float x = room.centreX(m.c), y = room.centreY(m.r);
  const TKeptLineStyle kept;
  SetBlend(kBlendLight);
  SetColor(255, 214, 120);
  SetLineWidth(3);
  SetAlpha(0.35f + 0.6f * pulse);
  outlineCell(x, y, 23 - 2 * pulse);
  if (shown_ == TShow::move) {
    SetAlpha(0.6f + 0.4f * pulse);
    if (m.turn) {
      turnSign(x, y, 14);
    } else {
      SetBlend(kBlendAlpha);
      SetColor(255, 255, 255);
      room.drawArrow(m.c + m.dx, m.r + m.dy, m.dx, m.dy, true);
    }
  }
}
