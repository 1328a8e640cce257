#pragma once
// The click of a widget set: one sound on one channel of its own, so a new
// click cuts off the previous one. Without a sound the widgets are silent.
#include <memory>

#include "platform/stream.h"

class TClickSound {
 public:
  TClickSound();
  ~TClickSound();
  TClickSound(const TClickSound&) = delete;
  TClickSound& operator=(const TClickSound&) = delete;

  // Loads the sound from a stream (null leaves the set silent).
  bool load(const TStreamPtr& stream);
  void setVolume(float volume);
  void play();
  bool loaded() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
