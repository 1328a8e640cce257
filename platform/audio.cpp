#include "platform/audio.h"

#include <SDL.h>

#include <chrono>
#include <vector>

namespace {

constexpr int kMixRate = 44100;

// The mixer and whatever output drives it.
class TAudioOutput {
 public:
  ~TAudioOutput() { Close(); }

  TAudioMixer& Mixer() { return mixer_; }
  // Starts the default output when none runs yet.
  void EnsureOpen() {
    if (driver_.empty()) Open("sdl");
  }

  bool Open(const std::string& name) {
    Close();
    if (name == "sdl" && openDevice()) {
      driver_ = "sdl";
      return true;
    }
    if (name == "memory" || name == "none") {
      driver_ = name;
      return true;
    }
    startSilentClock();
    driver_ = "silent";
    return name == "silent";
  }

  void Close() {
    if (device_ != 0) {
      SDL_CloseAudioDevice(device_);
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      device_ = 0;
    }
    driver_.clear();
  }

  const std::string& Driver() const { return driver_; }

 private:
  bool openDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{}, have{};
    want.freq = kMixRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;  // about 23 ms: short enough for clicks to feel instant
    want.callback = [](void* self, Uint8* stream, int bytes) {
      static_cast<TAudioOutput*>(self)->mixer_.Mix(reinterpret_cast<int16_t*>(stream), bytes / 4);
    };
    want.userdata = this;
    // No changes allowed: SDL converts to whatever the device wants.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
  }

  // Nothing is heard, yet sounds must end and music move on in real time:
  // whenever the game touches the mixer, the voices are moved on by the time
  // passed since, without mixing a frame nobody hears and without a thread
  // waking to do it.
  void startSilentClock() {
    silentStart_ = std::chrono::steady_clock::now();
    silentFrames_ = 0;
  }

 public:
  void CatchUp() {
    if (driver_ != "silent") return;
    const auto passed = std::chrono::steady_clock::now() - silentStart_;
    const int64_t due = std::chrono::duration_cast<std::chrono::microseconds>(passed).count() * kMixRate / 1000000;
    mixer_.Skip(due - silentFrames_);
    silentFrames_ = due;
  }

 private:
  TAudioMixer mixer_{kMixRate};
  std::string driver_;
  SDL_AudioDeviceID device_ = 0;
  std::chrono::steady_clock::time_point silentStart_;
  int64_t silentFrames_ = 0;
};

// Never destroyed: sound objects destroyed late at exit may still stop
// their channels, and an output thread may still be mixing.
TAudioOutput& output() {
  static TAudioOutput* instance = new TAudioOutput;
  return *instance;
}

TAudioMixer& mixer() {
  output().CatchUp();
  return output().Mixer();
}

TChannelPtr startSound(const TSoundPtr& sound, const TChannelPtr& channel, bool cued) {
  // Only starting a sound opens the output: stopping and setting channels
  // (as destructors do at exit) must not bring it back.
  output().EnsureOpen();
  TChannelPtr target = channel ? channel : AllocChannel();
  mixer().Start(target, sound, cued);
  return target;
}

}  // namespace

TSoundPtr CreateSound(const TAudioSamplePtr& sample, int flags) {
  if (!sample || SampleChannels(sample->format) == 0) return nullptr;
  const size_t needed = static_cast<size_t>(sample->length) * static_cast<size_t>(SampleBytesPerFrame(sample->format));
  if (sample->length < 0 || sample->hertz <= 0 || sample->samples.size() < needed) return nullptr;
  ConvertToLittleEndian(*sample);
  auto sound = std::make_shared<TSound>();
  sound->sample = sample;
  sound->loop = (flags & kSoundLoop) != 0;
  return sound;
}

TSoundPtr LoadSound(const std::string& path, int flags) { return CreateSound(LoadAudioSample(path), flags); }
TSoundPtr LoadSound(const TStreamPtr& stream, int flags) { return CreateSound(LoadAudioSample(stream), flags); }

TSoundPtr StreamSound(const std::string& path, int flags) {
  TSoundStreamPtr stream = TSoundStream::OpenWav(path);
  if (!stream) return LoadSound(path, flags);
  auto sound = std::make_shared<TSound>();
  sound->sample = std::make_shared<TAudioSample>(stream->Info());
  sound->stream = stream;
  sound->loop = (flags & kSoundLoop) != 0;
  return sound;
}

TChannelPtr AllocChannel() { return std::make_shared<TChannel>(); }
TChannelPtr PlaySound(const TSoundPtr& sound, const TChannelPtr& channel) { return startSound(sound, channel, false); }
TChannelPtr CueSound(const TSoundPtr& sound, const TChannelPtr& channel) { return startSound(sound, channel, true); }
void StopChannel(const TChannelPtr& channel) { mixer().Stop(channel); }
void PauseChannel(const TChannelPtr& channel) { mixer().Pause(channel); }
void ResumeChannel(const TChannelPtr& channel) { mixer().Resume(channel); }
void SetChannelVolume(const TChannelPtr& channel, float volume) { mixer().SetVolume(channel, volume); }
void SetChannelPan(const TChannelPtr& channel, float pan) { mixer().SetPan(channel, pan); }
void SetChannelDepth(const TChannelPtr& channel, float depth) { mixer().SetDepth(channel, depth); }
void SetChannelRate(const TChannelPtr& channel, float rate) { mixer().SetRate(channel, rate); }

bool ChannelPlaying(const TChannelPtr& channel) {
  const std::string& driver = output().Driver();
  if (driver.empty() || driver == "none") return false;
  return mixer().Playing(channel);
}

void StopAllChannels() { mixer().StopAll(); }

bool SetAudioDriver(const std::string& name) { return output().Open(name); }

bool AudioDriverExists(const std::string& name) {
  if (name == "sdl") return SDL_GetNumAudioDrivers() > 0;
  return name == "silent" || name == "memory" || name == "none";
}

std::string AudioDriver() {
  output().EnsureOpen();
  return output().Driver();
}
int AudioOutputRate() { return kMixRate; }

bool RenderAudioMix(int16_t* out, int frames) {
  if (output().Driver() != "memory") {
    std::fill(out, out + 2 * std::max(frames, 0), int16_t{0});
    return false;
  }
  mixer().Mix(out, frames);
  return true;
}

void CloseAudio() { output().Close(); }
