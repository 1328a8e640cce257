#pragma once
// A block of sound in memory: interleaved float samples in -1..1 at one rate.
// Every generator and the mastering steps work on this; files only appear at
// the edges (WAV in from FluidSynth, Ogg Vorbis or 16-bit WAV out).
#include <cstddef>
#include <vector>

struct AudioBuffer {
  int rate = 44100;
  int channels = 1;
  std::vector<float> samples;  // frame after frame, channels interleaved

  size_t frames() const { return channels > 0 ? samples.size() / channels : 0; }
  float& at(size_t frame, int channel) { return samples[frame * channels + channel]; }
  float at(size_t frame, int channel) const { return samples[frame * channels + channel]; }
  void resizeFrames(size_t n) { samples.resize(n * channels, 0.0f); }
  double seconds() const { return rate > 0 ? double(frames()) / rate : 0.0; }
};
