#include "platform/audio_mixer.h"

#include <algorithm>
#include <cmath>

namespace {

// How far the applied gain may move per output frame: a change from silence
// to full volume glides over about 6 ms at 44.1 kHz, so volume steps and
// fades do not click.
constexpr float kGainStep = 1.0f / 256.0f;

struct TFrame {
  float left, right;
};

// One frame of a sample, in 16-bit units.
TFrame readFrame(const TAudioSample& s, int index) {
  const uint8_t* p = s.samples.data();
  switch (s.format) {
    case kSampleMono8: {
      float v = static_cast<float>((p[index] - 128) * 256);
      return {v, v};
    }
    case kSampleStereo8:
      return {static_cast<float>((p[2 * index] - 128) * 256), static_cast<float>((p[2 * index + 1] - 128) * 256)};
    case kSampleMono16: {
      auto v = static_cast<float>(static_cast<int16_t>(p[2 * index] | p[2 * index + 1] << 8));
      return {v, v};
    }
    case kSampleStereo16:
      return {static_cast<float>(static_cast<int16_t>(p[4 * index] | p[4 * index + 1] << 8)),
              static_cast<float>(static_cast<int16_t>(p[4 * index + 2] | p[4 * index + 3] << 8))};
    default:
      return {0, 0};
  }
}

// One frame of a sound, from memory or from its stream's window.
TFrame soundFrame(const TSound& sound, int index) {
  if (!sound.stream) return readFrame(*sound.sample, index);
  const TAudioSample& window = sound.stream->Window(index);
  return readFrame(window, index - sound.stream->WindowStart());
}

// The gain after moving toward target by at most `most` (one frame's step
// while mixing, many frames' while skipping).
float glide(float current, float target, float most = kGainStep) {
  if (current < target) return std::min(current + most, target);
  return std::max(current - most, target);
}

}  // namespace

void TAudioMixer::Start(const TChannelPtr& channel, const TSoundPtr& sound, bool cued) {
  if (!channel) return;
  std::lock_guard lock(mutex_);
  channel->sound_ = sound;
  channel->position_ = 0;
  channel->fresh_ = true;
  channel->paused_ = cued;
  channel->active_ = sound && sound->sample && sound->sample->length > 0;
  if (channel->active_ && std::find(active_.begin(), active_.end(), channel) == active_.end())
    active_.push_back(channel);
}

void TAudioMixer::Stop(const TChannelPtr& channel) {
  if (!channel) return;
  std::lock_guard lock(mutex_);
  channel->active_ = false;
  channel->paused_ = false;
  std::erase(active_, channel);
}

void TAudioMixer::StopAll() {
  std::lock_guard lock(mutex_);
  for (const TChannelPtr& channel : active_) {
    channel->active_ = false;
    channel->paused_ = false;
  }
  active_.clear();
}

void TAudioMixer::Pause(const TChannelPtr& channel) {
  change(channel, [](TChannel& c) { c.paused_ = true; });
}

void TAudioMixer::Resume(const TChannelPtr& channel) {
  change(channel, [](TChannel& c) { c.paused_ = false; });
}

void TAudioMixer::SetVolume(const TChannelPtr& channel, float volume) {
  change(channel, [=](TChannel& c) { c.volume_ = std::isnan(volume) ? 0.0f : std::clamp(volume, 0.0f, 1.0f); });
}

void TAudioMixer::SetPan(const TChannelPtr& channel, float pan) {
  change(channel, [=](TChannel& c) { c.pan_ = std::isnan(pan) ? 0.0f : std::clamp(pan, -1.0f, 1.0f); });
}

void TAudioMixer::SetDepth(const TChannelPtr& channel, float depth) {
  change(channel, [=](TChannel& c) { c.depth_ = depth; });
}

void TAudioMixer::SetRate(const TChannelPtr& channel, float rate) {
  // A rate of 0 or less would freeze the voice for ever; keep it crawling.
  change(channel, [=](TChannel& c) { c.rate_ = std::isnan(rate) ? 1.0f : std::clamp(rate, 0.001f, 64.0f); });
}

bool TAudioMixer::Playing(const TChannelPtr& channel) {
  if (!channel) return false;
  std::lock_guard lock(mutex_);
  return channel->active_ && !channel->paused_;
}

