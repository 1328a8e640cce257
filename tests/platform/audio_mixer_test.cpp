#include "platform/audio_mixer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

#include "platform/audio.h"
#include "tests/support/sound_files.h"

namespace {

// A mono 16-bit sound whose frames are given.
TSoundPtr monoSound(const std::vector<int16_t>& frames, int hertz, bool loop) {
  auto sample = CreateAudioSample(static_cast<int>(frames.size()), hertz, kSampleMono16);
  sample->samples = testsound::pcm16(frames);
  auto sound = std::make_shared<TSound>();
  sound->sample = sample;
  sound->loop = loop;
  return sound;
}

std::vector<int16_t> ramp(int length, int stepValue) {
  std::vector<int16_t> frames(static_cast<size_t>(length));
  for (int i = 0; i < length; ++i) frames[static_cast<size_t>(i)] = static_cast<int16_t>(1000 + i * stepValue);
  return frames;
}

std::vector<int16_t> render(TAudioMixer& mixer, int frames) {
  std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
  mixer.Mix(out.data(), frames);
  return out;
}

TEST(AudioMixer, LoopRepeatsWithoutAGapOrAShiftedFrame) {
  TAudioMixer mixer(44100);
  auto frames = ramp(100, 50);
  auto channel = std::make_shared<TChannel>();
  mixer.Start(channel, monoSound(frames, 44100, true), false);
  // Rendered in uneven pieces, as an output device asks for them.
  std::vector<int16_t> out;
  for (int piece : {7, 93, 100, 333, 467}) {
    auto part = render(mixer, piece);
    out.insert(out.end(), part.begin(), part.end());
  }
  for (size_t n = 0; n < 1000; ++n) {
    ASSERT_EQ(out[2 * n], frames[n % 100]) << "frame " << n;
    ASSERT_EQ(out[2 * n + 1], frames[n % 100]) << "frame " << n;
  }
  EXPECT_TRUE(mixer.Playing(channel));
}

TEST(AudioMixer, ResampledLoopHasNoClickAtTheSeam) {
  // Two whole sine cycles at 22050 Hz played at 44100 Hz: the largest step
  // between output frames must be that of the sine itself, seam included.
  const int length = 441;
  std::vector<int16_t> frames(length);
  for (int i = 0; i < length; ++i)
    frames[static_cast<size_t>(i)] = static_cast<int16_t>(std::lrint(20000 * std::sin(2 * M_PI * 2 * i / length)));
  TAudioMixer mixer(44100);
  auto channel = std::make_shared<TChannel>();
  mixer.Start(channel, monoSound(frames, 22050, true), false);
  auto out = render(mixer, 44100 / 10);  // 5 passes through the loop
  const double steepest = 20000 * 2 * M_PI * 2 / length / 2;  // per output frame
  for (size_t n = 1; n < out.size() / 2; ++n)
    ASSERT_LE(std::abs(out[2 * n] - out[2 * (n - 1)]), steepest + 2) << "frame " << n;
}

TEST(AudioMixer, CuedChannelIsHeardAtItsSettingsFromTheFirstSample) {
  TAudioMixer mixer(44100);
  auto channel = std::make_shared<TChannel>();
  mixer.Start(channel, monoSound(std::vector<int16_t>(500, 16000), 44100, false), true);
  EXPECT_FALSE(mixer.Playing(channel));
  auto silent = render(mixer, 64);
  EXPECT_TRUE(std::all_of(silent.begin(), silent.end(), [](int16_t v) { return v == 0; }));
  mixer.SetVolume(channel, 0.25f);
  mixer.SetPan(channel, -1.0f);
  mixer.Resume(channel);
  EXPECT_TRUE(mixer.Playing(channel));
  auto out = render(mixer, 10);
  for (int n = 0; n < 10; ++n) {
    EXPECT_EQ(out[2 * n], 4000) << "left, frame " << n;
    EXPECT_EQ(out[2 * n + 1], 0) << "right, frame " << n;
  }
}

TEST(AudioMixer, VolumeChangesGlideInsteadOfJumping) {
  TAudioMixer mixer(44100);
  auto channel = std::make_shared<TChannel>();
  mixer.Start(channel, monoSound(std::vector<int16_t>(2000, 20000), 44100, true), false);
  render(mixer, 10);
  mixer.SetVolume(channel, 0.0f);
  auto out = render(mixer, 400);
  EXPECT_GT(out[0], 19000);
  for (size_t n = 1; n < 400; ++n) ASSERT_LE(out[2 * (n - 1)] - out[2 * n], 80);
  EXPECT_EQ(out[2 * 399], 0);
  // Negative volume (the last step of a fade) is silence, not inverted sound.
  mixer.SetVolume(channel, -0.1f);
  EXPECT_EQ(render(mixer, 1)[0], 0);
}

TEST(AudioMixer, OneShotEndsAndReplayingRestartsOnTheSameChannel) {
  TAudioMixer mixer(44100);
  auto frames = ramp(100, 10);
  auto sound = monoSound(frames, 44100, false);
  auto channel = std::make_shared<TChannel>();
  mixer.Start(channel, sound, false);
  render(mixer, 60);
  mixer.Start(channel, sound, false);  // again: from the start, never on top
  auto out = render(mixer, 120);
  for (size_t n = 0; n < 100; ++n) ASSERT_EQ(out[2 * n], frames[n]);
  for (size_t n = 100; n < 120; ++n) ASSERT_EQ(out[2 * n], 0);
  EXPECT_FALSE(mixer.Playing(channel));
  EXPECT_EQ(mixer.ActiveChannels(), 0);
}

TEST(AudioMixer, PauseKeepsThePlaceAndStopEndsTheSound) {
  TAudioMixer mixer(44100);
  auto frames = ramp(200, 10);
  auto channel = std::make_shared<TChannel>();
  mixer.Start(channel, monoSound(frames, 44100, false), false);
  render(mixer, 50);
  mixer.Pause(channel);
  EXPECT_FALSE(mixer.Playing(channel));
  EXPECT_EQ(render(mixer, 30)[0], 0);
  mixer.Resume(channel);
  EXPECT_EQ(render(mixer, 1)[0], frames[50]);
  mixer.Stop(channel);
  mixer.Resume(channel);  // a stopped channel stays stopped
  EXPECT_FALSE(mixer.Playing(channel));
  EXPECT_EQ(render(mixer, 1)[0], 0);
}

TEST(AudioMixer, SkippedFramesLeaveEveryVoiceWhereMixingThemWould) {
  // Two mixers play the same voices: one mixes 700 frames, the other skips
  // them. What follows must sound the same, and the same voices must be over.
  TAudioMixer mixed(44100), skipped(44100);
  auto frames = ramp(500, 7);
  struct TVoice {
    int hertz;
    bool loop;
    float volume, pan, rate;
  };
  const std::vector<TVoice> voices{{44100, true, 0.5f, -0.5f, 1}, {22050, true, 1, 0.25f, 1},
                                   {44100, false, 1, 0, 1},       {44100, false, 0.8f, 0, 2}};
  std::vector<TChannelPtr> a, b;
  for (const TVoice& v : voices) {
    for (auto [mixer, list] : {std::pair{&mixed, &a}, std::pair{&skipped, &b}}) {
      auto channel = std::make_shared<TChannel>();
      mixer->Start(channel, monoSound(frames, v.hertz, v.loop), false);
      mixer->SetRate(channel, v.rate);
      list->push_back(channel);
    }
  }
  render(mixed, 1);
  render(skipped, 1);
  // A volume change in flight glides on while skipped, as while mixed.
  for (size_t i = 0; i < voices.size(); ++i) {
    mixed.SetVolume(a[i], voices[i].volume), mixed.SetPan(a[i], voices[i].pan);
    skipped.SetVolume(b[i], voices[i].volume), skipped.SetPan(b[i], voices[i].pan);
  }
  render(mixed, 700);
  skipped.Skip(700);
  for (size_t i = 0; i < voices.size(); ++i) EXPECT_EQ(mixed.Playing(a[i]), skipped.Playing(b[i])) << "voice " << i;
  EXPECT_EQ(mixed.ActiveChannels(), 2);
  EXPECT_EQ(skipped.ActiveChannels(), 2);
  const auto after = render(mixed, 300), afterSkip = render(skipped, 300);
  for (size_t n = 0; n < after.size(); ++n) ASSERT_NEAR(after[n], afterSkip[n], 1) << "sample " << n;
}

TEST(AudioMixer, ChannelsAddUpAndClipInsteadOfWrapping) {
  TAudioMixer mixer(44100);
  auto a = std::make_shared<TChannel>(), b = std::make_shared<TChannel>();
  mixer.Start(a, monoSound(std::vector<int16_t>(10, 30000), 44100, false), false);
  mixer.Start(b, monoSound(std::vector<int16_t>(10, 30000), 44100, false), false);
  EXPECT_EQ(render(mixer, 1)[0], 32767);
  // A paused channel that nobody holds any more is dropped from the mixer.
  mixer.Pause(a);
  a.reset();
  render(mixer, 1);
  EXPECT_EQ(mixer.ActiveChannels(), 1);
  mixer.StopAll();
  EXPECT_FALSE(mixer.Playing(b));
  EXPECT_EQ(render(mixer, 1)[0], 0);
}

TEST(AudioMixer, EveryFormatIsHeardAtTheSameLoudness) {
  // One frame of about +16384 (left) and -16384 (right) in each format.
  struct Case { int format; std::vector<uint8_t> bytes; int left, right; };
  const Case cases[] = {
      {kSampleMono8, {192}, 16384, 16384},
      {kSampleStereo8, {192, 64}, 16384, -16384},
      {kSampleMono16, {0x00, 0x40}, 16384, 16384},
      {kSampleStereo16, {0x00, 0x40, 0x00, 0xC0}, 16384, -16384},
      {kSampleMono16BE, {0x40, 0x00}, 16384, 16384},
      {kSampleStereo16BE, {0x40, 0x00, 0xC0, 0x00}, 16384, -16384},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    auto sample = CreateAudioSample(1, 44100, c.format);
    sample->samples = c.bytes;
    auto sound = CreateSound(sample, 0);  // big-endian is converted here
    ASSERT_NE(sound, nullptr);
    TAudioMixer mixer(44100);
    auto channel = std::make_shared<TChannel>();
    mixer.Start(channel, sound, false);
    auto out = render(mixer, 1);
    EXPECT_EQ(out[0], c.left);
    EXPECT_EQ(out[1], c.right);
  }
}

class AudioServiceTest : public ::testing::Test {
 protected:
  void TearDown() override {
    StopAllChannels();
    CloseAudio();
  }
};

TEST_F(AudioServiceTest, LoadsFromAStreamAndCuesThroughTheService) {
  ASSERT_TRUE(SetAudioDriver("memory"));
  testsound::WavLayout layout;
  layout.hertz = 44100;
  auto wav = testsound::wavFile(testsound::pcm16(std::vector<int16_t>(300, 8000)), layout);
  auto sound = LoadSound(MemoryStream(wav), kSoundLoop);
  ASSERT_NE(sound, nullptr);
  EXPECT_TRUE(sound->loop);
  auto channel = CueSound(sound);
  SetChannelVolume(channel, 0.5f);
  EXPECT_FALSE(ChannelPlaying(channel));
  ResumeChannel(channel);
  EXPECT_TRUE(ChannelPlaying(channel));
  std::vector<int16_t> out(2 * 1000);
  ASSERT_TRUE(RenderAudioMix(out.data(), 1000));
  EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](int16_t v) { return v == 4000; }));
  StopChannel(channel);
  EXPECT_FALSE(ChannelPlaying(channel));
  // Null sounds and channels are taken quietly.
  EXPECT_EQ(LoadSound(std::string("/no/such.wav"), 0), nullptr);
  auto idle = PlaySound(nullptr);
  EXPECT_FALSE(ChannelPlaying(idle));
  PauseChannel(nullptr);
  SetChannelVolume(nullptr, 1);
}

