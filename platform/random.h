#pragma once
// The game's one pseudo-random generator (minimal standard, multiplier 48271,
// Schrage's method) and the real-to-integer rule. Room generation and effects
// depend on the exact sequence, so it must not change.
#include <cstdint>

constexpr int32_t kDefaultSeed = 4660;

void SeedRnd(int32_t value);
int32_t RndSeed();
float RndFloat();                      // [0, 1)
double RndDouble();                    // [0, 1)
double Rnd(double min, double max);    // between the bounds, in either order
int Rand(int min, int max);            // both bounds included, in either order

// A real becomes an integer by truncation toward zero, everywhere in the game.
inline int ToInt(double x) { return static_cast<int>(x); }
