#include "platform/random.h"

namespace {
int32_t seed = kDefaultSeed;

// One step of the minimal-standard generator; Schrage's method keeps every
// product inside 32 bits.
void step() {
  seed = 48271 * (seed % 44488) - 3399 * (seed / 44488);
  if (seed < 0) seed += 2147483647;
}
}  // namespace

void SeedRnd(int32_t value) {
  // Values whose state would be 0 or stuck fall back to the default seed.
  if (value == 0 || value == -1 || value == 0x7FFFFFFF || static_cast<uint32_t>(value) == 0x80000000u)
    seed = kDefaultSeed;
  else
    seed = value & 0x7FFFFFFF;
}

int32_t RndSeed() { return seed; }

float RndFloat() {
  step();
  return static_cast<float>(seed & 0x0FFFFFF0) / 268435456.0f;
}

double RndDouble() {
  step();
  double b = seed & 0x1FFFFFFC;
  step();
  double d = seed & 0x1FFFFFF8;
  return (b + d / 134217728.0) / 536870912.0;
}

double Rnd(double min, double max) {
  double x = RndDouble();
  return max > min ? min + x * (max - min) : max + x * (min - max);
}

int Rand(int min, int max) {
  double x = RndDouble();
  int64_t range = static_cast<int64_t>(max) - min;
  if (range > 0) return min + ToInt(x * static_cast<double>(range + 1));
  return max + ToInt(x * static_cast<double>(1 - range));
}