int TAudioMixer::ActiveChannels() {
  std::lock_guard lock(mutex_);
  return static_cast<int>(active_.size());
}

void TAudioMixer::Mix(int16_t* out, int frames) {
  if (frames <= 0) return;
  std::lock_guard lock(mutex_);
  scratch_.assign(static_cast<size_t>(frames) * 2, 0.0f);
  for (const TChannelPtr& channel : active_) {
    if (!channel->paused_) mixChannel(*channel, scratch_.data(), frames);
  }
  dropFinished();
  for (size_t i = 0; i < scratch_.size(); ++i)
    out[i] = static_cast<int16_t>(std::clamp(std::lrint(scratch_[i]), -32768L, 32767L));
}

void TAudioMixer::Skip(int64_t frames) {
  if (frames <= 0) return;
  std::lock_guard lock(mutex_);
  for (const TChannelPtr& channel : active_) {
    if (!channel->paused_) skipChannel(*channel, frames);
  }
  dropFinished();
}

void TAudioMixer::dropFinished() {
  // Paused voices nobody else holds could never be resumed.
  std::erase_if(active_, [](const TChannelPtr& c) { return !c->active_ || (c->paused_ && c.use_count() == 1); });
}

TAudioMixer::TGains TAudioMixer::targetGains(const TChannel& channel) {
  return {channel.volume_ * (channel.pan_ > 0 ? 1.0f - channel.pan_ : 1.0f),
          channel.volume_ * (channel.pan_ < 0 ? 1.0f + channel.pan_ : 1.0f)};
}

void TAudioMixer::skipChannel(TChannel& channel, int64_t frames) {
  const TAudioSample& sample = *channel.sound_->sample;
  const double step = static_cast<double>(sample.hertz) * channel.rate_ / rate_;
  const TGains target = targetGains(channel);
  if (channel.fresh_) {
    channel.gainLeft_ = target.left;
    channel.gainRight_ = target.right;
    channel.fresh_ = false;
  }
  const auto most = static_cast<float>(kGainStep * static_cast<double>(frames));
  channel.gainLeft_ = glide(channel.gainLeft_, target.left, most);
  channel.gainRight_ = glide(channel.gainRight_, target.right, most);
  double pos = channel.position_ + step * static_cast<double>(frames);
  const double length = sample.length;
  if (pos >= length) {
    if (!channel.sound_->loop) {
      channel.active_ = false;
      pos = length;
    } else {
      pos = std::fmod(pos, length);
    }
  }
  channel.position_ = pos;
}

void TAudioMixer::mixChannel(TChannel& channel, float* out, int frames) {
  const TSound& sound = *channel.sound_;
  const TAudioSample& sample = *sound.sample;
  const bool loop = sound.loop;
  const int length = sample.length;
  const double step = static_cast<double>(sample.hertz) * channel.rate_ / rate_;
  const TGains target = targetGains(channel);
  const float targetLeft = target.left, targetRight = target.right;
  if (channel.fresh_) {
    channel.gainLeft_ = targetLeft;
    channel.gainRight_ = targetRight;
    channel.fresh_ = false;
  }
  double pos = channel.position_;
  for (int n = 0; n < frames; ++n) {
    const int index = static_cast<int>(pos);
    const float frac = static_cast<float>(pos - index);
    // The frame after the last is the first again for a loop, so the seam is
    // as smooth as any other point of the sound.
    const int next = index + 1 < length ? index + 1 : (loop ? 0 : index);
    const TFrame a = soundFrame(sound, index), b = soundFrame(sound, next);
    channel.gainLeft_ = glide(channel.gainLeft_, targetLeft);
    channel.gainRight_ = glide(channel.gainRight_, targetRight);
    out[2 * n] += (a.left + (b.left - a.left) * frac) * channel.gainLeft_;
    out[2 * n + 1] += (a.right + (b.right - a.right) * frac) * channel.gainRight_;
    pos += step;
    if (pos >= length) {
      if (!loop) {
        channel.active_ = false;
        break;
      }
      pos = std::fmod(pos, static_cast<double>(length));
    }
  }
  channel.position_ = pos;
}
