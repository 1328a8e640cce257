#include "effect_voices.h"

#include <algorithm>
#include <cmath>

AudioBuffer MonoSilence(double seconds, int rate) {
  AudioBuffer out;
  out.rate = rate;
  out.channels = 1;
  out.resizeFrames(size_t(seconds * rate));
  return out;
}

void ApplyFilter(AudioBuffer& out, Biquad filter) {
  for (float& s : out.samples) s = float(filter.process(s));
}

void AddStrike(AudioBuffer& out, double start, double freq, double level, const std::vector<Partial>& partials) {
  size_t first = size_t(std::max(0.0, start) * out.rate);
  for (size_t f = first; f < out.frames(); ++f) {
    double t = double(f) / out.rate - start;
    double sum = 0;
    for (const Partial& p : partials)
      sum += p.level * Strike(t, 0.0015, p.t60) * std::sin(kTwoPi * freq * p.ratio * t);
    out.at(f, 0) += float(level * sum);
  }
}

void AddGrains(AudioBuffer& out, const std::vector<Grain>& grains, Rng& rng) {
  for (const Grain& g : grains) {
    Biquad filter = Biquad::bandPass(out.rate, std::min(g.freq, out.rate * 0.45), g.q);
    size_t first = size_t(g.start * out.rate);
    size_t span = size_t((g.t60 + 0.002) * out.rate);
    for (size_t f = first; f < std::min(out.frames(), first + span); ++f) {
      double t = double(f - first) / out.rate;
      out.at(f, 0) += float(g.level * Strike(t, 0.0004, g.t60) * filter.process(rng.noise()));
    }
  }
}

std::vector<Grain> ScatterGrains(Rng& rng, int count, double begin, double end, double level,
                                 double freqLo, double freqHi, double q, double t60Lo, double t60Hi) {
  std::vector<Grain> grains;
  for (int i = 0; i < count; ++i) {
    double u = rng.uniform();
    double at = begin + (end - begin) * u * u;  // squaring packs them towards the start
    double fade = 1.0 - 0.8 * (at - begin) / (end - begin);
    grains.push_back({at, level * fade * rng.range(0.3, 1.0), std::exp(rng.range(std::log(freqLo), std::log(freqHi))),
                      q, rng.range(t60Lo, t60Hi)});
  }
  std::sort(grains.begin(), grains.end(), [](const Grain& a, const Grain& b) { return a.start < b.start; });
  return grains;
}

void AddThump(AudioBuffer& out, double start, double fromHz, double toHz, double glide, double level, double t60) {
  size_t first = size_t(start * out.rate);
  double phase = 0;
  for (size_t f = first; f < out.frames(); ++f) {
    double t = double(f - first) / out.rate;
    double freq = toHz + (fromHz - toHz) * std::exp(-t / glide);
    phase += kTwoPi * freq / out.rate;
    out.at(f, 0) += float(level * Strike(t, 0.003, t60) * std::sin(phase));
  }
}
