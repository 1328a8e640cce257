#pragma once
// Small building blocks for the synthesised effects: a seeded noise source,
// filters and envelopes. Everything is deterministic: the same seed gives the
// same samples on every build.
#include <cmath>
#include <cstdint>
#include <string>

// xorshift64* generator, seeded from a name so each effect has its own noise.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
  static Rng fromName(const std::string& name);
  uint64_t next();
  double uniform();                  // 0 <= x < 1
  double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
  double noise() { return 2.0 * uniform() - 1.0; }  // white, -1..1

 private:
  uint64_t state_;
};

// Robert Bristow-Johnson's biquad sections.
class Biquad {
 public:
  static Biquad lowPass(double rate, double freq, double q);
  static Biquad highPass(double rate, double freq, double q);
  static Biquad bandPass(double rate, double freq, double q);  // 0 dB peak
  double process(double x);
  // Retunes a band-pass without clearing its memory (for sweeps).
  void setBandPass(double rate, double freq, double q);

 private:
  void set(double b0, double b1, double b2, double a0, double a1, double a2);
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Exponential decay reaching 1/1000 (-60 dB) after t60 seconds.
inline double Decay(double t, double t60) { return t < 0 ? 0.0 : std::exp(-6.907755 * t / t60); }

// Linear rise over `attack` seconds, then exponential decay.
inline double Strike(double t, double attack, double t60) {
  if (t < 0) return 0.0;
  if (t < attack) return t / attack;
  return Decay(t - attack, t60);
}

// Smooth 0..1 ramp (raised cosine) for t in 0..1.
inline double SmoothStep(double t) {
  if (t <= 0) return 0.0;
  if (t >= 1) return 1.0;
  return 0.5 - 0.5 * std::cos(t * M_PI);
}

constexpr double kTwoPi = 6.283185307179586;
