#pragma once
// The music playlist: tracks played one at a time on one channel. Tracks
// whose path holds "_loop" are title tracks that loop until replaced and are
// skipped by the automatic rotation; the others play once and the next one
// follows. Only the current track is held in memory.
#include <string>
#include <vector>

#include "platform/audio.h"

// Music choices besides a playlist index.
enum : int {
  kMusicRandom = -1,
  kMusicKeep = -2,
  kMusicSilence = -3,
};

class TMusic {
 public:
  TMusic() = default;
  TMusic(const TMusic&) = delete;
  TMusic& operator=(const TMusic&) = delete;
  ~TMusic() { StopChannel(songChannel); }  // the music ends with its playlist

  std::vector<std::string> songList;
  TChannelPtr songChannel = AllocChannel();
  int currentSong = -10;  // -10: none yet
  float currentVolume = 0.5f;
  float volumeFade = 0;   // added to the volume every update
  int musicStopped = 0;
  int loopSong = 0;       // the current track was started looping
  TSoundPtr song;         // the current track, decoded whole

  void add(const std::string& path) { songList.push_back(path); }
  int count() const { return static_cast<int>(songList.size()); }
  // Starts a track (kMusicRandom: a random one); with skipLoops, or for a
  // random pick, a looping title track is passed over for the next one.
  void play(int songIndex, int skipLoops);
  // Once per frame: carries out fades and moves on to the next track (a
  // random one with shuffle) when one ends. delta is the frame timer's step.
  void update(int shuffle, float delta);
  void pause();
  void resume();
  int isPlaying() const { return musicStopped ? 0 : 1; }
  void setVolume(float volume);  // clamped to 0..1
  void resetVolume() { setVolume(currentVolume); }
  float getVolume() const { return currentVolume; }
  std::string getVolumeLevel() const;
  void volumeUp(float step) { setVolume(currentVolume + step); }
  void volumeDown(float step) { setVolume(currentVolume - step); }
  void fadeIn(float rate) { volumeFade = rate; }
  void fadeOut(float rate) { volumeFade = -rate; }
  void nextSong() { play(currentSong + 1, 0); }
  void prevSong() { play(currentSong - 1, 0); }

 private:
  void startTrack(const std::string& path);

  // Set by pause and cleared by resume and by the next play: while set, a
  // paused track is not taken for an ended one, so pausing the music (when
  // the window loses the focus) silences it instead of moving on to the next
  // track. The pause that update makes at volume 0 does not set it.
  int holdPause = 0;
};
