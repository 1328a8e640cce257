#pragma once
// A sound played straight from its wave file. Only a window of about a third
// of a second is held at a time, so a music track of several minutes costs
// 64 KB instead of tens of megabytes. The mixer reads it on its own thread;
// a stream is meant for one channel at a time (the music's).
#include <memory>
#include <string>
#include <vector>

#include "platform/audio_sample.h"
#include "platform/stream.h"

class TSoundStream {
 public:
  // Null unless the file is a wave file the decoder accepts (plain PCM, 8 or
  // 16 bits, mono or stereo) with at least one frame.
  static std::shared_ptr<TSoundStream> OpenWav(const std::string& path);

  // Length, rate and format of the whole sound, without its bytes.
  const TAudioSample& Info() const { return info_; }
  // The window holding frame index (read from the file when it does not),
  // and the index of its first frame. A read that fails gives silence.
  const TAudioSample& Window(int index);
  int WindowStart() const { return windowStart_; }

 private:
  static constexpr int kWindowFrames = 16384;
  TStreamPtr file_;
  int64_t dataOffset_ = 0;
  TAudioSample info_;
  TAudioSample window_;
  int windowStart_ = -1;
};

using TSoundStreamPtr = std::shared_ptr<TSoundStream>;
