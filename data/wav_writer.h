#pragma once
// Writes a sample as a plain PCM WAV file: the 44-byte header ("RIFF", size,
// "WAVE", a 16-byte "fmt " chunk, "data", size) followed by the sample bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio_sample.h"

// The whole file as bytes; empty for a sample of an unknown format.
std::vector<uint8_t> encodeWav(const TAudioSample& sample);
// 1 when the file was written, 0 when it could not be. The file is replaced
// in one step, so a failure never leaves a partial WAV behind.
int writeWav(const TAudioSample& sample, const std::string& path);
