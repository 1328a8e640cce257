#include "mastering.h"

#include <algorithm>
#include <cmath>
#include <vector>

double ToDb(double amplitude) { return amplitude > 0 ? 20.0 * std::log10(amplitude) : -300.0; }
double FromDb(double db) { return std::pow(10.0, db / 20.0); }

void FoldTailIntoLoop(AudioBuffer& sound, size_t loopFrames) {
  if (loopFrames == 0) return;
  size_t total = sound.frames();
  if (total < loopFrames) sound.resizeFrames(loopFrames);
  for (size_t f = loopFrames; f < total; ++f)
    for (int c = 0; c < sound.channels; ++c) sound.at(f % loopFrames, c) += sound.at(f, c);
  sound.resizeFrames(loopFrames);
}

void CrossfadeLoop(AudioBuffer& sound, size_t loopFrames, size_t fadeFrames) {
  if (sound.frames() < loopFrames + fadeFrames) sound.resizeFrames(loopFrames + fadeFrames);
  const double quarterTurn = std::acos(0.0);
  for (size_t f = 0; f < fadeFrames; ++f) {
    double t = (f + 0.5) / double(fadeFrames);
    double in = std::sin(t * quarterTurn), out = std::cos(t * quarterTurn);
    for (int c = 0; c < sound.channels; ++c)
      sound.at(f, c) = float(sound.at(f, c) * in + sound.at(loopFrames + f, c) * out);
  }
  sound.resizeFrames(loopFrames);
}

void TrimAndFadeOut(AudioBuffer& sound, double floorDb, double keepSeconds, double fadeSeconds) {
  float peak = 0;
  for (float s : sound.samples) peak = std::max(peak, std::fabs(s));
  const float floor = float(peak * FromDb(floorDb));
  size_t last = 0;
  for (size_t f = 0; f < sound.frames(); ++f)
    for (int c = 0; c < sound.channels; ++c)
      if (std::fabs(sound.at(f, c)) > floor) last = f;
  size_t keep = std::min(sound.frames(), last + 1 + size_t(keepSeconds * sound.rate));
  sound.resizeFrames(keep);
  size_t fade = std::min(keep, size_t(fadeSeconds * sound.rate));
  for (size_t i = 0; i < fade; ++i) {
    double g = double(i) / double(fade);  // reaches 0 on the final frame
    for (int c = 0; c < sound.channels; ++c) sound.at(keep - 1 - i, c) *= float(g);
  }
}

void Scale(AudioBuffer& sound, double gain) {
  for (float& s : sound.samples) s = float(s * gain);
}

Levels MeasureLevels(const AudioBuffer& sound) {
  Levels levels;
  double sum = 0;
  for (float s : sound.samples) {
    levels.peak = std::max(levels.peak, double(std::fabs(s)));
    sum += double(s) * s;
  }
  if (!sound.samples.empty()) levels.rms = std::sqrt(sum / sound.samples.size());

  // Sliding 300 ms window over per-frame energy.
  size_t frames = sound.frames();
  size_t window = std::max<size_t>(1, size_t(0.3 * sound.rate));
  std::vector<double> energy(frames);
  for (size_t f = 0; f < frames; ++f) {
    double e = 0;
    for (int c = 0; c < sound.channels; ++c) e += double(sound.at(f, c)) * sound.at(f, c);
    energy[f] = e / sound.channels;
  }
  double running = 0;
  for (size_t f = 0; f < frames; ++f) {
    running += energy[f];
    if (f >= window) running -= energy[f - window];
    size_t span = std::min(window, f + 1);
    if (f + 1 >= window || f + 1 == frames)
      levels.loudestRms = std::max(levels.loudestRms, std::sqrt(std::max(0.0, running) / span));
  }
  return levels;
}

Seam MeasureSeam(const AudioBuffer& sound) {
  Seam seam;
  size_t frames = sound.frames();
  if (frames < 2) return seam;
  double sum = 0;
  for (size_t f = 1; f < frames; ++f)
    for (int c = 0; c < sound.channels; ++c) {
      double step = std::fabs(double(sound.at(f, c)) - sound.at(f - 1, c));
      sum += step * step;
      seam.largest = std::max(seam.largest, step);
    }
  seam.typical = std::sqrt(sum / double((frames - 1) * sound.channels));
  size_t span = std::min(frames / 2, std::max<size_t>(2, size_t(0.01 * sound.rate)));
  double near = 0;
  for (size_t k = 1; k < span; ++k)
    for (int c = 0; c < sound.channels; ++c) {
      double atStart = double(sound.at(k, c)) - sound.at(k - 1, c);
      double atEnd = double(sound.at(frames - k, c)) - sound.at(frames - k - 1, c);
      near += atStart * atStart + atEnd * atEnd;
    }
  seam.nearby = std::sqrt(near / double(2 * (span - 1) * sound.channels));
  for (int c = 0; c < sound.channels; ++c)
    seam.jump = std::max(seam.jump, std::fabs(double(sound.at(0, c)) - sound.at(frames - 1, c)));
  return seam;
}

double Normalise(AudioBuffer& sound, LevelBy by, double targetDb, double peakDb) {
  Levels levels = MeasureLevels(sound);
  double loudness = by == LevelBy::WholeRms ? levels.rms : by == LevelBy::LoudestRms ? levels.loudestRms : levels.peak;
  if (loudness <= 0 || levels.peak <= 0) return 1.0;
  double gain = FromDb(targetDb) / loudness;
  gain = std::min(gain, FromDb(peakDb) / levels.peak);
  Scale(sound, gain);
  return gain;
}
