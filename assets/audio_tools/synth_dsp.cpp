#include "synth_dsp.h"

Rng Rng::fromName(const std::string& name) {
  uint64_t h = 1469598103934665603ull;  // FNV-1a
  for (unsigned char ch : name) {
    h ^= ch;
    h *= 1099511628211ull;
  }
  return Rng(h);
}

uint64_t Rng::next() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return state_ * 2685821657736338717ull;
}

double Rng::uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

void Biquad::set(double b0, double b1, double b2, double a0, double a1, double a2) {
  b0_ = b0 / a0;
  b1_ = b1 / a0;
  b2_ = b2 / a0;
  a1_ = a1 / a0;
  a2_ = a2 / a0;
}

Biquad Biquad::lowPass(double rate, double freq, double q) {
  Biquad f;
  double w = kTwoPi * freq / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
  f.set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
  return f;
}

Biquad Biquad::highPass(double rate, double freq, double q) {
  Biquad f;
  double w = kTwoPi * freq / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
  f.set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
  return f;
}

Biquad Biquad::bandPass(double rate, double freq, double q) {
  Biquad f;
  f.setBandPass(rate, freq, q);
  return f;
}

void Biquad::setBandPass(double rate, double freq, double q) {
  double w = kTwoPi * freq / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
  set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

double Biquad::process(double x) {
  double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}
