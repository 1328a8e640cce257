#pragma once
// Sound-class tests run on the "memory" output, so a channel advances only
// when the test renders the mix, and the mix tells what is heard.
#include <gtest/gtest.h>

#include <vector>

#include "platform/audio.h"
#include "platform/file_system.h"
#include "tests/support/sound_files.h"
#include "tests/support/temp_dir.h"

class MemoryAudioTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    ASSERT_TRUE(SetAudioDriver("memory"));
  }
  void TearDown() override {
    StopAllChannels();
    CloseAudio();
    TempDirTest::TearDown();
  }

  // A WAV file of `frames` frames all of one value, at the mix rate.
  static std::vector<uint8_t> constantWav(int16_t value, int frames) {
    testsound::WavLayout layout;
    layout.hertz = AudioOutputRate();
    return testsound::wavFile(testsound::pcm16(std::vector<int16_t>(static_cast<size_t>(frames), value)), layout);
  }
  std::string writeWav(const std::string& name, int16_t value, int frames) const {
    EXPECT_TRUE(ReplaceFileAtomically(path(name), constantWav(value, frames)));
    return path(name);
  }
  // Renders frames and returns the left value of the last one.
  static int lastLeft(int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    RenderAudioMix(out.data(), frames);
    return out[out.size() - 2];
  }
  static int firstLeft(int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    RenderAudioMix(out.data(), frames);
    return out[0];
  }
};
