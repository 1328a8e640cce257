#include "audio/music.h"

#include <algorithm>

#include "audio/volume_level.h"
#include "platform/random.h"

void TMusic::play(int songIndex, int skipLoops) {
  if (songIndex == currentSong) return;
  holdPause = 0;
  loopSong = 0;
  const int n = count();
  if (songIndex == kMusicRandom) {
    currentSong = Rand(0, std::max(n - 1, 0));
  } else if (songIndex > n) {
    currentSong = 1;
  } else if (songIndex < 0) {
    currentSong = n;
  } else {
    currentSong = songIndex;  // n itself names no track: nothing starts
  }
  // The walk goes on after a skipped title track, so the following track is
  // started at its own turn; a wrap back to 0 is not revisited.
  for (int i = 0; i < n; ++i) {
    if (i != currentSong) continue;
    if (songList[static_cast<size_t>(i)].find("_loop") != std::string::npos) {
      if (songIndex == kMusicRandom || skipLoops) {
        if (++currentSong > n) currentSong = 0;
      } else {
        loopSong = 1;
      }
    }
    if (i == currentSong) startTrack(songList[static_cast<size_t>(i)]);
  }
}

void TMusic::startTrack(const std::string& path) {
  // The old track goes before the new one starts; tracks play straight
  // from their files.
  StopChannel(songChannel);
  song.reset();
  song = StreamSound(path, loopSong ? kSoundLoop : 0);
  if (!song) return;
  songChannel = AllocChannel();
  SetChannelVolume(songChannel, currentVolume);
  PlaySound(song, songChannel);
}

void TMusic::update(int shuffle, float delta) {
  if (volumeFade != 0) {
    setVolume(currentVolume + volumeFade * delta);
    if (currentVolume <= 0 || currentVolume >= 1) volumeFade = 0;
  }
  if (loopSong) return;  // a title track plays on, even silently, until replaced
  if (ChannelPlaying(songChannel)) {
    if (currentVolume == 0) {
      pause();
      holdPause = 0;  // raising the volume starts the next track
    } else if (musicStopped) {
      resume();
    }
  } else if (currentVolume > 0 && !holdPause) {
    play(shuffle ? kMusicRandom : currentSong + 1, 1);
  }
}

void TMusic::pause() {
  musicStopped = 1;
  holdPause = 1;
  PauseChannel(songChannel);
}

void TMusic::resume() {
  musicStopped = 0;
  holdPause = 0;
  ResumeChannel(songChannel);
}

void TMusic::setVolume(float volume) {
  currentVolume = std::clamp(volume, 0.0f, 1.0f);
  SetChannelVolume(songChannel, currentVolume);
}

std::string TMusic::getVolumeLevel() const { return volumeLevelName(currentVolume); }
