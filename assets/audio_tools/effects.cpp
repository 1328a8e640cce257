#include "effects.h"

#include <algorithm>
#include <cmath>

#include "effect_voices.h"

namespace {

constexpr int kRate = 44100;

// Soft UI click: a small wooden tock with a breath of noise, no sharp edge.
AudioBuffer makeClick() {
  AudioBuffer out = MonoSilence(0.06);
  Rng rng = Rng::fromName("click");
  for (size_t f = 0; f < out.frames(); ++f) {
    double t = double(f) / kRate;
    out.at(f, 0) = float(0.6 * Strike(t, 0.0008, 0.018) * std::sin(kTwoPi * 1250 * t) +
                         0.4 * Strike(t, 0.001, 0.03) * std::sin(kTwoPi * 560 * t));
  }
  AddShapedNoise(out, rng, Biquad::bandPass(kRate, 2600, 1.0), 0.35, [](double t) { return Strike(t, 0.0003, 0.008); });
  ApplyFilter(out, Biquad::lowPass(kRate, 5000, 0.7));
  return out;
}

// Coins: three small metal discs landing one after another.
AudioBuffer makeCoin() {
  AudioBuffer out = MonoSilence(0.9);
  Rng rng = Rng::fromName("fx_coin");
  const std::vector<Partial> disc = {{1.0, 1.0, 0.55}, {1.505, 0.6, 0.42}, {2.09, 0.45, 0.3}, {2.73, 0.3, 0.22}, {3.41, 0.2, 0.15}};
  const double starts[] = {0.0, 0.085, 0.165}, freqs[] = {2350, 2610, 2480}, levels[] = {1.0, 0.7, 0.45};
  for (int i = 0; i < 3; ++i) {
    AddStrike(out, starts[i], freqs[i], levels[i], disc);
    AddGrains(out, {{starts[i], 0.8 * levels[i], 6500, 1.5, 0.006}}, rng);
  }
  return out;
}

// Papyrus: a dry crinkle of stiff paper grains over a soft unrolling rustle,
// kept below 8 kHz so it never turns into hiss.
AudioBuffer makeMap() {
  AudioBuffer out = MonoSilence(0.9);
  Rng rng = Rng::fromName("fx_map");
  auto body = [](double t) { return SmoothStep(t / 0.08) * (1.0 - SmoothStep((t - 0.3) / 0.5)); };
  AddShapedNoise(out, rng, Biquad::bandPass(kRate, 2500, 1.2), 0.15, body);
  AddShapedNoise(out, rng, Biquad::lowPass(kRate, 500, 0.7), 0.25, body);
  AddGrains(out, ScatterGrains(rng, 90, 0.0, 0.8, 1.0, 1500, 5000, 3.0, 0.003, 0.010), rng);
  ApplyFilter(out, Biquad::highPass(kRate, 180, 0.7));
  ApplyFilter(out, Biquad::lowPass(kRate, 8000, 0.7));
  ApplyFilter(out, Biquad::lowPass(kRate, 8000, 0.7));
  return out;
}

// Ankh: a bright rising bell chime (the notes of the Hijaz home chord) with
// a high shimmer.
AudioBuffer makeAnkh() {
  AudioBuffer out = MonoSilence(2.3);
  const std::vector<Partial> bell = {{1.0, 1.0, 1.6}, {2.0, 0.35, 1.1}, {2.76, 0.5, 0.9}, {5.4, 0.2, 0.5}, {8.93, 0.08, 0.3}};
  const double notes[] = {587.33, 739.99, 880.0, 1174.66}, starts[] = {0.0, 0.09, 0.18, 0.3}, levels[] = {0.6, 0.6, 0.7, 0.9};
  for (int i = 0; i < 4; ++i) AddStrike(out, starts[i], notes[i], levels[i], bell);
  for (size_t f = 0; f < out.frames(); ++f) {
    double t = double(f) / kRate;
    double tremolo = 0.5 + 0.5 * std::sin(kTwoPi * 7.0 * t);
    double shimmer = std::sin(kTwoPi * 4698.6 * t) + 0.7 * std::sin(kTwoPi * 5919.9 * t);
    out.at(f, 0) += float(0.08 * shimmer * tremolo * Strike(t - 0.3, 0.05, 1.2));
  }
  return out;
}

// Crumbling stone: a heavy thump, a crack, then settling rubble.
AudioBuffer makeExplosion() {
  AudioBuffer out = MonoSilence(2.0);
  Rng rng = Rng::fromName("fx_explosion");
  AddThump(out, 0.0, 75, 40, 0.15, 0.9, 0.55);
  AddShapedNoise(out, rng, Biquad::lowPass(kRate, 180, 0.8), 1.6, [](double t) { return Strike(t, 0.002, 0.7); });
  AddShapedNoise(out, rng, Biquad::bandPass(kRate, 900, 0.7), 0.7, [](double t) { return Strike(t, 0.001, 0.12); });
  AddShapedNoise(out, rng, Biquad::lowPass(kRate, 320, 0.7), 0.35, [](double t) { return Strike(t, 0.01, 1.6); });
  AddGrains(out, ScatterGrains(rng, 110, 0.04, 1.7, 0.9, 350, 2600, 4.0, 0.015, 0.045), rng);
  ApplyFilter(out, Biquad::highPass(kRate, 30, 0.7));
  return out;
}

// Glyph charging: a hum that rises an octave and brightens while the glyph
// fills with light (about 1.9 s in play), then lets go.
AudioBuffer makeGlyph() {
  AudioBuffer out = MonoSilence(2.5);
  Rng rng = Rng::fromName("fx_glyph");
  const double detune[] = {-0.6, 0.0, 0.7};
  double phase[3] = {0, 0, 0}, shimmerPhase = 0, tremoloPhase = 0;
  Biquad air = Biquad::bandPass(kRate, 800, 3.0);
  for (size_t f = 0; f < out.frames(); ++f) {
    double t = double(f) / kRate;
    double freq = 196.0 * std::pow(2.0, std::min(t, 2.2) / 2.2);  // G3 up to G4
    double rise = SmoothStep(t / 2.0);
    double envelope = SmoothStep(t / 0.4) * (0.35 + 0.65 * rise) * (1.0 - SmoothStep((t - 2.05) / 0.45));
    double hum = 0;
    for (int v = 0; v < 3; ++v) {
      phase[v] += kTwoPi * (freq + detune[v]) / kRate;
      hum += std::sin(phase[v]) + 0.5 * std::sin(2 * phase[v]) + 0.25 * std::sin(3 * phase[v]) + 0.12 * std::sin(5 * phase[v]);
    }
    shimmerPhase += kTwoPi * 4 * freq / kRate;
    tremoloPhase += kTwoPi * (5.0 + 7.0 * rise) / kRate;
    double shimmer = std::sin(shimmerPhase) * (0.5 + 0.5 * std::sin(tremoloPhase)) * 0.5 * rise;
    air.setBandPass(kRate, 800 + 1600 * rise, 3.0);
    double breath = air.process(rng.noise()) * 0.6;
    out.at(f, 0) = float(envelope * (hum / 3.0 + shimmer + breath));
  }
  return out;
}

// Stone sliding on stone: a low grinding body with stick-slip scrape grains.
// 1.2 s that repeat without a seam.
AudioBuffer makeMoveLoop() {
  constexpr double kLoop = 1.2, kFade = 0.25;
  AudioBuffer out = MonoSilence(kLoop + kFade);
  Rng rng = Rng::fromName("fx_move_loop");
  Biquad scrape = Biquad::bandPass(kRate, 750, 1.5), body = Biquad::lowPass(kRate, 350, 0.7),
         rumble = Biquad::lowPass(kRate, 90, 0.7), highPass = Biquad::highPass(kRate, 45, 0.7);
  double grain = 0;
  const double grainDecay = std::exp(-1.0 / (0.002 * kRate));
  for (size_t f = 0; f < out.frames(); ++f) {
    double t = double(f) / kRate;
    if (rng.uniform() < 300.0 / kRate) grain = std::max(grain, rng.range(0.3, 1.0));
    grain *= grainDecay;
    double wobble = 1.0 + 0.2 * std::sin(kTwoPi * 2.5 * t);
    double s = scrape.process(rng.noise()) * (0.35 + grain) * 0.8 + body.process(rng.noise()) * 0.9 * wobble +
               rumble.process(rng.noise()) * 1.2;
    out.at(f, 0) = float(highPass.process(s));
  }
  // Stone on stone is a dull grind, not a hiss.
  ApplyFilter(out, Biquad::lowPass(kRate, 2500, 0.7));
  ApplyFilter(out, Biquad::lowPass(kRate, 2500, 0.7));
  CrossfadeLoop(out, size_t(kLoop * kRate), size_t(kFade * kRate));
  return out;
}

// Firework 1: a sharp pop and a long dying crackle.
AudioBuffer makeFirework1() {
  AudioBuffer out = MonoSilence(2.0);
  Rng rng = Rng::fromName("firework1");
  AddThump(out, 0.0, 110, 55, 0.08, 0.7, 0.35);
  AddShapedNoise(out, rng, Biquad::lowPass(kRate, 1500, 0.7), 1.0, [](double t) { return Strike(t, 0.001, 0.08); });
  AddGrains(out, ScatterGrains(rng, 130, 0.15, 1.7, 0.7, 2500, 8000, 3.0, 0.002, 0.006), rng);
  AddShapedNoise(out, rng, Biquad::highPass(kRate, 4000, 0.7), 0.05, [](double t) { return Strike(t - 0.12, 0.1, 1.2); });
  return out;
}

// Firework 2: a rising whistle, then the bang and a short crackle.
AudioBuffer makeFirework2() {
  AudioBuffer out = MonoSilence(2.2);
  Rng rng = Rng::fromName("firework2");
  constexpr double kBurst = 0.72;
  Biquad breath = Biquad::bandPass(kRate, 900, 6.0);
  double phase = 0;
  for (size_t f = 0; f < out.frames() && f < size_t(kBurst * kRate); ++f) {
    double t = double(f) / kRate;
    double freq = 900 * std::pow(2600.0 / 900.0, t / kBurst) * (1.0 + 0.01 * std::sin(kTwoPi * 9 * t));
    phase += kTwoPi * freq / kRate;
    breath.setBandPass(kRate, freq, 6.0);
    double envelope = SmoothStep(t / 0.15) * (1.0 - SmoothStep((t - kBurst + 0.05) / 0.05));
    out.at(f, 0) += float(envelope * (0.18 * std::sin(phase) + 0.3 * breath.process(rng.noise())));
  }
  AddThump(out, kBurst, 120, 60, 0.06, 0.8, 0.4);
  AddShapedNoise(out, rng, Biquad::lowPass(kRate, 2000, 0.7), 1.1, [](double t) { return Strike(t - kBurst, 0.001, 0.1); });
  AddGrains(out, ScatterGrains(rng, 70, kBurst + 0.08, 1.9, 0.6, 2500, 8000, 3.0, 0.002, 0.006), rng);
  return out;
}

// Firework 3: a deep distant boom with an echo and sparse crackle.
AudioBuffer makeFirework3() {
  AudioBuffer out = MonoSilence(2.4);
  Rng rng = Rng::fromName("firework3");
  AddThump(out, 0.0, 80, 36, 0.12, 1.0, 0.9);
  AddShapedNoise(out, rng, Biquad::lowPass(kRate, 800, 0.7), 0.9, [](double t) { return Strike(t, 0.002, 0.6); });
  AddThump(out, 0.26, 70, 38, 0.12, 0.3, 0.7);
  AddShapedNoise(out, rng, Biquad::lowPass(kRate, 500, 0.7), 0.3, [](double t) { return Strike(t - 0.26, 0.01, 0.6); });
  AddGrains(out, ScatterGrains(rng, 40, 0.3, 2.0, 0.45, 2000, 6500, 3.0, 0.002, 0.007), rng);
  return out;
}

}  // namespace

const std::vector<EffectRecipe>& EffectRecipes() {
  static const std::vector<EffectRecipe> recipes = {
      {"click", makeClick, {LevelBy::Peak, -9.0}},
      {"fx_coin", makeCoin, {LevelBy::LoudestRms, -17.0}},
      {"fx_map", makeMap, {LevelBy::LoudestRms, -18.0}},
      {"fx_ankh", makeAnkh, {LevelBy::LoudestRms, -16.0}},
      {"fx_explosion", makeExplosion, {LevelBy::LoudestRms, -14.0}},
      {"fx_glyph", makeGlyph, {LevelBy::LoudestRms, -18.0}},
      {"fx_move_loop", makeMoveLoop, {LevelBy::WholeRms, -19.0}},
      {"firework1", makeFirework1, {LevelBy::LoudestRms, -16.0}},
      {"firework2", makeFirework2, {LevelBy::LoudestRms, -16.0}},
      {"firework3", makeFirework3, {LevelBy::LoudestRms, -15.0}},
  };
  return recipes;
}

const EffectRecipe* FindEffect(const std::string& name) {
  for (const EffectRecipe& r : EffectRecipes())
    if (name == r.name) return &r;
  return nullptr;
}
