#include "audio/sound_fx.h"

#include "audio/volume_level.h"
#include "tests/audio/audio_test_support.h"

namespace {

TEST(VolumeLevel, NamesEveryBandWithItsUpperEdgeIncluded) {
  EXPECT_EQ(volumeLevelName(-0.1f), "Off");
  EXPECT_EQ(volumeLevelName(0.0f), "Off");
  EXPECT_EQ(volumeLevelName(0.01f), "Low");
  EXPECT_EQ(volumeLevelName(0.25f), "Low");
  EXPECT_EQ(volumeLevelName(0.5f), "Medium");
  EXPECT_EQ(volumeLevelName(0.75f), "High");
  EXPECT_EQ(volumeLevelName(0.76f), "Max");
  EXPECT_EQ(volumeLevelName(1.0f), "Max");
  EXPECT_EQ(volumeLevelName(1.01f), "");
}

class SoundsTest : public MemoryAudioTest {
 protected:
  void addConstant(TSounds& set, int id, int16_t value, int frames) {
    set.add(MemoryStream(constantWav(value, frames)), id);
  }
};

TEST_F(SoundsTest, VolumeIsClampedAndReachesEveryChannel) {
  TSounds set;
  addConstant(set, 0, 10000, 5000);
  set.setVolume(1.4f);
  EXPECT_EQ(set.getVolume(), 1.0f);
  set.setVolume(-0.3f);
  EXPECT_EQ(set.getVolume(), 0.0f);
  EXPECT_EQ(set.getVolumeLevel(), "Off");
  set.volumeUp(0.25f);
  EXPECT_EQ(set.getVolumeLevel(), "Low");
  set.play(0);
  EXPECT_EQ(firstLeft(10), 2500);
  set.volumeDown(0.5f);
  EXPECT_EQ(set.getVolume(), 0.0f);
}

TEST_F(SoundsTest, FadeFollowsSinglePrecisionStepsThenStopsAndRestoresTheVolume) {
  TSounds set;
  addConstant(set, 0, 20000, 100000);
  set.setVolume(0.5f);
  set.play(0);
  set.fadeOut(0, 0.1f);
  TSoundFx& fx = set.soundList[0];
  EXPECT_EQ(fx.playing, 0);  // the fading effect is no longer counted as playing
  std::vector<float> volumes;
  for (int frame = 1; frame <= 6; ++frame) {
    set.update(1.0f);
    volumes.push_back(fx.fadeVolume);
    // The channel is heard at the fade's volume (negative: silent).
    EXPECT_EQ(lastLeft(400), std::max(0L, std::lrint(20000 * fx.fadeVolume))) << "update " << frame;
  }
  EXPECT_FLOAT_EQ(volumes[0], 0.4f);
  EXPECT_FLOAT_EQ(volumes[3], 0.1f);
  EXPECT_GT(volumes[4], 0.0f);  // rounding leaves the fifth step just above 0...
  EXPECT_LT(volumes[4], 1e-6f);
  EXPECT_LT(volumes[5], -0.09f);  // ...so a sixth one is taken
  EXPECT_NE(fx.fade, 0.0f);
  set.update(1.0f);  // seventh: stop and restore
  EXPECT_EQ(fx.fade, 0.0f);
  EXPECT_EQ(lastLeft(400), 0);
  set.play(0);
  EXPECT_EQ(firstLeft(10), 10000);
}

TEST_F(SoundsTest, FadeStepsScaleWithTheFrameDelta) {
  TSounds set;
  addConstant(set, 3, 1000, 1000);
  set.setVolume(0.5f);
  set.fadeOut(3, 0.1f);
  set.update(2.0f);
  EXPECT_FLOAT_EQ(set.soundList[0].fadeVolume, 0.3f);
  set.fadeOut(7, 0.1f);  // no effect has that id
  EXPECT_EQ(set.soundList[0].fade, 0.1f);
}

TEST_F(SoundsTest, PlayingTwiceRestartsOnTheOneChannel) {
  TSounds set;
  addConstant(set, 1, 8000, 1000);
  set.setVolume(1.0f);
  set.play(1);
  lastLeft(300);
  set.play(1);
  EXPECT_EQ(firstLeft(1), 8000);  // not 16000: the two never overlap
  EXPECT_EQ(set.playing(1), 1);
  lastLeft(998);  // 999 of the 1000 frames heard
  EXPECT_EQ(set.playing(1), 1);
  lastLeft(1);
  EXPECT_EQ(set.playing(1), 0);  // the end of the sound clears the flag
}

TEST_F(SoundsTest, PlayingReportsTheLastEffectOfAnId) {
  TSounds set;
  addConstant(set, 2, 100, 5000);
  addConstant(set, 2, 100, 50);
  set.play(2);
  lastLeft(100);
  EXPECT_EQ(set.soundList[0].isPlaying(), 1);
  EXPECT_EQ(set.playing(2), 0);
  EXPECT_EQ(set.playing(9), 0);
  set.play(9);
  set.stop(9);
  EXPECT_EQ(set.count(), 2);
}

TEST_F(SoundsTest, PauseResumeStopAndKill) {
  TSounds set;
  addConstant(set, 0, 4000, 10000);
  addConstant(set, 1, 2000, 10000);
  set.setVolume(1.0f);
  set.play(0);
  set.play(1);
  set.pauseAll();
  EXPECT_EQ(set.soundList[0].paused, 1);
  EXPECT_EQ(firstLeft(10), 0);
  set.resumeAll();
  EXPECT_EQ(firstLeft(10), 6000);
  set.stop(0);
  set.resumeAll();  // a stopped effect is not resumed
  EXPECT_EQ(firstLeft(10), 2000);

  TSoundFx& fx = set.soundList[1];
  fx.kill();
  EXPECT_EQ(fx.channel, nullptr);
  EXPECT_EQ(firstLeft(10), 0);
  fx.play();  // on a fresh channel the effect does not keep
  EXPECT_EQ(fx.channel, nullptr);
  EXPECT_EQ(firstLeft(10), 2000);
  EXPECT_EQ(fx.isPlaying(), 0);
}

TEST_F(SoundsTest, AnEffectThatFailedToLoadPlaysNothing) {
  TSounds set;
  set.add(nullptr, 0);
  set.add(MemoryStream({1, 2, 3}), 1);
  set.play(0);
  set.play(1);
  EXPECT_EQ(set.playing(0), 0);
  EXPECT_EQ(set.playing(1), 0);
  EXPECT_EQ(firstLeft(10), 0);
}

}  // namespace
