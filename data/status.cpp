#include "data/status.h"

#include <algorithm>
#include <limits>

int clampToInt(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void TStatus::load(TStream& s) {
  timer = static_cast<int32_t>(s.ReadLong());
  money = static_cast<int32_t>(s.ReadLong());
  lives = s.ReadByte();
  maps = s.ReadByte();
}

void TStatus::save(TStream& s) const {
  s.WriteLong(timer);
  s.WriteLong(money);
  s.WriteByte(lives);
  s.WriteByte(maps);
}

void TStatus::addScore(const TStatus& other) {
  timer = clampToInt(int64_t{timer} + other.timer);
  money = clampToInt(int64_t{money} + other.money);
  lives = clampToInt(int64_t{lives} + other.lives);
  maps = clampToInt(int64_t{maps} + other.maps);
}

int TStatus::getTimeBonus() const {
  // A location that ran over the limit earns nothing rather than a penalty.
  int64_t left = int64_t{kLocationTimeLimit} - timer;
  return static_cast<int>(std::clamp<int64_t>(left / 22000, 0, kLocationTimeLimit / 22000));
}
