#include "audio/sound_fx.h"

#include <algorithm>

#include "audio/volume_level.h"

void TSoundFx::play() {
  // After kill the effect plays on a fresh channel it does not keep.
  PlaySound(sound, channel);
  playing = 1;
  paused = 0;
}

void TSoundFx::pause() {
  if (!playing) return;
  PauseChannel(channel);
  playing = 0;
  paused = 1;
}

void TSoundFx::stop() {
  PauseChannel(channel);
  playing = 0;
  paused = 0;
}

void TSoundFx::kill() {
  StopChannel(channel);
  channel = nullptr;
  playing = 0;
  paused = 0;
}

void TSoundFx::resume() {
  if (!paused) return;
  ResumeChannel(channel);
  playing = 1;
  paused = 0;
}

int TSoundFx::isPlaying() {
  if (!ChannelPlaying(channel)) playing = 0;
  return playing;
}

void TSoundFx::fadeOut(float startVolume, float step) {
  fadeVolume = startVolume;
  fade = step;
  playing = 0;
  paused = 0;
}

TSounds::~TSounds() {
  for (TSoundFx& fx : soundList) StopChannel(fx.channel);
}

void TSounds::add(const TStreamPtr& stream, int id) {
  TSoundFx fx;
  fx.id = id;
  fx.sound = LoadSound(stream, 0);
  fx.channel = AllocChannel();
  // The set's volume from the start, so an effect added after setVolume is
  // not heard at full volume.
  SetChannelVolume(fx.channel, currentVolume);
  soundList.push_back(std::move(fx));
}

void TSounds::play(int id) {
  forId(id, [](TSoundFx& fx) { fx.play(); });
}

void TSounds::pause(int id) {
  forId(id, [](TSoundFx& fx) { fx.pause(); });
}

void TSounds::stop(int id) {
  forId(id, [](TSoundFx& fx) { fx.stop(); });
}

void TSounds::update(float delta) {
  for (TSoundFx& fx : soundList) {
    if (fx.fade == 0) continue;
    if (fx.fadeVolume > 0) {
      // The last step may go below 0 for one frame; the mixer hears silence.
      fx.fadeVolume -= fx.fade * delta;
      SetChannelVolume(fx.channel, fx.fadeVolume);
    } else {
      fx.stop();
      SetChannelVolume(fx.channel, currentVolume);
      fx.fade = 0;
    }
  }
}

void TSounds::pauseAll() {
  for (TSoundFx& fx : soundList) fx.pause();
}

void TSounds::resumeAll() {
  for (TSoundFx& fx : soundList) fx.resume();
}

int TSounds::playing(int id) {
  auto last = std::find_if(soundList.rbegin(), soundList.rend(), [id](const TSoundFx& fx) { return fx.id == id; });
  return last == soundList.rend() ? 0 : last->isPlaying();
}

void TSounds::setVolume(float volume) {
  currentVolume = std::clamp(volume, 0.0f, 1.0f);
  for (TSoundFx& fx : soundList) SetChannelVolume(fx.channel, currentVolume);
}

std::string TSounds::getVolumeLevel() const { return volumeLevelName(currentVolume); }

void TSounds::fadeOut(int id, float step) {
  forId(id, [&](TSoundFx& fx) { fx.fadeOut(currentVolume, step); });
}