TEST_F(AudioServiceTest, WithoutAnyOutputEverythingSucceedsAndNothingPlays) {
  ASSERT_TRUE(SetAudioDriver("none"));
  auto channel = PlaySound(monoSound(std::vector<int16_t>(100, 1), 44100, true));
  ASSERT_NE(channel, nullptr);
  SetChannelPan(channel, 0.5f);
  SetChannelRate(channel, 2.0f);
  SetChannelDepth(channel, 1.0f);
  EXPECT_FALSE(ChannelPlaying(channel));
  std::vector<int16_t> out(8, 7);
  EXPECT_FALSE(RenderAudioMix(out.data(), 4));
  EXPECT_EQ(out, std::vector<int16_t>(8, 0));
}

TEST_F(AudioServiceTest, RealTimeOutputsLetOneShotSoundsEnd) {
  // "sdl" runs on SDL's dummy driver in the test environment, or falls back
  // to the silent clock; either way a 50 ms sound has ended after a while.
  for (const char* driver : {"sdl", "silent"}) {
    SCOPED_TRACE(driver);
    SetAudioDriver(driver);
    EXPECT_TRUE(AudioDriver() == "sdl" || AudioDriver() == "silent");
    RecordProperty(std::string("driver_") + driver, AudioDriver());
    auto channel = PlaySound(monoSound(std::vector<int16_t>(2205, 100), 44100, false));
    auto loop = PlaySound(monoSound(std::vector<int16_t>(2205, 100), 44100, true));
    bool ended = false;
    for (int i = 0; i < 300 && !ended; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      ended = !ChannelPlaying(channel);
    }
    EXPECT_TRUE(ended);
    EXPECT_TRUE(ChannelPlaying(loop));
    StopChannel(loop);
  }
}

}  // namespace
