#pragma once
// Loads or saves a sound by its file name's extension: ".ogg" is Ogg Vorbis,
// anything else WAV.
#include <string>

#include "audio_buffer.h"

constexpr float kVorbisQuality = 0.4f;  // about 128 kbit/s for stereo music

bool LoadSound(const std::string& path, AudioBuffer& out, std::string& error);
bool SaveSound(const std::string& path, const AudioBuffer& sound, std::string& error, float quality = kVorbisQuality);
bool HasOggExtension(const std::string& path);
