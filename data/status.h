#pragma once
// The score record of a room, a location or a whole game.
#include <cstdint>

#include "platform/stream.h"

// Sums of scores and times are worked out in 64 bits and pinned to the int
// range, so a damaged file with huge values cannot overflow the arithmetic.
int clampToInt(int64_t value);

class TStatus {
 public:
  int timer = 0;  // elapsed play time in milliseconds
  int money = 0;  // score: money collected plus bonuses
  int lives = 0;  // spare lives; -1 means game over
  int maps = 0;   // map fragments collected

  // 18 bytes: timer and money as longs, lives and maps as bytes. A long keeps
  // its low 32 bits on reading, a byte reads 0..255 (lives -1 comes back as 255).
  void load(TStream& stream);
  void save(TStream& stream) const;
  void addScore(const TStatus& other);
  // Bonus for finishing a location quickly: one point per 22 seconds left of
  // the 30-minute limit, 81 at most and never below 0.
  int getTimeBonus() const;
};

// Half an hour: the time a location may take before the sun sets.
constexpr int kLocationTimeLimit = 1800000;
