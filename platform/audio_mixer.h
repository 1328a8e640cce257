#pragma once
// The game's software mixer: any number of channels, each playing one sound
// at its own volume, pan and rate, mixed into 16-bit stereo. It knows nothing
// of output devices; platform/audio.cpp feeds a device (or a silent clock)
// from it, and tests render it straight into memory.
//
// All operations lock the mixer, so the game's thread may call them while an
// output thread mixes.
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/audio_sample.h"
#include "platform/audio_stream.h"

// A sample handed to the mixer, always in one of the little-endian formats.
// A streamed sound's sample holds only its length, rate and format; its
// frames come from the stream.
struct TSound {
  TAudioSamplePtr sample;
  TSoundStreamPtr stream;
  bool loop = false;  // repeats until its channel is stopped
};

using TSoundPtr = std::shared_ptr<TSound>;

// One voice of the mixer. Its state is the mixer's business; the game holds
// channels only to address them.
class TChannel {
  friend class TAudioMixer;
  TSoundPtr sound_;
  double position_ = 0;      // in sample frames, with the fraction between two
  float volume_ = 1, pan_ = 0, depth_ = 0, rate_ = 1;
  float gainLeft_ = 0, gainRight_ = 0;  // what is applied now, gliding toward the settings
  bool fresh_ = true;        // the next frame mixed takes the settings at once
  bool active_ = false;      // holds a sound that has neither ended nor been stopped
  bool paused_ = false;
};

using TChannelPtr = std::shared_ptr<TChannel>;

class TAudioMixer {
 public:
  explicit TAudioMixer(int outputRate = 44100) : rate_(outputRate) {}
  int OutputRate() const { return rate_; }

  // Starts sound on the channel from its first frame, replacing whatever the
  // channel held. A cued start stays paused until Resume, and the volume and
  // pan set meanwhile are applied from the very first frame heard.
  void Start(const TChannelPtr& channel, const TSoundPtr& sound, bool cued);
  void Stop(const TChannelPtr& channel);
  void StopAll();
  void Pause(const TChannelPtr& channel);
  void Resume(const TChannelPtr& channel);
  void SetVolume(const TChannelPtr& channel, float volume);  // 0..1; below 0 is silence
  void SetPan(const TChannelPtr& channel, float pan);        // -1 left .. 1 right
  void SetDepth(const TChannelPtr& channel, float depth);    // kept, not heard: the game is flat
  void SetRate(const TChannelPtr& channel, float rate);      // speed factor, 1 = the sample's own
  // True while the channel holds a sound that has not ended nor been stopped
  // and is not paused.
  bool Playing(const TChannelPtr& channel);
  int ActiveChannels();

  // Mixes the next frames into out (interleaved left, right).
  void Mix(int16_t* out, int frames);
  // Moves every voice on by frames without producing them: sounds end and
  // loops wrap exactly as if they had been mixed (an output nobody hears).
  void Skip(int64_t frames);

 private:
  void mixChannel(TChannel& channel, float* out, int frames);
  void skipChannel(TChannel& channel, int64_t frames);
  struct TGains {
    float left, right;
  };
  // The gains the channel's volume and pan ask for.
  static TGains targetGains(const TChannel& channel);
  // Ended voices leave the mixer, and so do paused ones nobody else holds.
  void dropFinished();
  // Applies a setting to a channel under the lock; null channels are ignored.
  template <typename Change>
  void change(const TChannelPtr& channel, Change apply) {
    if (!channel) return;
    std::lock_guard lock(mutex_);
    apply(*channel);
  }

  const int rate_;
  std::mutex mutex_;
  std::vector<TChannelPtr> active_;  // channels with a sound, playing or paused
  std::vector<float> scratch_;
};
