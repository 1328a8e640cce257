#pragma once
// The audio service: sounds decoded into memory and played on channels of
// the game's mixer (platform/audio_mixer.h), which runs on the sound
// device's own thread. The game only sends commands and asks whether a
// channel plays.
//
// Outputs ("drivers"):
//   "sdl"    the system's sound output through SDL (the default);
//   "silent" nothing is heard, but channels play and end in real time (moved
//            on by the time passed whenever the game asks, not mixed); used
//            when "sdl" cannot start, so the game behaves the same;
//   "memory" nothing runs on its own: the mix advances only through
//            RenderAudioMix, for tests;
//   "none"   no output at all: every operation succeeds, nothing plays and
//            ChannelPlaying reports false.
// The service starts "sdl" when the first sound is started. Every operation takes a null sound
// or channel quietly.
#include <cstdint>
#include <string>

#include "platform/audio_mixer.h"
#include "platform/audio_sample.h"

constexpr int kSoundLoop = 1;  // load flag: the sound repeats until stopped

// Sounds: a sample handed to the mixer (big-endian formats are converted),
// or loaded from a WAV or Ogg Vorbis file or stream. Null on failure.
TSoundPtr CreateSound(const TAudioSamplePtr& sample, int flags);
TSoundPtr LoadSound(const std::string& path, int flags);
TSoundPtr LoadSound(const TStreamPtr& stream, int flags);
// A sound played straight from its file (music): a wave file is streamed,
// anything else is loaded whole as by LoadSound. Null on failure.
TSoundPtr StreamSound(const std::string& path, int flags);

// Channels.
TChannelPtr AllocChannel();  // an idle channel
// Plays the sound from its start on the given channel, or on a new one when
// channel is null, replacing whatever the channel held; returns the channel.
TChannelPtr PlaySound(const TSoundPtr& sound, const TChannelPtr& channel = nullptr);
// As PlaySound, but the channel waits paused until ResumeChannel, so volume
// and pan can be set before the first sample is heard.
TChannelPtr CueSound(const TSoundPtr& sound, const TChannelPtr& channel = nullptr);
void StopChannel(const TChannelPtr& channel);
void PauseChannel(const TChannelPtr& channel);
void ResumeChannel(const TChannelPtr& channel);
void SetChannelVolume(const TChannelPtr& channel, float volume);
void SetChannelPan(const TChannelPtr& channel, float pan);
void SetChannelDepth(const TChannelPtr& channel, float depth);
void SetChannelRate(const TChannelPtr& channel, float rate);
// Stops every channel, those nobody holds any more included.
void StopAllChannels();
// True while the channel holds a sound that has neither ended nor been
// stopped and is not paused (a cued channel reports false); always false
// with the "none" output.
bool ChannelPlaying(const TChannelPtr& channel);

// Outputs. SetAudioDriver switches to the named output; when "sdl" cannot
// start, "silent" is used instead and the result is false.
bool SetAudioDriver(const std::string& name);
bool AudioDriverExists(const std::string& name);
std::string AudioDriver();  // the output in use
int AudioOutputRate();      // frames per second of the mix
// With the "memory" output: mixes the next frames (interleaved stereo) into
// out and returns true. With any other output it leaves out silent and
// returns false, as the output thread owns the mix.
bool RenderAudioMix(int16_t* out, int frames);
// Stops the output; the next sound started opens the default one again.
void CloseAudio();
