// The sound workshop's building blocks on small made-up sounds: loops fold
// and cross-fade into seamless repeats, levelling respects the peak ceiling,
// and the encoders give back exactly the frames they were given.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "mastering.h"
#include "sound_files.h"
#include "synth_dsp.h"
#include "wav_file.h"

namespace {

AudioBuffer sine(double freq, double seconds, int channels = 1, double amplitude = 0.5) {
  AudioBuffer out;
  out.channels = channels;
  out.resizeFrames(size_t(seconds * out.rate));
  for (size_t f = 0; f < out.frames(); ++f)
    for (int c = 0; c < channels; ++c) out.at(f, c) = float(amplitude * std::sin(kTwoPi * freq * f / out.rate));
  return out;
}

std::string scratchFile(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("tesmoria_kit_" + std::to_string(::getpid()) + "_" + name)).string();
}

}  // namespace

TEST(AudioKit, FoldingATailMakesTheLoopWhatARepeatSounds) {
  // A 100 Hz tone struck at the start of a 1 s loop and ringing for 2.5 s:
  // after folding, frame f holds the ring of this turn and of the two before.
  AudioBuffer sound;
  sound.resizeFrames(size_t(2.5 * sound.rate));
  for (size_t f = 0; f < sound.frames(); ++f) {
    double t = double(f) / sound.rate;
    sound.at(f, 0) = float(0.3 * Decay(t, 3.0) * std::sin(kTwoPi * 100 * t));
  }
  const size_t turn = size_t(sound.rate);
  AudioBuffer folded = sound;
  FoldTailIntoLoop(folded, turn);
  ASSERT_EQ(folded.frames(), turn);
  for (size_t f : {size_t(1000), size_t(20000)})
    EXPECT_NEAR(folded.at(f, 0), sound.at(f, 0) + sound.at(f + turn, 0) + sound.at(f + 2 * turn, 0), 1e-6) << f;
  EXPECT_NEAR(folded.at(30000, 0), sound.at(30000, 0) + sound.at(30000 + turn, 0), 1e-6);
  // The repeat carries straight on: the join is no rougher than the tone.
  Seam seam = MeasureSeam(folded);
  EXPECT_LT(seam.jump, 1.5 * seam.nearby);
}

TEST(AudioKit, CrossfadedNoiseLoopHasNoStepAtTheJoin) {
  AudioBuffer noise;
  noise.resizeFrames(size_t(1.3 * noise.rate));
  Rng rng(7);
  Biquad smooth = Biquad::lowPass(noise.rate, 500, 0.7);
  for (float& s : noise.samples) s = float(smooth.process(rng.noise()));
  AudioBuffer raw = noise;
  raw.resizeFrames(size_t(noise.rate));
  CrossfadeLoop(noise, size_t(noise.rate), size_t(0.3 * noise.rate));
  ASSERT_EQ(noise.frames(), size_t(noise.rate));
  Seam joined = MeasureSeam(noise), cut = MeasureSeam(raw);
  EXPECT_LT(joined.jump, 3 * joined.nearby);
  EXPECT_LT(joined.jump, cut.jump + 1e-9);  // never worse than cutting the noise off
}

TEST(AudioKit, NormaliseMeetsTheTargetButNeverThePeakCeiling) {
  AudioBuffer quiet = sine(440, 1.0, 1, 0.01);
  Normalise(quiet, LevelBy::WholeRms, -20.0, -1.0);
  EXPECT_NEAR(ToDb(MeasureLevels(quiet).rms), -20.0, 0.05);

  AudioBuffer spiky = sine(440, 1.0, 1, 0.01);
  spiky.at(100, 0) = 0.9f;  // a crest the RMS target would push past full scale
  Normalise(spiky, LevelBy::WholeRms, -10.0, -1.0);
  EXPECT_NEAR(ToDb(MeasureLevels(spiky).peak), -1.0, 0.01);

  AudioBuffer silent;
  silent.resizeFrames(100);
  EXPECT_EQ(Normalise(silent, LevelBy::LoudestRms, -10.0, -1.0), 1.0);
}

TEST(AudioKit, FilesKeepEveryFrame) {
  AudioBuffer stereo = sine(330, 0.7, 2);
  std::string error;
  for (const char* ext : {".ogg", ".wav"}) {
    std::string path = scratchFile(std::string("tone") + ext);
    ASSERT_TRUE(SaveSound(path, stereo, error)) << error;
    AudioBuffer back;
    ASSERT_TRUE(LoadSound(path, back, error)) << error;
    EXPECT_EQ(back.frames(), stereo.frames()) << ext;  // a loop must not grow or shrink
    EXPECT_EQ(back.channels, 2) << ext;
    EXPECT_NEAR(ToDb(MeasureLevels(back).rms), ToDb(MeasureLevels(stereo).rms), 0.5) << ext;
    std::filesystem::remove(path);
  }
}

TEST(AudioKit, DamagedWavIsRefusedWithAReason) {
  AudioBuffer out;
  std::string error;
  EXPECT_FALSE(ParseWav({'R', 'I', 'F', 'F', 0, 0}, out, error));
  EXPECT_FALSE(error.empty());
  std::vector<uint8_t> noData = {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 200, 0, 0, 0};
  EXPECT_FALSE(ParseWav(noData, out, error));  // a chunk claiming more bytes than there are
  EXPECT_FALSE(ReadWav(scratchFile("missing.wav"), out, error));
}
