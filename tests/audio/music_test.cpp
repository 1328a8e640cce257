#include "audio/music.h"

#include <set>

#include "platform/random.h"
#include "tests/audio/audio_test_support.h"

namespace {

// The game's four-track list; each track is a constant tone of its own value
// so the mix tells which one plays. One-shot tracks last 1000 frames.
class MusicTest : public MemoryAudioTest {
 protected:
  void SetUp() override {
    MemoryAudioTest::SetUp();
    const char* names[] = {"title_loop", "map_loop", "game1", "game2"};
    for (int i = 0; i < 4; ++i) music.add(writeWav(std::string(names[i]) + ".wav", trackValue(i), 1000));
    music.setVolume(1.0f);
  }
  static int16_t trackValue(int i) { return static_cast<int16_t>(1000 * (i + 1)); }
  // The track heard now, or -1 for silence.
  int heard() {
    int v = firstLeft(1);
    for (int i = 0; i < 4; ++i)
      if (v == trackValue(i)) return i;
    EXPECT_EQ(v, 0);
    return -1;
  }
  void playToTheEnd() { lastLeft(1000); }

  TMusic music;
};

TEST_F(MusicTest, TitleTracksLoopUnlessSkipped) {
  music.play(0, 0);
  EXPECT_EQ(music.currentSong, 0);
  EXPECT_EQ(music.loopSong, 1);
  ASSERT_NE(music.song, nullptr);
  EXPECT_TRUE(music.song->loop);
  playToTheEnd();
  playToTheEnd();
  music.update(0, 1.0f);  // a looping track is left alone
  EXPECT_EQ(heard(), 0);

  music.play(0, 1);  // the same index again does nothing...
  EXPECT_EQ(heard(), 0);
  music.play(1, 1);  // ...another skips both title tracks
  EXPECT_EQ(music.currentSong, 2);
  EXPECT_EQ(music.loopSong, 0);
  EXPECT_EQ(heard(), 2);
}

TEST_F(MusicTest, SameIndexDoesNothingEvenAfterTheTrackEnded) {
  music.play(2, 0);
  auto first = music.song;
  playToTheEnd();
  music.play(2, 0);
  EXPECT_EQ(music.song, first);
  EXPECT_EQ(heard(), -1);
}

TEST_F(MusicTest, RandomPicksNeverStartATitleTrack) {
  std::set<int> started;
  SeedRnd(kDefaultSeed);
  for (int pick = 0; pick < 60; ++pick) {
    TMusic fresh;
    fresh.songList = music.songList;
    fresh.play(kMusicRandom, 0);
    EXPECT_EQ(fresh.loopSong, 0);
    started.insert(fresh.currentSong);
  }
  EXPECT_EQ(started, (std::set<int>{2, 3}));
}

TEST_F(MusicTest, InGameRotationWrapsPastTheTitleTracks) {
  music.play(2, 0);
  playToTheEnd();
  music.update(0, 1.0f);
  EXPECT_EQ(music.currentSong, 3);
  EXPECT_EQ(heard(), 3);
  playToTheEnd();
  music.update(0, 1.0f);  // index 4 names no track: a silent frame
  EXPECT_EQ(music.currentSong, 4);
  EXPECT_EQ(heard(), -1);
  music.update(0, 1.0f);  // 5 resolves to 1, skips map_loop, starts game1
  EXPECT_EQ(music.currentSong, 2);
  EXPECT_EQ(heard(), 2);
}

TEST_F(MusicTest, OutOfRangeIndexesResolveAsInTheList) {
  music.play(-5, 0);  // below 0: the count, which names no track
  EXPECT_EQ(music.currentSong, 4);
  music.play(9, 0);  // above the count: track 1, here a looping one
  EXPECT_EQ(music.currentSong, 1);
  EXPECT_EQ(music.loopSong, 1);
  music.nextSong();
  EXPECT_EQ(music.currentSong, 2);
  music.prevSong();
  EXPECT_EQ(music.currentSong, 1);
}

TEST_F(MusicTest, FadeOutReachesZeroOnTheTenthUpdateAndPausesTheTrack) {
  music.setVolume(0.5f);
  music.play(2, 0);
  music.fadeOut(0.05f);
  for (int i = 1; i <= 9; ++i) {
    music.update(0, 1.0f);
    EXPECT_GT(music.getVolume(), 0.0f) << "update " << i;
    EXPECT_EQ(music.musicStopped, 0);
  }
  music.update(0, 1.0f);
  EXPECT_EQ(music.getVolume(), 0.0f);
  EXPECT_EQ(music.volumeFade, 0.0f);
  EXPECT_EQ(music.musicStopped, 1);
  EXPECT_EQ(music.isPlaying(), 0);
  EXPECT_EQ(heard(), -1);
  // Raising the volume starts the next track rather than resuming this one.
  music.setVolume(0.5f);
  music.update(0, 1.0f);
  EXPECT_EQ(music.currentSong, 3);
  music.update(0, 1.0f);  // the new channel plays, so the stopped flag clears
  EXPECT_EQ(music.musicStopped, 0);
}

TEST_F(MusicTest, FadeInStopsAtFullVolumeAndScalesWithDelta) {
  music.setVolume(0.5f);
  music.fadeIn(0.1f);
  music.update(0, 2.0f);
  EXPECT_FLOAT_EQ(music.getVolume(), 0.7f);
  music.update(0, 5.0f);
  EXPECT_EQ(music.getVolume(), 1.0f);
  EXPECT_EQ(music.volumeFade, 0.0f);
  EXPECT_EQ(music.getVolumeLevel(), "Max");
  music.setVolume(1.4f);
  EXPECT_EQ(music.getVolume(), 1.0f);
}

TEST_F(MusicTest, ATrackThatFailsToLoadIsPassedOverOnTheNextFrame) {
  std::filesystem::remove(path("game2.wav"));
  music.play(2, 0);
  playToTheEnd();
  music.update(0, 1.0f);
  EXPECT_EQ(music.currentSong, 3);
  EXPECT_EQ(music.song, nullptr);
  EXPECT_EQ(heard(), -1);
  music.update(0, 1.0f);
  music.update(0, 1.0f);
  EXPECT_EQ(music.currentSong, 2);
  EXPECT_EQ(heard(), 2);
}

TEST_F(MusicTest, PausedMusicStaysOnItsTrackUntilResumed) {
  // Losing the window focus pauses the music while frames keep running.
  music.play(3, 0);
  lastLeft(500);
  music.pause();
  EXPECT_EQ(music.isPlaying(), 0);
  for (int i = 0; i < 3; ++i) music.update(0, 1.0f);
  EXPECT_EQ(music.currentSong, 3);
  EXPECT_EQ(heard(), -1);
  music.resume();
  EXPECT_EQ(music.isPlaying(), 1);
  EXPECT_EQ(heard(), 3);
  lastLeft(499);  // the rest of the track, from where it was paused
  music.update(0, 1.0f);
  EXPECT_EQ(music.currentSong, 4);
}

TEST_F(MusicTest, AScreenChangeReplacesPausedMusicWithTheNewTrack) {
  music.play(2, 0);
  music.pause();
  music.play(3, 0);
  EXPECT_EQ(heard(), 3);
  music.update(0, 1.0f);  // the new channel plays, so the stopped flag clears
  EXPECT_EQ(music.musicStopped, 0);
  // A paused track whose successor fails to load still moves on.
  std::filesystem::remove(path("game1.wav"));
  music.pause();
  music.play(kMusicRandom, 0);
  music.update(0, 1.0f);
  music.update(0, 1.0f);
  EXPECT_EQ(music.currentSong, 3);
  EXPECT_EQ(heard(), 3);
}

}  // namespace
