#include "widgets/click_sound.h"

#include "platform/audio.h"

struct TClickSound::Impl {
  TSoundPtr sound;
  TChannelPtr channel;
};

TClickSound::TClickSound() : impl_(std::make_unique<Impl>()) {}
TClickSound::~TClickSound() = default;

bool TClickSound::load(const TStreamPtr& stream) {
  if (!stream) return false;
  impl_->sound = LoadSound(stream, 0);
  if (impl_->sound) impl_->channel = AllocChannel();
  return loaded();
}

void TClickSound::setVolume(float volume) {
  if (impl_->channel) SetChannelVolume(impl_->channel, volume);
}

void TClickSound::play() {
  if (impl_->sound) PlaySound(impl_->sound, impl_->channel);
}

bool TClickSound::loaded() const { return impl_->sound != nullptr; }
