#pragma once
// Ogg Vorbis in and out. The encoder is deterministic: a fixed stream serial
// number, a fixed quality and no time stamps, so the same samples always give
// the same bytes.
#include <string>

#include "audio_buffer.h"

// quality: libvorbisenc's VBR quality, -0.1 .. 1.0.
bool WriteOggVorbis(const std::string& path, const AudioBuffer& sound, float quality, std::string& error);

// Decodes a whole Ogg Vorbis file with libvorbisfile.
bool ReadOggVorbis(const std::string& path, AudioBuffer& out, std::string& error);
