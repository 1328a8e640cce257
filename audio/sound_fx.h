#pragma once
// Sound effects: TSoundFx is one effect bound to its own channel, so playing
// it again restarts it rather than layering it; TSounds is a set of effects
// addressed by number, sharing one volume, that also carries out fade-outs.
#include <string>
#include <vector>

#include "platform/audio.h"

class TSoundFx {
 public:
  int id = 0;            // several effects may share one number
  int playing = 0;
  int paused = 0;
  TSoundPtr sound;
  TChannelPtr channel;   // null after kill
  float fade = 0;        // volume lost per update while fading; 0 = not fading
  float fadeVolume = 0;

  void play();
  void pause();
  void stop();   // silences the effect; only play starts it again
  void kill();   // stops and gives up the channel
  void resume();
  int isPlaying();
  void fadeOut(float startVolume, float step);
};

class TSounds {
 public:
  TSounds() = default;
  TSounds(const TSounds&) = delete;
  TSounds& operator=(const TSounds&) = delete;
  ~TSounds();  // the effects end with their set

  std::vector<TSoundFx> soundList;
  float currentVolume = 0.5f;

  // Loads an effect (flags 0) from the stream, on a channel of its own; a
  // stream that is null or holds no sound adds an effect that plays nothing.
  void add(const TStreamPtr& stream, int id);
  int count() const { return static_cast<int>(soundList.size()); }
  void play(int id);
  // Once per frame: carries out fade-outs, delta being the frame timer's step.
  void update(float delta);
  void pause(int id);
  void stop(int id);
  void pauseAll();
  void resumeAll();
  // The state of the last effect with that id; 0 when there is none.
  int playing(int id);
  void setVolume(float volume);  // clamped to 0..1, applied to every channel
  float getVolume() const { return currentVolume; }
  std::string getVolumeLevel() const;
  void volumeUp(float step) { setVolume(currentVolume + step); }
  void volumeDown(float step) { setVolume(currentVolume - step); }
  // Every effect with that id fades from the set's volume, losing step per
  // update, then stops and gets the set's volume back.
  void fadeOut(int id, float step);

 private:
  template <typename Action>
  void forId(int id, Action action) {
    for (TSoundFx& fx : soundList) {
      if (fx.id == id) action(fx);
    }
  }
};
