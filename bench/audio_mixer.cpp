// Cost of mixing one output buffer (1024 stereo frames, about 23 ms of sound
// at 44.1 kHz) with a number of channels playing, half of them resampled.
#include <benchmark/benchmark.h>

#include <cmath>

#include "platform/audio_mixer.h"

namespace {

TSoundPtr toneSound(int hertz, int seconds) {
  auto sample = CreateAudioSample(hertz * seconds, hertz, kSampleStereo16);
  for (size_t i = 0; i + 1 < sample->samples.size(); i += 2) {
    auto v = static_cast<int16_t>(8000 * std::sin(static_cast<double>(i) * 0.01));
    sample->samples[i] = static_cast<uint8_t>(v);
    sample->samples[i + 1] = static_cast<uint8_t>(v >> 8);
  }
  auto sound = std::make_shared<TSound>();
  sound->sample = sample;
  sound->loop = true;
  return sound;
}

void BM_MixBuffer(benchmark::State& state) {
  TAudioMixer mixer(44100);
  std::vector<TChannelPtr> channels;
  auto native = toneSound(44100, 2), resampled = toneSound(22050, 2);
  for (int i = 0; i < state.range(0); ++i) {
    channels.push_back(std::make_shared<TChannel>());
    mixer.Start(channels.back(), i % 2 ? resampled : native, false);
    mixer.SetVolume(channels.back(), 0.5f);
  }
  std::vector<int16_t> out(2 * 1024);
  for (auto _ : state) {
    mixer.Mix(out.data(), 1024);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_MixBuffer)->Arg(1)->Arg(4)->Arg(12);

}  // namespace

BENCHMARK_MAIN();
