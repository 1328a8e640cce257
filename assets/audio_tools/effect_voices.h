#pragma once
// Sound pieces shared by several effect recipes: struck metal partials,
// showers of tiny filtered-noise grains (crackle, rubble, paper crinkle) and
// falling-pitch thumps.
#include <vector>

#include "audio_buffer.h"
#include "synth_dsp.h"

struct Partial {
  double ratio;  // frequency relative to the fundamental
  double level;
  double t60;    // seconds to fade by 60 dB
};

// Adds a struck metal body (sum of decaying sine partials) at `start` seconds.
void AddStrike(AudioBuffer& out, double start, double freq, double level, const std::vector<Partial>& partials);

// One grain: a burst of band-passed noise with a fast attack and decay.
struct Grain {
  double start;  // seconds
  double level;
  double freq;   // band-pass centre
  double q;
  double t60;    // decay
};
void AddGrains(AudioBuffer& out, const std::vector<Grain>& grains, Rng& rng);

// `count` grains whose start times thin out towards `end` (denser early, like
// settling rubble or a dying crackle), with random level and pitch in ranges.
std::vector<Grain> ScatterGrains(Rng& rng, int count, double begin, double end, double level,
                                 double freqLo, double freqHi, double q, double t60Lo, double t60Hi);

// A low thump whose pitch glides from `fromHz` to `toHz`.
void AddThump(AudioBuffer& out, double start, double fromHz, double toHz, double glide, double level, double t60);

// Adds band-passed noise shaped by envelope(t) (0..1) over the whole buffer.
template <typename Envelope>
void AddShapedNoise(AudioBuffer& out, Rng& rng, Biquad filter, double level, Envelope envelope) {
  for (size_t f = 0; f < out.frames(); ++f) {
    double t = double(f) / out.rate;
    out.at(f, 0) += float(filter.process(rng.noise()) * level * envelope(t));
  }
}

// Runs every sample of the buffer through the filter.
void ApplyFilter(AudioBuffer& out, Biquad filter);

AudioBuffer MonoSilence(double seconds, int rate = 44100);
